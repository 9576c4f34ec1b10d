#!/usr/bin/env bash
# Wall time and peak memory of each zenta-oblicz feature on a random bar, each
# against reading and analysing the same file alone (the anchor): the fastest
# of five runs (a shared machine only ever adds time), and the ratios to the
# anchor.
#   bench/czasy_oblicz.sh [ELEMENTS]   (default 1000000; after the build in build/)
set -euo pipefail
zrodla=$(cd "$(dirname "$0")/.." && pwd)
budowa=${ZENTA_BUILD_DIR:-$zrodla/build}
n=${1:-1000000}
katalog=$(mktemp -d)
trap 'rm -rf "$katalog"' EXIT
oblicz=$budowa/cli/zenta-oblicz
"$budowa/bench/zapisz_model" "$n" "$katalog/m.M1D"
"$oblicz" --do-tekstu "$katalog/m.M1D" -o "$katalog/m.txt"

# "SECONDS KB": the fastest of five runs.
pomiar() {
    for _ in 1 2 3 4 5; do
        /usr/bin/time -f "%e %M" "$@" > /dev/null 2> "$katalog/czas" || true
        tail -n 1 "$katalog/czas"
    done | sort -n | head -n 1
}

read -r czas0 pamiec0 < <(pomiar "$budowa/bench/wczytaj_i_oblicz" "$katalog/m.M1D")
echo "elementów: $n, M1D $(stat -c %s "$katalog/m.M1D") B, tekst $(stat -c %s "$katalog/m.txt") B"
printf '%-22s %7s %9s %8s %8s\n' "" czas pamięć "× czasu" "× pamięci"
printf '%-22s %6.2fs %6d MB %8s %8s\n' "wczytanie + obliczenia" "$czas0" $((pamiec0 / 1024)) 1 1

czas() { # LABEL ARGS...
    local etykieta=$1
    shift
    read -r t m < <(pomiar "$oblicz" "$@")
    printf '%-22s %6.2fs %6d MB %8.1f %8.2f\n' "$etykieta" "$t" $((m / 1024)) \
        "$(echo "$t / $czas0" | bc -l)" "$(echo "$m / $pamiec0" | bc -l)"
}
czas "wyniki" "$katalog/m.M1D"
czas "--dane" --dane "$katalog/m.M1D"
czas "--sprawdz" --sprawdz "$katalog/m.M1D"
czas "--bilans" --bilans "$katalog/m.M1D"
czas "--szczegoly" --szczegoly "$katalog/m.M1D"
czas "--json" --json "$katalog/m.M1D"
czas "--csv" --csv "$katalog/m.M1D"
czas "--wykres u (png)" "$katalog/m.M1D" --wykres u "$katalog/u.png"
czas "--raport" --raport "$katalog/r.html" "$katalog/m.M1D"
czas "--do-tekstu" --do-tekstu "$katalog/m.M1D"
czas "--z-tekstu" --z-tekstu "$katalog/m.txt" -o "$katalog/z.M1D"
cmp -s "$katalog/m.M1D" "$katalog/z.M1D" && echo "M1D -> tekst -> M1D: te same bajty"
