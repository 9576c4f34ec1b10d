#!/usr/bin/env bash
# Wall time and peak memory of each zenta-oblicz feature on a random bar.
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

czas() { # LABEL ARGS...
    local etykieta=$1
    shift
    /usr/bin/time -f "$etykieta	%e s	%M KB" "$oblicz" "$@" > /dev/null 2> "$katalog/czas" || true
    tail -n 1 "$katalog/czas"
}
echo "elementów: $n, M1D $(stat -c %s "$katalog/m.M1D") B, tekst $(stat -c %s "$katalog/m.txt") B"
czas "wyniki" "$katalog/m.M1D"
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
