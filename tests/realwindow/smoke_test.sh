#!/usr/bin/env bash
# The real window: no display, or one that is not there, gives one clear line and exit 1; under
# Xvfb the menu fills the display, START shows the box-pushing screen with its clock running, and
# the close command ends the game with exit code 0; an empty font configuration still shows the
# menu title.
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

# A display that names no server: the one line says which display failed.
out=$(env -u WAYLAND_DISPLAY DISPLAY=:4999 "$game" 2>&1)
status=$?
[ "$status" -eq 1 ] || rw_fail "with a missing display the exit code was $status, not 1"
[ "$(printf '%s\n' "$out" | wc -l)" -eq 1 ] || rw_fail "with a missing display it printed: $out"
printf '%s\n' "$out" | grep -q 'DISPLAY=:4999' || rw_fail "the message does not name the display: $out"
echo "missing display: '$out'"

rw_start_display 1024 768
rw_launch "$game"
echo "window shown after $RW_LAUNCH_MS ms"
geometry=$(xdotool getwindowgeometry "$RW_WID" | awk '/Position|Geometry/{print $2}' | tr '\n' ' ')
[ "$geometry" = "0,0 1024x768 " ] || rw_fail "window geometry is '$geometry'"

rw_close
status=$?
[ "$status" -eq 0 ] || rw_fail "close command: exit status $status"

# A font configuration that offers no face: one line says so, and the menu title is still drawn
# (in the packaged face) in its white box at stage (40, 392).
printf '<?xml version="1.0"?>\n<fontconfig></fontconfig>\n' >"$RW_DIR/empty-fonts.conf"
FONTCONFIG_FILE="$RW_DIR/empty-fonts.conf" rw_launch "$game"
sleep 0.5
rw_shot "$RW_DIR/no-fonts.png"
rw_close
[ "$(wc -l <"$RW_DIR/app.log")" -eq 1 ] && grep -q 'offers no usable face' "$RW_DIR/app.log" ||
    rw_fail "with no font faces it printed: $(cat "$RW_DIR/app.log")"
darkest=$(timeout 10 convert "$RW_DIR/no-fonts.png" -crop 300x45+152+478 +repage -colorspace Gray \
    -format '%[fx:int(255*minima)]' info:)
[ "$darkest" -lt 80 ] || rw_fail "with no font faces the menu title is not drawn (darkest $darkest)"
echo "no font faces: $(cat "$RW_DIR/app.log")"
echo "PASS"
