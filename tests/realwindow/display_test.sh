#!/usr/bin/env bash
# The game on any display: 800 x 480 and 640 x 480 show the whole stage at 0.75 (START works, the
# board's bottom row, UNDO and RESET are on the screen); a resolution change mid-match, with and
# without a window manager, gives the new display a full window with the stage centred at its new
# scale while the match goes on; on a screen split into two monitors the game fills one of them,
# the primary one. Pass a folder as the second argument to keep the screenshots.
set -uo pipefail
game=$1
source "$(dirname "$0")/harness.sh"
trap rw_stop_all EXIT
command -v Xvfb >/dev/null && command -v xdotool >/dev/null || { echo "SKIP: no Xvfb"; exit 77; }
command -v xrandr >/dev/null && command -v convert >/dev/null || { echo "SKIP: no xrandr"; exit 77; }
out=${2:-$RW_DIR}
mkdir -p "$out"

geometry() { xdotool getwindowgeometry "$RW_WID" | awk '/Position|Geometry/{print $2}' | tr '\n' ' '; }
# Waits up to 5 seconds for the window to take the display's new size, then for the repaint.
await_size() {
    local i
    for i in $(seq 50); do
        [ "$(geometry)" = "0,0 ${1}x${2} " ] && break
        sleep 0.1
    done
    sleep 0.6
}
# A pixel at a stage position, in the given screenshot.
stage_pixel() { rw_pixel "$1" $(rw_stage_xy "$2" "$3"); }
near() {
    local IFS=, a b i
    read -r -a a <<<"$1"
    read -r -a b <<<"$2"
    for i in 0 1 2; do
        [ $((a[i] - b[i])) -le 6 ] && [ $((b[i] - a[i])) -le 6 ] || return 1
    done
}
# The box-pushing screen as it must look on a W x H display: the window covers it, and the faces
# of RESET and UNDO, the board's bottom-right cell and the clock's row are where the stage says.
check_boxpush() {
    local shot=$1 w=$2 h=$3 what=$4 g
    g=$(geometry)
    [ "$g" = "0,0 ${w}x${h} " ] || rw_fail "$what: window geometry is '$g', not 0,0 ${w}x${h}"
    [ "$(stage_pixel "$shot" 330 30)" = "$reset_face" ] || rw_fail "$what: RESET is not on screen"
    [ "$(stage_pixel "$shot" 442 30)" = "$reset_face" ] || rw_fail "$what: UNDO is not on screen"
    [ "$(stage_pixel "$shot" 690 570)" != "0,0,0" ] || rw_fail "$what: the board's last row is off"
    if [ "$RW_OX" -gt 2 ]; then
        [ "$(rw_pixel "$shot" $(($(rw_sx 0) - 2)) $((h / 2)))" = "0,0,0" ] ||
            rw_fail "$what: the stage is not centred (no black left of it)"
    fi
}

# The reference: the box-pushing screen at 1920 x 1080, where the stage has always fitted.
rw_start_display 2560 1440
rw_set_display_size 1920 1080
rw_stage_setup 1920 1080
rw_launch "$game"
rw_click $(rw_stage_xy 605 175)  # START
rw_key Right
rw_shot "$out/boxpush-1920x1080.png"
reset_face=$(stage_pixel "$out/boxpush-1920x1080.png" 330 30)
check_boxpush "$out/boxpush-1920x1080.png" 1920 1080 "1920x1080"

# A smaller display in the middle of the match, then a larger one: no window manager moves the
# window, so the game itself must follow.
for size in 1024x768 2560x1440; do
    rw_set_display_size "${size%x*}" "${size#*x}"
    rw_stage_follow "${size%x*}" "${size#*x}"
    await_size "${size%x*}" "${size#*x}"
    rw_shot "$out/resized-$size.png"
    check_boxpush "$out/resized-$size.png" "${size%x*}" "${size#*x}" "resized to $size"
    echo "resized to $size mid-match: window and stage follow"
done
# The match clock still runs: its label differs a second later.
clock() { timeout 10 convert "$1" -crop "$(rw_stage_geometry 144 3 130 60)" +repage -format '%#' info:; }
sleep 1.1
rw_shot "$RW_DIR/later.png"
[ "$(clock "$out/resized-2560x1440.png")" != "$(clock "$RW_DIR/later.png")" ] ||
    rw_fail "the match clock stopped after the resizes"
rw_close
status=$?
[ "$status" -eq 0 ] || rw_fail "after the resizes the close command gave exit status $status"
[ ! -s "$RW_DIR/app.log" ] || rw_fail "the resizes made the game print: $(cat "$RW_DIR/app.log")"
rw_stop_display

# Small displays: the whole stage at 0.75.
for size in 800x480 640x480; do
    rw_start_display "${size%x*}" "${size#*x}"
    rw_launch "$game"
    rw_shot "$out/menu-$size.png"
    rw_click $(rw_stage_xy 605 175)  # START, at its place on the scaled stage
    rw_move 1 1
    rw_shot "$out/boxpush-$size.png"
    check_boxpush "$out/boxpush-$size.png" "${size%x*}" "${size#*x}" "$size"
    rw_close
    echo "$size: the stage drawn at $RW_Q quarters, every control on the screen"
    rw_stop_display
done

# Under a window manager the game asks for full screen; after a change it still covers the display.
if command -v openbox >/dev/null; then
    rw_start_display 1920 1080
    openbox --sm-disable >"$RW_DIR/openbox.log" 2>&1 &
    wm_pid=$!
    sleep 0.5
    rw_launch "$game"
    rw_click $(rw_stage_xy 605 175)
    rw_set_display_size 1024 768
    rw_stage_follow 1024 768
    await_size 1024 768
    rw_shot "$out/openbox-1024x768.png"
    check_boxpush "$out/openbox-1024x768.png" 1024 768 "with a window manager, resized to 1024x768"
    rw_close
    kill "$wm_pid" 2>/dev/null
    wait "$wm_pid" 2>/dev/null
    echo "with a window manager: the window follows the display"
    rw_stop_display
fi

# One 3840 x 1080 screen split into two monitors, the right one primary: the game fills it.
rw_start_display 3840 1080
timeout 5 xrandr --setmonitor tevra-left 1920/508x1080/286+0+0 screen >/dev/null || rw_fail "no --setmonitor"
timeout 5 xrandr --setmonitor '*tevra-right' 1920/508x1080/286+1920+0 none >/dev/null || rw_fail "no primary"
rw_stage_setup 1920 1080
rw_launch "$game"
g=$(geometry)
[ "$g" = "1920,0 1920x1080 " ] || rw_fail "two monitors: window geometry is '$g', not the right monitor"
rw_shot "$out/two-monitors.png"
face=$(rw_pixel "$out/two-monitors.png" $((1920 + $(rw_sx 598))) $(rw_sy 186))
[ "$face" != "0,0,0" ] || rw_fail "two monitors: START is not centred on the right monitor"
rw_close
echo "two monitors: the window fills the primary one at 1920,0"
echo "PASS"
