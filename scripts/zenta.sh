#!/usr/bin/env bash
# Installs what is missing (Debian 12), builds ZENTA and then starts it or runs
# the test suite.
#   scripts/zenta.sh uruchom   build and start
#   scripts/zenta.sh testy     build and run every test
# Extra CMake options may follow, e.g. -DZENTA_SANITIZE=ON; ZENTA_BUILD_DIR
# chooses the build directory (default: build).
set -euo pipefail

polecenie=${1:-uruchom}
shift || true
zrodla=$(cd "$(dirname "$0")/.." && pwd)
budowa=${ZENTA_BUILD_DIR:-$zrodla/build}

pakiety=(cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev libbenchmark-dev liblapack-dev
         qt6-base-dev qt6-qpa-plugins qt6-translations-l10n fonts-liberation clang libclang-rt-14-dev locales)

zainstaluj_brakujace() {
    local brak=()
    for p in "${pakiety[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || brak+=("$p")
    done
    [ ${#brak[@]} -eq 0 ] && return
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Instaluję: ${brak[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${brak[@]}" >/dev/null
}

# The readings of typed numbers are tested under a locale with a decimal comma.
polski_locale() {
    locale -a 2>/dev/null | grep -qi '^pl_PL.utf8$' && return
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" localedef -i pl_PL -f UTF-8 pl_PL.UTF-8 || echo "Bez polskiego locale: jeden test zostanie pominięty."
}

zbuduj() {
    cmake -S "$zrodla" -B "$budowa" -G Ninja "$@" >/dev/null
    cmake --build "$budowa" -j"$(nproc)"
}

zainstaluj_brakujace
case "$polecenie" in
    uruchom)
        zbuduj "$@"
        if [ -x "$budowa/app/zenta" ]; then
            exec "$budowa/app/zenta"
        fi
        echo "Zbudowano zenta-oblicz ($budowa/cli/zenta-oblicz); program okienkowy jeszcze nie istnieje."
        ;;
    testy)
        polski_locale
        zbuduj "$@"
        ctest --test-dir "$budowa" --output-on-failure -j"$(nproc)"
        ;;
    *)
        echo "użycie: $0 uruchom|testy [opcje CMake]" >&2
        exit 2
        ;;
esac
