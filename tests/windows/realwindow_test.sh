#!/usr/bin/env bash
# The Windows game in a real window, under Wine in Xvfb:
#  - its menu equal pixel for pixel to the Linux game's at 800x600, 1024x768, 1366x768 and
#    1920x1080, and the time from start to the window;
#  - at 1024x768, started from an empty folder (the .exe alone, as from a USB stick): START, keys
#    in each of the three games (waiting out the two 60-second visits before the typing game), and
#    Alt+F4 ending it with exit code 0.
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

# Starts the Windows game from the folder given and waits up to 60 s for its window (found by
# title: the process Wine shows the window for is not the one started here). RW_LAUNCH_MS says
# how long it took.
wine_launch() {
    local folder=$1 start end i
    start=$(date +%s%N)
    (cd "$folder" && exec "$wine_run" "$exe") >"$RW_DIR/app.log" 2>&1 &
    RW_APP_PID=$! RW_WID=""
    for i in $(seq 600); do
        kill -0 "$RW_APP_PID" 2>/dev/null || rw_fail "the Windows game exited before showing a window"
        RW_WID=$(timeout 5 xdotool search --onlyvisible --name '^Tevra Kelas 4$' 2>/dev/null | tail -1)
        [ -n "$RW_WID" ] && break
        sleep 0.1
    done
    [ -n "$RW_WID" ] || rw_fail "no window of the Windows game appeared"
    end=$(date +%s%N)
    # No window manager: keys reach the window only once it has the focus.
    timeout 5 xdotool windowfocus "$RW_WID" 2>/dev/null
    RW_LAUNCH_MS=$(((end - start) / 1000000))
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
sleep 1.5; rw_shot "$shots/boxpush.png"  # the clock runs: no settling
[ "$(changed "$shots/round-menu.png" "$shots/boxpush.png" 0 0 800 600)" -gt 10000 ] ||
    rw_fail "START did not show the box-pushing screen"
rw_key Left Left Up
rw_shot "$shots/boxpush-keys.png"
# The board: the figure moved.
[ "$(changed "$shots/boxpush.png" "$shots/boxpush-keys.png" 30 60 500 420)" -gt 0 ] ||
    rw_fail "the arrow keys changed nothing on the board"
echo "box pushing: the arrow keys move the figure"

sleep $((63 - (SECONDS - started)))
sleep 1.5; rw_shot "$shots/wordguess.png"  # the clock runs: no settling
rw_key a e i
rw_shot "$shots/wordguess-keys.png"
# The letter rows: guessed letters change their labels.
[ "$(changed "$shots/wordguess.png" "$shots/wordguess-keys.png" 40 470 740 100)" -gt 0 ] ||
    rw_fail "letter keys changed nothing in the word game"
echo "word guessing: the letter keys guess"

sleep $((126 - (SECONDS - started)))
sleep 1.5; rw_shot "$shots/typing.png"  # the clock runs: no settling
rw_type "Kulit"
rw_shot "$shots/typing-keys.png"
[ "$(changed "$shots/typing.png" "$shots/typing-keys.png" 0 200 800 400)" -gt 0 ] ||
    rw_fail "typing changed nothing in the typing game"
echo "typing: the typed text shows"

alt_f4
status=$?
[ "$status" -eq 0 ] || rw_fail "after a round, Alt+F4 gave exit status $status"
rmdir "$empty"
echo "Alt+F4: exit status 0; screenshots in $shots"
echo "PASS"
