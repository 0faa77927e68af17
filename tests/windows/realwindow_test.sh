#!/usr/bin/env bash
# The Windows game in a real window, under Wine in Xvfb:
#  - its menu equal pixel for pixel to the Linux game's at 800x600, 1024x768, 1366x768 and
#    1920x1080, and the time from start to the window;
#  - at 1024x768, started from an empty folder (the .exe alone, as from a USB stick): START, keys
#    in each of the three games (waiting out the two 60-second visits before the typing game), and
#    Alt+F4 ending it with exit code 0;
#  - a failed start shown in a message box as well as on stderr, with exit code 1.
# Usage: realwindow_test.sh TEVRA.EXE LINUX_GAME. The screenshots stay in $TEVRA_WINE_SHOTS
# (default: wine-shots beside the .exe). Wine's prefix: $TEVRA_WINEPREFIX (scripts/lib/windows.sh
# makes it). One prefix serves one display at a time, so the displays here come one after another
# and Wine's server is waited out in between.
set -uo pipefail
exe=$(realpath "$1")
linux_game=$(realpath "$2")
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/tests/realwindow/harness.sh"
wine_run=$root/scripts/lib/wine-run
shots=${TEVRA_WINE_SHOTS:-$(dirname "$exe")/wine-shots}
mkdir -p "$shots"
: "${TEVRA_WINEPREFIX:?the Wine prefix to use}"
export TEVRA_WINEPREFIX

wine_stop() {
    WINEPREFIX=$TEVRA_WINEPREFIX timeout 20 wineserver -k 2>/dev/null
    WINEPREFIX=$TEVRA_WINEPREFIX timeout 20 wineserver -w 2>/dev/null
}
trap 'rw_stop_all; wine_stop' EXIT
command -v Xvfb >/dev/null && command -v xdotool >/dev/null && command -v wine >/dev/null ||
    { echo "SKIP: no Xvfb or Wine"; exit 77; }

# Starts the Windows game from the folder given and waits up to 60 s for its window.
wine_launch() {
    RW_WINDOW_NAME='^Tevra Kelas 4$' RW_LAUNCH_SECONDS=60 rw_launch env -C "$1" "$wine_run" "$exe"
}

# Waits up to 15 s for a screenshot that is drawn (not all black) and stops changing: the first
# frames are still coming.
settled_shot() {
    local i next=${1%.png}.next.png
    rw_shot "$1"
    for i in $(seq 30); do
        sleep 0.5
        rw_shot "$next"
        if [ "$(compare -metric AE "$1" "$next" null: 2>&1)" = 0 ] &&
            [ "$(convert "$1" -format '%[fx:maxima]' info:)" != 0 ]; then
            rm -f "$next"
            return 0
        fi
        mv "$next" "$1"
    done
    rw_fail "the screen did not settle ($1)"
}

# How many pixels differ between two screenshots, in a stage rectangle (left top width height).
changed() {
    local geometry
    geometry=$(rw_stage_geometry "$3" "$4" "$5" "$6")
    convert "$1" -crop "$geometry" +repage "$RW_DIR/before.png"
    convert "$2" -crop "$geometry" +repage "$RW_DIR/after.png"
    compare -metric AE "$RW_DIR/before.png" "$RW_DIR/after.png" null: 2>&1
}

# Shoots the screen as NAME.png, sends input (the command from the sixth argument on), shoots it
# as NAME-keys.png and fails unless the stage rectangle (left top width height) changed.
input_changes() {
    local name=$1
    sleep 1.5  # the screen has come up; its clock runs, so there is no settling
    rw_shot "$shots/$name.png"
    "${@:6}"
    rw_shot "$shots/$name-keys.png"
    [ "$(changed "$shots/$name.png" "$shots/$name-keys.png" "$2" "$3" "$4" "$5")" -gt 0 ] ||
        rw_fail "$name: '${*:6}' changed nothing on the screen"
}

alt_f4() {
    rw_key alt+F4
    rw_wait_exit 20
}

for size in ${TEVRA_WINE_SIZES:-800x600 1024x768 1366x768 1920x1080}; do
    rw_start_display "${size%x*}" "${size#*x}"
    rw_launch "$linux_game"
    settled_shot "$shots/menu-$size-linux.png"
    rw_close || rw_fail "the Linux game did not close"
    wine_launch "$root"
    echo "$size: Windows window shown $RW_LAUNCH_MS ms after start"
    settled_shot "$shots/menu-$size-wine.png"
    differing=$(compare -metric AE "$shots/menu-$size-linux.png" "$shots/menu-$size-wine.png" \
        "$shots/menu-$size-diff.png" 2>&1)
    [ "$differing" = 0 ] || rw_fail "$size: the menus differ in $differing pixels ($shots/menu-$size-diff.png)"
    echo "$size: menu equal to the Linux game's, pixel for pixel"
    alt_f4
    status=$?
    [ "$status" -eq 0 ] || rw_fail "$size: Alt+F4 gave exit status $status"
    rw_stop_display
    wine_stop
done

# A whole round from an empty folder: the .exe brings its faces and pictures along.
empty=$(mktemp -d)
rw_start_display 1024 768
wine_launch "$empty"
settled_shot "$shots/round-menu.png"
rw_click $(rw_stage_xy 605 175)  # START
started=$SECONDS
input_changes boxpush 30 60 500 420 rw_key Left Left Up  # the board: the figure moved
[ "$(changed "$shots/round-menu.png" "$shots/boxpush.png" 0 0 800 600)" -gt 10000 ] ||
    rw_fail "START did not show the box-pushing screen"
echo "box pushing: the arrow keys move the figure"

sleep $((63 - (SECONDS - started)))
input_changes wordguess 40 470 740 100 rw_key a e i  # the letter rows: guessed letters
echo "word guessing: the letter keys guess"

sleep $((126 - (SECONDS - started)))
input_changes typing 0 200 800 400 rw_type "Kulit"  # the answer box
echo "typing: the typed text shows"

alt_f4
status=$?
[ "$status" -eq 0 ] || rw_fail "after a round, Alt+F4 gave exit status $status"
echo "Alt+F4: exit status 0"

# A start-up failure (here SDL's dummy video driver, which has no display) is told on stderr and
# in a message box, which Return closes; the exit code is 1.
RW_WINDOW_NAME='^Tevra Kelas 4$' RW_LAUNCH_SECONDS=60 \
    rw_launch env -C "$empty" SDL_VIDEODRIVER=dummy "$wine_run" "$exe"
settled_shot "$shots/start-failure.png"
rw_key Return
rw_wait_exit 20
status=$?
[ "$status" -eq 1 ] || rw_fail "a failed start gave exit status $status, not 1"
grep -q '^tevra: cannot open the Windows desktop' "$RW_DIR/app.log" ||
    rw_fail "a failed start printed: $(cat "$RW_DIR/app.log")"
echo "failed start: $(grep '^tevra:' "$RW_DIR/app.log"), in a message box too; exit status 1"
rmdir "$empty"
echo "screenshots in $shots"
echo "PASS"
