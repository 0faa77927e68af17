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

# render GROUP OUT_DIR WIDTH HEIGHT KIND [SUFFIX]: every SVG of assets/art/GROUP into OUT_DIR.
# KIND is bmp, jpg (a background: colour at half resolution) or jpg444 (small pictures with thin
# outlines: colour at full resolution, a little higher quality).
render() {
    local group=$1 out=$2 w=$3 h=$4 kind=$5 suffix=${6:-} svg name png
    mkdir -p "$out"
    rm -f "$out"/*."${kind%444}"
    for svg in "$ART/$group"/*.svg; do
        name=$(basename "$svg" .svg)
        png="$WORK/$group-$name.png"
        "$RSVG" --width "$w" --height "$h" --format png --output "$png" "$svg"
        local flat=("$CONVERT" "$png" -background white -alpha remove -alpha off -strip)
        case $kind in
            bmp) "${flat[@]}" -type TrueColor "BMP3:$out/$name$suffix.bmp" ;;
            jpg) "${flat[@]}" -colorspace sRGB -interlace none -sampling-factor 2x2 -quality 90 \
                     "$out/$name$suffix.jpg" ;;
            jpg444) "${flat[@]}" -colorspace sRGB -interlace none -sampling-factor 1x1 -quality 92 \
                        "$out/$name$suffix.jpg" ;;
        esac
    done
}

# The sizes of scale 1, then renders at twice the size from the same sources, from which the
# game decodes any larger or smaller scale straight to its size.
render tiles "$ROOT/assets/tiles" 40 40 bmp
render pictures "$ROOT/assets/pictures" 200 200 bmp
render backgrounds "$ROOT/assets/backgrounds" 800 600 jpg
render tiles "$ROOT/assets/tiles/2x" 80 80 jpg444 -2x
render pictures "$ROOT/assets/pictures/2x" 400 400 jpg444 -2x
render backgrounds "$ROOT/assets/backgrounds/2x" 1600 1200 jpg -2x

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
for f in "$ROOT"/assets/*/2x/*.jpg; do
    file "$f" | grep -q 'baseline.*\(1600x1200\|80x80\|400x400\)' ||
        { echo "not a baseline JPEG at twice the size: $f" >&2; status=1; }
done
echo "tiles: $(ls "$ROOT"/assets/tiles/*.bmp | wc -l), pictures: $(ls "$ROOT"/assets/pictures/*.bmp | wc -l)," \
     "backgrounds: $(ls "$ROOT"/assets/backgrounds/*.jpg | wc -l), icons: $(ls "$ICONS"/*.png | wc -l)"
exit $status
