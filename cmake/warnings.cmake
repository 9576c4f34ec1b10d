# Every target of the project goes through zenta_warnings(), so warnings and
# sanitizers are set in one place.
if(ZENTA_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
endif()

function(zenta_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(ZENTA_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
