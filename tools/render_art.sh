#!/usr/bin/env bash
# Rebuilds all of the game's pictures (tiles, reward pictures, backgrounds, the desktop icon) from
# the vector sources.
#
# The SVG sources in assets/art/ are written by tools/art/make_art.py from one shared palette and
# shared drawings; this script regenerates them, then renders them with rsvg-convert and converts
# them with ImageMagick into the formats the game loads: 24-bit uncompressed BMP for the tiles and
# reward pictures, baseline JPEG for the screen backgrounds. Only Debian packages are used.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
ART="$ROOT/assets/art"

# Debian's own tools, by full path, so that nothing earlier on PATH changes the output.
PYTHON=/usr/bin/python3
RSVG=/usr/bin/rsvg-convert
CONVERT=/usr/bin/convert

install_missing() {
    local missing=()
    [ -x "$PYTHON" ] || missing+=(python3)
    [ -x "$RSVG" ] || missing+=(librsvg2-bin)
    [ -x "$CONVERT" ] || missing+=(imagemagick)
    command -v fc-list >/dev/null || missing+=(fontconfig)
    [ -f /usr/share/fonts/truetype/lato/Lato-Black.ttf ] || missing+=(fonts-lato)
    [ -f /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf ] || missing+=(fonts-dejavu-core)
    [ -f /usr/share/fonts/truetype/dejavu/DejaVuSansCondensed.ttf ] || missing+=(fonts-dejavu-extra)
    if [ ${#missing[@]} -gt 0 ]; then
        echo "installing: ${missing[*]}"
        apt-get update
        DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
        fc-cache -f >/dev/null
    fi
}

check_fonts() {
    # rsvg-convert silently falls back to another face when one is missing; refuse to render then.
    fc-list ':family=Lato:style=Black' | grep -q . || { echo "Lato Black not found" >&2; exit 1; }
    fc-list ':family=DejaVu Sans' | grep -q . || { echo "DejaVu Sans not found" >&2; exit 1; }
    fc-list ':family=DejaVu Sans Condensed' | grep -q . ||
        { echo "DejaVu Sans Condensed not found" >&2; exit 1; }
}

install_missing
check_fonts

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

PYTHONDONTWRITEBYTECODE=1 "$PYTHON" "$ROOT/tools/art/make_art.py" "$ART"

# render GROUP OUT_DIR WIDTH HEIGHT KIND: every SVG of assets/art/GROUP into OUT_DIR.
render() {
    local group=$1 out=$2 w=$3 h=$4 kind=$5 svg name png
    mkdir -p "$out"
    for svg in "$ART/$group"/*.svg; do
        name=$(basename "$svg" .svg)
        png="$WORK/$group-$name.png"
        "$RSVG" --width "$w" --height "$h" --format png --output "$png" "$svg"
        if [ "$kind" = bmp ]; then
            "$CONVERT" "$png" -background white -alpha remove -alpha off -strip \
                -type TrueColor "BMP3:$out/$name.bmp"
        else
            "$CONVERT" "$png" -background white -alpha remove -alpha off -strip \
                -colorspace sRGB -interlace none -sampling-factor 2x2 -quality 90 "$out/$name.jpg"
        fi
    done
}

render tiles "$ROOT/assets/tiles" 40 40 bmp
render pictures "$ROOT/assets/pictures" 200 200 bmp
render backgrounds "$ROOT/assets/backgrounds" 800 600 jpg

# The desktop icon: its SVG source is installed as it is, beside PNG renders at the usual sizes for
# desktops that take no SVG.
ICONS="$ROOT/packaging/icons"
mkdir -p "$ICONS"
PYTHONDONTWRITEBYTECODE=1 "$PYTHON" "$ROOT/tools/art/icon.py" "$ICONS/org.tevra.Kelas4.svg"
for size in 16 24 32 48 64 128 256; do
    "$RSVG" --width "$size" --height "$size" --format png --output "$WORK/icon.png" \
        "$ICONS/org.tevra.Kelas4.svg"
    "$CONVERT" "$WORK/icon.png" -strip "PNG32:$ICONS/org.tevra.Kelas4-$size.png"
done

# Check what the game relies on: sizes, 24-bit BMPs, baseline JPEGs.
status=0
for f in "$ROOT"/assets/tiles/*.bmp "$ROOT"/assets/pictures/*.bmp; do
    file "$f" | grep -q 'Windows 3.x format, .* x 24,' || { echo "not a 24-bit BMP: $f" >&2; status=1; }
done
for f in "$ROOT"/assets/backgrounds/*.jpg; do
    file "$f" | grep -q 'baseline.*800x600' || { echo "not an 800x600 baseline JPEG: $f" >&2; status=1; }
done
echo "tiles: $(ls "$ROOT"/assets/tiles/*.bmp | wc -l), pictures: $(ls "$ROOT"/assets/pictures/*.bmp | wc -l)," \
     "backgrounds: $(ls "$ROOT"/assets/backgrounds/*.jpg | wc -l), icons: $(ls "$ICONS"/*.png | wc -l)"
exit $status
