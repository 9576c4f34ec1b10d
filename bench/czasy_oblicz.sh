#!/usr/bin/env bash
# Wall time and peak memory of each zenta-oblicz feature on a random bar, each
# against reading and analysing the same file alone (the anchor). The anchor
# and the feature run in turn (A B A B ...) after a warm-up pair, and each
# ratio is the median of the pair ratios: a shared or slower machine slows
# both halves of a pair alike, so the ratios hold where the seconds do not.
#   bench/czasy_oblicz.sh [ELEMENTS]   (default 1000000; after the build in build/)
# ZENTA_PARY sets the number of pairs (default 7, at least 7 counts).
set -euo pipefail
zrodla=$(cd "$(dirname "$0")/.." && pwd)
budowa=${ZENTA_BUILD_DIR:-$zrodla/build}
n=${1:-1000000}
pary=${ZENTA_PARY:-7}
katalog=$(mktemp -d)
trap 'rm -rf "$katalog"' EXIT
oblicz=$budowa/cli/zenta-oblicz
"$budowa/bench/zapisz_model" "$n" "$katalog/m.M1D"
"$oblicz" --do-tekstu "$katalog/m.M1D" -o "$katalog/m.txt"
kotwica=("$budowa/bench/wczytaj_i_oblicz" "$katalog/m.M1D")

# "MICROSECONDS KB" of one run.
przebieg() {
    local t0=${EPOCHREALTIME/[.,]/}
    /usr/bin/time -f "%M" "$@" > /dev/null 2> "$katalog/czas" || true
    local t1=${EPOCHREALTIME/[.,]/}
    echo "$((t1 - t0)) $(tail -n 1 "$katalog/czas")"
}

# Lines "tA mA tB mB" in; "median tB, median mB, median tB/tA, median mB/mA" out.
mediany() {
    awk '
        function mediana(v, n,    i, j, x) {
            for (i = 2; i <= n; ++i)
                for (j = i; j > 1 && v[j - 1] > v[j]; --j) { x = v[j]; v[j] = v[j - 1]; v[j - 1] = x }
            return n % 2 ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2
        }
        { t[NR] = $3; m[NR] = $4; rt[NR] = $3 / $1; rm[NR] = $4 / $2 }
        END { printf "%.6f %d %.6f %.6f\n", mediana(t, NR) / 1e6, mediana(m, NR), mediana(rt, NR), mediana(rm, NR) }'
}

# The anchor and ARGS in turn: a warm-up pair, then $pary pairs.
w_parach() {
    przebieg "${kotwica[@]}" > /dev/null
    przebieg "$@" > /dev/null
    for ((k = 0; k < pary; ++k)) {
        read -r ta ma < <(przebieg "${kotwica[@]}")
        read -r tb mb < <(przebieg "$@")
        echo "$ta $ma $tb $mb"
    }
}

read -r czas0 pamiec0 _ < <(w_parach "${kotwica[@]}" | mediany)
echo "elementów: $n, M1D $(stat -c %s "$katalog/m.M1D") B, tekst $(stat -c %s "$katalog/m.txt") B, par: $pary"
printf '%-22s %7s %9s %8s %8s\n' "" czas pamięć "× czasu" "× pamięci"
printf '%-22s %6.2fs %6d MB %8s %8s\n' "wczytanie + obliczenia" "$czas0" $((pamiec0 / 1024)) 1 1

czas() { # LABEL ARGS...
    local etykieta=$1
    shift
    read -r t m rt rm < <(w_parach "$oblicz" "$@" | mediany)
    printf '%-22s %6.2fs %6d MB %8.2f %8.2f\n' "$etykieta" "$t" $((m / 1024)) "$rt" "$rm"
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

# Reading the text model: the same conversion from the M1D file and from the
# text in turn; the text's bytes over the median extra time of the text.
tekst=$(stat -c %s "$katalog/m.txt")
for ((k = 0; k <= pary; ++k)) {
    read -r ta _ < <(przebieg "$oblicz" --z-tekstu "$katalog/m.M1D" -o "$katalog/a.M1D")
    read -r tb _ < <(przebieg "$oblicz" --z-tekstu "$katalog/m.txt" -o "$katalog/b.M1D")
    ((k > 0)) && echo $((tb - ta))
} | sort -n | awk -v b="$tekst" '{ v[NR] = $1 } END { m = v[int((NR + 1) / 2)]; if (m > 0) printf "czytanie tekstu: %.0f MB/s (ponad czytanie M1D)\n", b / m }'
