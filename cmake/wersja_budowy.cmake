# ZENTA_WERSJA_BUDOWY: the version of this build, told from every other. From
# ZENTA's own git checkout: 1.0+git<date>.<time>.<commit> by the commit's time
# in UTC, so that a later commit's package replaces an earlier one's; when
# tracked files differ from the commit, ".zmiany.<date>.<time>" of this
# configuration after it, so that each such build replaces the one before.
# From a tarball, without git, or from sources unpacked inside some other
# repository: 1.0.
set(ZENTA_WERSJA_BUDOWY ${PROJECT_VERSION})
find_package(Git QUIET)
if(GIT_FOUND)
  execute_process(COMMAND ${GIT_EXECUTABLE} rev-parse --show-toplevel
                  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} OUTPUT_VARIABLE gora
                  OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET RESULT_VARIABLE kod)
  file(REAL_PATH "${PROJECT_SOURCE_DIR}" zrodla)
  if(kod EQUAL 0)
    file(REAL_PATH "${gora}" gora)
  endif()
  if(kod EQUAL 0 AND gora STREQUAL zrodla)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC
                            ${GIT_EXECUTABLE} log -1 --format=%cd.%h --date=format-local:%Y%m%d.%H%M%S
                    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} OUTPUT_VARIABLE zatwierdzenie
                    OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET RESULT_VARIABLE kod)
    execute_process(COMMAND ${GIT_EXECUTABLE} status --porcelain --untracked-files=no
                    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} OUTPUT_VARIABLE zmiany ERROR_QUIET)
    if(kod EQUAL 0 AND zatwierdzenie MATCHES "^[0-9]+\\.[0-9]+\\.[0-9a-f]+$")
      set(ZENTA_WERSJA_BUDOWY ${PROJECT_VERSION}+git${zatwierdzenie})
      if(NOT zmiany STREQUAL "")
        string(TIMESTAMP teraz "%Y%m%d.%H%M%S" UTC)
        string(APPEND ZENTA_WERSJA_BUDOWY .zmiany.${teraz})
      endif()
      # A commit, a checkout or a reset (each written to HEAD's log) configures again.
      execute_process(COMMAND ${GIT_EXECUTABLE} rev-parse --git-path HEAD --git-path logs/HEAD
                      WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} OUTPUT_VARIABLE pliki
                      OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
      string(REPLACE "\n" ";" pliki "${pliki}")
      foreach(plik ${pliki})
        cmake_path(ABSOLUTE_PATH plik BASE_DIRECTORY ${PROJECT_SOURCE_DIR})
        if(EXISTS ${plik})
          set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${plik})
        endif()
      endforeach()
    endif()
  endif()
endif()
