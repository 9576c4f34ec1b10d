# Builds the manual: the template with the outputs of zenta-oblicz on the
# stepped bar, and the pictures and the report it makes of it.
#   cmake -DOBLICZ=... -DSZABLON=... -DMODEL=... -DZRODLA=... -DCEL=... -DWERSJA=... -P zbuduj_podrecznik.cmake

function(wyjscie_programu zmienna)
  execute_process(COMMAND ${OBLICZ} ${ARGN} OUTPUT_VARIABLE tekst RESULT_VARIABLE kod
                  OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT kod EQUAL 0)
    message(FATAL_ERROR "zenta-oblicz ${ARGN}: ${kod}")
  endif()
  string(REPLACE "&" "&amp;" tekst "${tekst}")
  string(REPLACE "<" "&lt;" tekst "${tekst}")
  string(REPLACE ">" "&gt;" tekst "${tekst}")
  set(${zmienna} "${tekst}" PARENT_SCOPE)
endfunction()

file(MAKE_DIRECTORY ${CEL}/podrecznik)
wyjscie_programu(SPRAWDZ --sprawdz ${MODEL})
wyjscie_programu(WYNIKI ${MODEL})
wyjscie_programu(BILANS --bilans ${MODEL})
wyjscie_programu(SZCZEGOLY --szczegoly ${MODEL})
wyjscie_programu(nic --rysunek ${CEL}/podrecznik/pret.svg --napr --rozmiar 800x400 ${MODEL})
wyjscie_programu(nic --wykres N ${CEL}/podrecznik/sila.svg --wykres napr ${CEL}/podrecznik/napr.svg
                 --wykres u ${CEL}/podrecznik/u.svg --rozmiar 800x400 ${MODEL})
wyjscie_programu(nic --raport ${CEL}/podrecznik/raport.html ${MODEL})
file(READ ${MODEL} MODEL_TEKSTOWY)
string(REPLACE "&" "&amp;" MODEL_TEKSTOWY "${MODEL_TEKSTOWY}")
string(REPLACE "<" "&lt;" MODEL_TEKSTOWY "${MODEL_TEKSTOWY}")
string(STRIP "${MODEL_TEKSTOWY}" MODEL_TEKSTOWY)
configure_file(${SZABLON} ${CEL}/podrecznik.html @ONLY)
foreach(obraz zrzut_ekranu.png dialog_dane_podstawowe.png okno_wykresow.png)
  configure_file(${ZRODLA}/${obraz} ${CEL}/podrecznik/${obraz} COPYONLY)
endforeach()
