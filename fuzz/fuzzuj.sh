#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs them: M1D files for
# SECONDS, then text models for half as long.
#   fuzz/fuzzuj.sh [SECONDS] [extra libFuzzer options]
# The corpora grow in build-fuzz/korpus and build-fuzz/korpus_tekst; crashes land in build-fuzz/.
set -euo pipefail
sekundy=${1:-60}
shift || true
zrodla=$(cd "$(dirname "$0")/.." && pwd)
budowa=${ZENTA_FUZZ_DIR:-$zrodla/build-fuzz}
mkdir -p "$budowa/korpus" "$budowa/ziarna" "$budowa/korpus_tekst"

source "$zrodla/fuzz/zrodla.sh"
flagi=(-std=c++20 -O1 -g -ffp-contract=off -fno-omit-frame-pointer)

clang++ "${flagi[@]}" "${naglowki[@]}" -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
    "$zrodla/fuzz/fuzz_m1d.cpp" "${rdzen[@]}" -o "$budowa/fuzz_m1d"
clang++ "${flagi[@]}" "${naglowki[@]}" -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
    "$zrodla/fuzz/fuzz_tekst.cpp" "${rdzen[@]}" -o "$budowa/fuzz_tekst"
clang++ "${flagi[@]}" "${naglowki[@]}" -I"$zrodla/tests/support" "$zrodla/fuzz/ziarna.cpp" \
    "$zrodla/tests/support/pret.cpp" "${rdzen[@]}" -o "$budowa/ziarna_m1d"
"$budowa/ziarna_m1d" "$budowa/ziarna" >/dev/null

cd "$budowa"
# Large counts in small files are refused before any allocation; the
# allocator may answer null instead of stopping the run.
ASAN_OPTIONS=allocator_may_return_null=1:detect_leaks=1 \
    ./fuzz_m1d -max_total_time="$sekundy" -max_len=8192 -timeout=10 -rss_limit_mb=4096 -print_final_stats=1 \
    "$@" korpus ziarna
# The examples seed the text models.
ASAN_OPTIONS=allocator_may_return_null=1:detect_leaks=1 \
    ./fuzz_tekst -max_total_time="$(( (sekundy + 1) / 2 ))" -max_len=8192 -timeout=10 -rss_limit_mb=4096 \
    -print_final_stats=1 -dict="$zrodla/fuzz/tekst.dict" "$@" korpus_tekst "$zrodla/examples"
