#!/usr/bin/env bash
# Saves into docs/screenshots/ the box-pushing screen just after START at 1366 x 768, 1920 x 1080
# and 3840 x 2160 (scaled-WxH.png: the picture drawn at 1.25, 1.75 and 3.5), then plays the real
# game under Xvfb at 1920 x 1080 and saves the menu, the menu with the pointer over START, the
# box-pushing screen mid-level and the final screen; also prints the time to the first frame and
# the menu's idle CPU over 20 s; then runs the word-guessing and typing checks of
# tests/realwindow, which keep their screenshots here. Takes about nine minutes (the matches run in
# real time); with --scaled only the first three, in about 15 seconds.
set -uo pipefail
scaled_only=""
[ "${1:-}" = --scaled ] && scaled_only=yes && shift
root=$(cd "$(dirname "$0")/.." && pwd)
game=${1:-$root/build/app/tevra}
out=$root/docs/screenshots
mkdir -p "$out"
source "$root/tests/realwindow/harness.sh"
trap rw_stop_all EXIT
cd "$root"

for size in 1366x768 1920x1080 3840x2160; do
    rw_start_display "${size%x*}" "${size#*x}"
    rw_launch "$game"
    echo "$size: scale $RW_Q/4, window shown after $RW_LAUNCH_MS ms"
    rw_click $(rw_stage_xy 605 175)  # START
    sleep 0.5
    # A 3840 x 2160 capture can take longer than the harness's usual ten seconds on a busy machine.
    timeout 60 import -window root "$out/scaled-$size.png" || rw_fail "$size: no screenshot"
    rw_close || rw_fail "$size: the game did not end on the close command"
    rw_stop_display
done
[ -n "$scaled_only" ] && exit 0

rw_start_display 1920 1080
rw_launch "$game"
echo "first frame after $RW_LAUNCH_MS ms"
ticks() { awk '{print $14 + $15}' "/proc/$RW_APP_PID/stat"; }
before=$(ticks)
sleep 20
after=$(ticks)
hz=$(getconf CLK_TCK)
echo "menu idle CPU over 20 s: $(( (after - before) * 1000 / hz )) ms of CPU time"
rw_shot "$out/menu.png"
# START is at stage (480, 150), 250 x 50.
rw_move $(rw_stage_xy 605 175)
rw_shot "$out/menu-hover.png"
rw_click $(rw_stage_xy 605 175)
sleep 0.5
# Cell (8, 2) is wall only in the second map; the key sequences put a box on a target and the
# figure in a basket.
rw_shot "$RW_DIR/board.png"
pixel=$(timeout 10 convert "$RW_DIR/board.png" -crop "$(rw_stage_geometry 420 180 40 40)" +repage -resize 1x1\! \
    -format "%[fx:int(255*p{0,0}.r)],%[fx:int(255*p{0,0}.g)]" info:)
red=${pixel%%,*}
green=$(echo "$pixel" | cut -d, -f2)
if [ "$((red - green))" -gt 50 ]; then keys="Right Down Down Left"
else keys="Left Down Down Right Up Up Up Right Up"; fi
for k in $keys; do rw_key "$k"; done
rw_shot "$out/boxpush.png"
echo "waiting for the end of the match"
sleep 296
rw_shot "$out/final.png"
rw_close
echo "exit status $?"
rw_stop_all
trap - EXIT
bash "$root/tests/realwindow/wordguess_test.sh" "$game" "$out" || echo "the word-guessing check failed"
bash "$root/tests/realwindow/typing_test.sh" "$game" "$out" || echo "the typing check failed"
