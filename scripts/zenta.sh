#!/usr/bin/env bash
# Installs what is missing (Debian 12), builds ZENTA and then starts it, runs
# the test suite or makes the Debian package.
#   scripts/zenta.sh uruchom   build and start
#   scripts/zenta.sh testy     build and run every test
#   scripts/zenta.sh pakiet    build and make build/zenta_<version>_<arch>.deb
#   scripts/zenta.sh fuzz      install what fuzz/fuzzuj.sh needs (clang and its runtime)
# Extra CMake options may follow, e.g. -DZENTA_SANITIZE=ON; ZENTA_BUILD_DIR
# chooses the build directory (default: build). apt's and the build's output
# go to logs in the build directory; a failure shows the end of its log.
set -euo pipefail

polecenie=${1:-uruchom}
shift || true
zrodla=$(cd "$(dirname "$0")/.." && pwd)
budowa=${ZENTA_BUILD_DIR:-$zrodla/build}
mkdir -p "$budowa"
dziennik_apt=$budowa/apt.log
dziennik_budowy=$budowa/budowa.log

# What each command needs, and no more.
do_budowy=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-qpa-plugins qt6-translations-l10n libqt6svg6
           fonts-liberation)
do_testow=(libgtest-dev libgmock-dev libbenchmark-dev liblapack-dev locales acl
           desktop-file-utils appstream shared-mime-info man-db)
do_pakietu=(dpkg-dev file lintian)
do_fuzzingu=(clang libclang-rt-14-dev)

krok() { echo "==> $*"; }

koniec_dziennika() {
    echo "Nie powiodło się: $1. Koniec dziennika $2:" >&2
    tail -n 30 "$2" >&2
    exit 1
}

zainstalowany() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

# As root directly, otherwise through sudo; the environment goes on the
# command line, because sudo's env_reset drops what is exported.
jako_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    else
        sudo "$@"
    fi
}

zainstaluj() {
    local brak=()
    for p in "$@"; do
        zainstalowany "$p" || brak+=("$p")
    done
    [ ${#brak[@]} -eq 0 ] && return
    if [ "$(id -u)" -ne 0 ] && ! command -v sudo >/dev/null 2>&1; then
        echo "Brakuje pakietów: ${brak[*]}" >&2
        echo "Nie ma sudo, a instalacja wymaga roota. Zainstaluj je tak:" >&2
        echo "  su -c 'apt-get update && apt-get install -y ${brak[*]}'" >&2
        echo "i uruchom ten skrypt ponownie." >&2
        exit 1
    fi
    krok "Instaluję pakiety: ${brak[*]} (dziennik: $dziennik_apt)"
    jako_root env DEBIAN_FRONTEND=noninteractive apt-get update >>"$dziennik_apt" 2>&1 ||
        koniec_dziennika "apt-get update" "$dziennik_apt"
    jako_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${brak[@]}" \
        >>"$dziennik_apt" 2>&1 || koniec_dziennika "apt-get install" "$dziennik_apt"
}

# The readings of typed numbers are tested under a locale with a decimal comma.
polski_locale() {
    locale -a 2>/dev/null | grep -qi '^pl_PL.utf8$' && return
    krok "Tworzę locale pl_PL.UTF-8"
    jako_root localedef -i pl_PL -f UTF-8 pl_PL.UTF-8 >>"$dziennik_apt" 2>&1 ||
        echo "Bez polskiego locale: jeden test zostanie pominięty."
}

zbuduj() {
    krok "Buduję ZENTA w $budowa (dziennik: $dziennik_budowy)"
    {
        cmake -S "$zrodla" -B "$budowa" -G Ninja "$@" &&
            cmake --build "$budowa" -j"$(nproc)"
    } >"$dziennik_budowy" 2>&1 || koniec_dziennika "budowanie" "$dziennik_budowy"
}

case "$polecenie" in
    uruchom)
        zainstaluj "${do_budowy[@]}"
        zbuduj -DZENTA_BUILD_TESTS=OFF -DZENTA_BUILD_BENCH=OFF "$@"
        krok "Uruchamiam $budowa/app/zenta"
        exec "$budowa/app/zenta"
        ;;
    testy)
        zainstaluj "${do_budowy[@]}" "${do_testow[@]}"
        polski_locale
        zbuduj -DZENTA_BUILD_TESTS=ON -DZENTA_BUILD_BENCH=ON "$@"
        krok "Uruchamiam testy"
        ctest --test-dir "$budowa" --output-on-failure -j"$(nproc)"
        ;;
    pakiet)
        zainstaluj "${do_budowy[@]}" "${do_pakietu[@]}"
        zbuduj -DZENTA_BUILD_TESTS=OFF -DZENTA_BUILD_BENCH=OFF -DZENTA_SANITIZE=OFF "$@"
        krok "Tworzę pakiet Debiana"
        # One package in the build directory: each build's version is its own.
        rm -f "$budowa"/zenta_*.deb
        (cd "$budowa" && cpack -G DEB >>"$dziennik_budowy" 2>&1) || koniec_dziennika "cpack" "$dziennik_budowy"
        ls "$budowa"/zenta_*.deb
        ;;
    fuzz)
        zainstaluj "${do_fuzzingu[@]}"
        ;;
    *)
        echo "użycie: $0 uruchom|testy|pakiet|fuzz [opcje CMake]" >&2
        exit 2
        ;;
esac
