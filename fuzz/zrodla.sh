# The sources of the layers without Qt that the fuzzer exercises (sourced by
# the fuzz scripts, with $zrodla set to the repository). narzedzia and files are
# Qt-free as a whole, so a file added there needs no entry here.
rdzen=("$zrodla"/model/{bloki,pom_mac,model,macierze,oblicz,instalacja,arytmetyka}.cpp "$zrodla"/files/*.cpp
       "$zrodla"/views/{kolory,tabele,tabele_tekst,rysunek,odczyt,piksele,svg}.cpp
       "$zrodla"/narzedzia/*.cpp)
naglowki=(-I"$zrodla/model" -I"$zrodla/files" -I"$zrodla/views" -I"$zrodla/narzedzia")
