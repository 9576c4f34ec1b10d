# Hardening as Debian builds its packages: fortified memory and string calls,
# the stack protector, full RELRO with binding at start, a position-independent
# executable. -U first: a _FORTIFY_SOURCE from the compiler or CXXFLAGS would
# otherwise be redefined (a warning).
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
include(CheckPIESupported)
check_pie_supported(LANGUAGES CXX)
add_compile_options(-fstack-protector-strong)
add_link_options(-Wl,-z,relro -Wl,-z,now)
# Fortifying needs the optimiser; the sanitizers check those calls themselves.
if(NOT ZENTA_SANITIZE)
  add_compile_options("$<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE>" "$<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>")
endif()
