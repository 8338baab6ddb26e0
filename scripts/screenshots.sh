#!/bin/sh
# Makes the screenshots of docs/screenshots/ again: the two files of
# scripts/make-screenshot-inputs.py exported to HTML by qrvex-export and shown
# by headless Chromium, beside LibreOffice's rendering of the same files (its
# PDF's first page through pdftoppm).  A local tool, not part of CI; it needs
# chromium, soffice, pdftoppm and Pillow (python3-pil).
# Usage: scripts/screenshots.sh [BUILD_DIR]   (default: build/release)
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${1:-$ROOT/build/release}
TOOL=$BUILD/bin/qrvex-export
OUT=$ROOT/docs/screenshots
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

[ -x "$TOOL" ] || { echo "no $TOOL: build first (cmake --build --preset release)" >&2; exit 1; }
for needed in chromium soffice pdftoppm; do
    command -v "$needed" >/dev/null || { echo "$needed is not installed" >&2; exit 1; }
done

# Pillow comes from Debian (python3-pil): the system's Python where the first has none
PY=python3
$PY -c 'import PIL' 2>/dev/null || PY=/usr/bin/python3
$PY -c 'import PIL' 2>/dev/null || { echo "Pillow is not installed (python3-pil)" >&2; exit 1; }

$PY "$ROOT/scripts/make-screenshot-inputs.py" "$WORK"
mkdir -p "$OUT"

# shoot NAME INPUT: NAME-ours.png and NAME-libreoffice.png from INPUT
shoot() {
    name=$1 input=$WORK/$2 stem=$WORK/${2%.*}
    "$TOOL" "$input" -o "$stem.html"
    chromium --headless --no-sandbox --disable-gpu --hide-scrollbars --window-size=1200,900 \
        --screenshot="$WORK/$name-ours.png" "file://$stem.html" 2>/dev/null
    # a profile of its own, so that a LibreOffice the user has open is left alone
    soffice -env:UserInstallation="file://$WORK/lo-profile" --headless --convert-to pdf \
        --outdir "$WORK" "$input" >/dev/null 2>&1
    pdftoppm -png -r 80 -f 1 -l 1 -singlefile "$stem.pdf" "$WORK/$name-libreoffice"
    for who in ours libreoffice; do
        $PY "$ROOT/scripts/trim-screenshot.py" "$WORK/$name-$who.png" "$OUT/$name-$who.png"
    done
}

shoot sheet sales.xlsx
shoot document pictures.docx
ls -l "$OUT"
