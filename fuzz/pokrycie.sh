#!/usr/bin/env bash
# Line coverage that the M1D fuzzer's corpus reaches in model/, files/, views/ and narzedzia/.
#   fuzz/pokrycie.sh   (after fuzz/fuzzuj.sh has grown build-fuzz/korpus)
set -euo pipefail
zrodla=$(cd "$(dirname "$0")/.." && pwd)
budowa=${ZENTA_FUZZ_DIR:-$zrodla/build-fuzz}

source "$zrodla/fuzz/zrodla.sh"
clang++ -std=c++20 -O1 -ffp-contract=off -fsanitize=fuzzer -fprofile-instr-generate -fcoverage-mapping \
    "${naglowki[@]}" "$zrodla/fuzz/fuzz_m1d.cpp" "${rdzen[@]}" \
    -o "$budowa/fuzz_m1d_pokrycie"
cd "$budowa"
LLVM_PROFILE_FILE=pokrycie.profraw ./fuzz_m1d_pokrycie -runs=0 korpus ziarna >/dev/null 2>&1
llvm-profdata merge -sparse pokrycie.profraw -o pokrycie.profdata
llvm-cov report ./fuzz_m1d_pokrycie -instr-profile=pokrycie.profdata "${rdzen[@]}"
