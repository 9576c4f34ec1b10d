#!/usr/bin/env bash
# What `cmake --install` puts in place, checked where it lands: the files are
# there and valid, and the installed programs run.
#   test_instalacji.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
budowa=$1
zrodla=$2
cel=$(mktemp -d)
trap 'rm -rf "$cel"' EXIT
bledy=0
zle() { echo "BŁĄD: $*"; bledy=$((bledy + 1)); }

instalacja=$(DESTDIR=$cel cmake --install "$budowa" --prefix /usr) || { echo "cmake --install nie powiodło się"; exit 1; }
u=$cel/usr
# Staged, so it says what the desktop needs run where the files land.
grep -q "update-mime-database /usr/share/mime" <<< "$instalacja" || zle "cmake --install nie mówi, co uruchomić"

for plik in bin/zenta bin/zenta-oblicz share/applications/pl.zenta.Zenta.desktop \
            share/metainfo/pl.zenta.Zenta.metainfo.xml share/mime/packages/zenta-m1d.xml \
            share/icons/hicolor/scalable/apps/zenta.svg share/man/man1/zenta.1.gz share/man/man1/zenta-oblicz.1.gz \
            share/bash-completion/completions/zenta-oblicz share/zenta/podrecznik.html \
            share/zenta/podrecznik/pret.svg share/zenta/podrecznik/zrzut_ekranu.png \
            share/doc/zenta/copyright share/doc/zenta/changelog.gz share/doc/zenta/examples/pret_schodkowy.txt; do
    [ -s "$u/$plik" ] || zle "brak $plik"
done
for rozmiar in 16 22 24 32 48 64 128 256; do
    [ -s "$u/share/icons/hicolor/${rozmiar}x${rozmiar}/apps/zenta.png" ] || zle "brak ikony ${rozmiar}px"
done

desktop-file-validate "$u/share/applications/pl.zenta.Zenta.desktop" || zle "desktop-file-validate"
appstreamcli validate "$u/share/metainfo/pl.zenta.Zenta.metainfo.xml" > /dev/null || zle "appstreamcli validate"
update-mime-database "$u/share/mime" 2> /dev/null
# One glob without the case-sensitive flag: .M1D, .m1d, .M1d and .m1D alike.
grep -qx '50:application/x-zenta-m1d:\*\.m1d' "$u/share/mime/globs2" || zle "typ MIME nie zna *.M1D w każdej wielkości liter"
for strona in zenta zenta-oblicz; do
    ostrzezenia=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$u/share/man/man1/$strona.1.gz" 2>&1 > /dev/null)
    [ -z "$ostrzezenia" ] || zle "man $strona: $ostrzezenia"
done

# Every option of zenta-oblicz is in its man page and its completion.
for opcja in $("$u/bin/zenta-oblicz" --pomoc | grep -oE '^  (-[a-z], )*--[a-z-]+' | grep -oE -- '--[a-z-]+'); do
    grep -q -- "${opcja//-/\\\\-}" <(zcat "$u/share/man/man1/zenta-oblicz.1.gz") || zle "$opcja nie ma w man zenta-oblicz"
    grep -q -- "$opcja" "$u/share/bash-completion/completions/zenta-oblicz" || zle "$opcja nie ma w dopełnianiu"
done

# The installed programs: the version, help without a display, the window
# without one, a pipe both ways.
wersja=$(sed -n 's/.*ZENTA_WERSJA_BUDOWY "\(.*\)"/\1/p' "$budowa/wygenerowane/wersja_budowy.h")
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY "$u/bin/zenta" --wersja)" = "ZENTA $wersja" ] || zle "zenta --wersja"
[ "$("$u/bin/zenta-oblicz" --wersja)" = "zenta-oblicz $wersja" ] || zle "zenta-oblicz --wersja"
env -u DISPLAY -u WAYLAND_DISPLAY "$u/bin/zenta" --pomoc | grep -q '^Menu okna:' || zle "zenta --pomoc"
bez_ekranu=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$u/bin/zenta" 2>&1)
[ $? -eq 3 ] && grep -q 'brak ekranu (nie ustawiono DISPLAY ani WAYLAND_DISPLAY)' <<< "$bez_ekranu" ||
    zle "zenta bez ekranu: $bez_ekranu"
for zle_wywolanie in "a.M1D b.M1D" "--nieznana"; do
    env -u DISPLAY -u WAYLAND_DISPLAY "$u/bin/zenta" $zle_wywolanie 2> /dev/null
    [ $? -eq 2 ] || zle "zenta $zle_wywolanie: kod inny niż 2"
done
"$u/bin/zenta-oblicz" --z-tekstu "$zrodla/examples/pret_schodkowy.txt" -o "$cel/pret.M1D" || zle "zenta-oblicz --z-tekstu"
"$u/bin/zenta-oblicz" --do-tekstu "$cel/pret.M1D" | "$u/bin/zenta-oblicz" --z-tekstu - -o - | cmp -s - "$cel/pret.M1D" \
    || zle "zenta-oblicz przez potoki"
"$u/bin/zenta-oblicz" "$cel/pret.M1D" --rysunek "$cel/pret.jpg" 2> /dev/null
[ $? -eq 2 ] || zle "rysunek .jpg nie został odrzucony"
# The window with a model, on the offscreen platform: still up after two seconds.
QT_QPA_PLATFORM=offscreen timeout 2 "$u/bin/zenta" "$cel/pret.M1D" > /dev/null 2>&1
[ $? -eq 124 ] || zle "zenta PLIK nie działa"

[ $bledy -eq 0 ] && echo "Instalacja w porządku." && exit 0
exit 1
