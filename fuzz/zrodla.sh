# The sources of the layers without Qt that the fuzzer exercises (sourced by
# the fuzz scripts, with $zrodla set to the repository): those of the libraries
# the build makes of them, so that a file added there is fuzzed too.

# The .cpp files of library $2 in folder $1, as its add_library lists them.
zrodla_biblioteki() {
    tr '\n' ' ' < "$zrodla/$1/CMakeLists.txt" | grep -o "add_library($2 STATIC[^)]*)" |
        grep -oE '[A-Za-z0-9_]+\.cpp' | sed "s|^|$zrodla/$1/|"
}

rdzen=()
for biblioteka in model:zenta_model files:zenta_files views:zenta_draw narzedzia:zenta_narzedzia; do
    mapfile -t -O "${#rdzen[@]}" rdzen < <(zrodla_biblioteki "${biblioteka%%:*}" "${biblioteka#*:}")
done
naglowki=(-I"$zrodla/model" -I"$zrodla/files" -I"$zrodla/views" -I"$zrodla/narzedzia")
