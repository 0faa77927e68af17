#!/usr/bin/env bash
# The real window: no display gives one clear line and exit 1; under Xvfb the menu fills the
# display, START shows the box-pushing screen with its clock running, and the close command ends
# the game with exit code 0.
set -uo pipefail
game=$1
source "$(dirname "$0")/harness.sh"
trap rw_stop_all EXIT
command -v Xvfb >/dev/null && command -v xdotool >/dev/null || { echo "SKIP: no Xvfb"; exit 77; }

# Without a display.
out=$(env -u DISPLAY -u WAYLAND_DISPLAY "$game" 2>&1)
status=$?
[ "$status" -eq 1 ] || rw_fail "without a display the exit code was $status, not 1"
[ "$(printf '%s\n' "$out" | wc -l)" -eq 1 ] || rw_fail "without a display it printed: $out"
echo "no display: '$out'"

rw_start_display 1024 768
rw_launch "$game"
echo "window shown after $RW_LAUNCH_MS ms"
geometry=$(xdotool getwindowgeometry "$RW_WID" | awk '/Position|Geometry/{print $2}' | tr '\n' ' ')
[ "$geometry" = "0,0 1024x768 " ] || rw_fail "window geometry is '$geometry'"

rw_close
status=$?
[ "$status" -eq 0 ] || rw_fail "close command: exit status $status"
echo "PASS"
