# Run by `cmake --install` once the desktop entry and the M1D type are in
# place (zenta_dane: the data folder relative to the prefix). The desktop
# learns them from caches: into a live prefix these are brought up to date at
# once; a staged install (DESTDIR, or the package, whose system updates them by
# its triggers) says what to run where the files land.
set(dane "${CMAKE_INSTALL_PREFIX}/${zenta_dane}")
if(NOT "$ENV{DESTDIR}" STREQUAL "")
  message(STATUS "Żeby pulpit poznał pliki M1D i program, tam gdzie trafi ${dane}, uruchom:\n"
                 "   update-mime-database ${dane}/mime\n   update-desktop-database ${dane}/applications")
  return()
endif()

function(odswiez program katalog)
  find_program(sciezka ${program} NO_CACHE)
  if(NOT sciezka)
    message(STATUS "Brak ${program} (pakiet shared-mime-info albo desktop-file-utils); "
                   "po jego instalacji uruchom: ${program} ${katalog}")
    return()
  endif()
  execute_process(COMMAND ${sciezka} ${katalog} RESULT_VARIABLE kod)
  if(NOT kod EQUAL 0)
    message(WARNING "${program} ${katalog}: ${kod}")
  else()
    message(STATUS "Odświeżono: ${program} ${katalog}")
  endif()
endfunction()
odswiez(update-mime-database ${dane}/mime)
odswiez(update-desktop-database ${dane}/applications)
