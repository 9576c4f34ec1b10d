#!/usr/bin/env bash
# scripts/zenta.sh when packages are missing, for a user who is not root:
# with sudo, apt gets DEBIAN_FRONTEND through it; without sudo, the script
# says what to install and how, and stops. dpkg-query and sudo are stand-ins,
# so nothing is installed. Runs as nobody when the tests run as root.
#   test_skryptu.sh SOURCE_DIR
set -uo pipefail
zrodla=$1
atrapy=$(mktemp -d)
trap 'rm -rf "$atrapy"' EXIT
chmod 755 "$atrapy"
bledy=0
zle() { echo "BŁĄD: $*"; bledy=$((bledy + 1)); }

# Nothing is installed; `sudo` writes down what it was asked to run and fails.
mkdir -p "$atrapy/bez_sudo" "$atrapy/z_sudo"
printf '#!/bin/sh\nexit 1\n' > "$atrapy/bez_sudo/dpkg-query"
cp "$atrapy/bez_sudo/dpkg-query" "$atrapy/z_sudo/dpkg-query"
printf '#!/bin/sh\necho "$@" >> %s/sudo.log\nexit 1\n' "$atrapy" > "$atrapy/z_sudo/sudo"
mkdir -m 777 "$atrapy/budowa"
# A copy the other user can read wherever the sources stand.
mkdir -p "$atrapy/scripts" && cp "$zrodla/scripts/zenta.sh" "$atrapy/scripts/" && chmod 755 "$atrapy/scripts"
chmod 755 "$atrapy"/*/* && touch "$atrapy/sudo.log" && chmod 666 "$atrapy/sudo.log"

jako_uzytkownik() {
    if [ "$(id -u)" -eq 0 ]; then
        setpriv --reuid=65534 --regid=65534 --clear-groups env "$@"
    else
        env "$@"
    fi
}

# Without sudo: only where none is installed (a real one must never run here).
if command -v sudo > /dev/null; then
    echo "sudo jest zainstalowane: pomijam przypadek bez sudo"
else
    wyjscie=$(jako_uzytkownik PATH="$atrapy/bez_sudo:/usr/bin:/bin" ZENTA_BUILD_DIR="$atrapy/budowa" \
              bash "$atrapy/scripts/zenta.sh" uruchom 2>&1)
    kod=$?
    [ $kod -eq 1 ] || zle "bez sudo: kod $kod zamiast 1"
    grep -q "^Brakuje pakietów: cmake " <<< "$wyjscie" || zle "bez sudo: nie mówi, czego brakuje: $wyjscie"
    grep -q "su -c 'apt-get update && apt-get install -y cmake" <<< "$wyjscie" || zle "bez sudo: nie mówi jak: $wyjscie"
fi

wyjscie=$(jako_uzytkownik PATH="$atrapy/z_sudo:/usr/bin:/bin" ZENTA_BUILD_DIR="$atrapy/budowa" \
          bash "$atrapy/scripts/zenta.sh" uruchom 2>&1)
kod=$?
[ $kod -eq 1 ] || zle "z sudo: kod $kod zamiast 1"
grep -q "^env DEBIAN_FRONTEND=noninteractive apt-get update$" "$atrapy/sudo.log" ||
    zle "z sudo: apt bez DEBIAN_FRONTEND: $(cat "$atrapy/sudo.log")"
[ "$(grep -c '^==> ' <<< "$wyjscie")" -eq 1 ] || zle "z sudo: więcej niż jeden wiersz na krok: $wyjscie"

[ $bledy -eq 0 ] && echo "Skrypt w porządku." && exit 0
exit 1
