#!/usr/bin/env bash
# Writes the HTML report of a model and renders it to PNG in headless Chromium,
# to look at it as a reader would.
#   scripts/raport_png.sh MODEL [OUT.png]        (after scripts/zenta.sh has built build/)
# Needs Debian's chromium (apt-get install chromium).
set -euo pipefail
zrodla=$(cd "$(dirname "$0")/.." && pwd)
model=${1:?podaj plik modelu}
png=${2:-raport.png}
oblicz=${ZENTA_BUILD_DIR:-$zrodla/build}/cli/zenta-oblicz
command -v chromium >/dev/null || { echo "Brak przeglądarki chromium: apt-get install chromium" >&2; exit 1; }

katalog=$(mktemp -d)
trap 'rm -rf "$katalog"' EXIT
"$oblicz" --raport "$katalog/raport.html" "$model"
chromium --headless --no-sandbox --disable-gpu --hide-scrollbars --window-size=1250,7000 \
    --screenshot="$katalog/raport.png" "file://$katalog/raport.html" 2>/dev/null
mv "$katalog/raport.png" "$png"
echo "$png"
