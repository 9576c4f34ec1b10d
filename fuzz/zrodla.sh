# The sources of the layers without Qt that the fuzzer exercises (sourced by
# the fuzz scripts, with $zrodla set to the repository). narzedzia is Qt-free
# as a whole, so a file added there needs no entry here.
rdzen=("$zrodla"/model/{bloki,pom_mac,model,macierze,oblicz,instalacja,arytmetyka}.cpp "$zrodla"/files/{format,strumien,powody,plik_do_czytania,plik_do_zapisu,m1d,tekst_modelu,plik_modelu}.cpp
       "$zrodla"/views/{kolory,tabele,tabele_tekst,rysunek,odczyt,piksele,svg}.cpp
       "$zrodla"/narzedzia/*.cpp)
naglowki=(-I"$zrodla/model" -I"$zrodla/files" -I"$zrodla/views" -I"$zrodla/narzedzia")
