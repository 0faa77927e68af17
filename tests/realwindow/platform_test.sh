#!/usr/bin/env bash
# Faults of the desktop around the game end it cleanly: a 30-bit display is drawn on like a
# 24-bit one, an 8-bit one in fewer colours, and the window destroyed by another program,
# a hang-up (logout) and a termination request all end the game with exit code 0.
set -uo pipefail
game=$1
source "$(dirname "$0")/harness.sh"
trap rw_stop_all EXIT
command -v Xvfb >/dev/null && command -v xdotool >/dev/null || { echo "SKIP: no Xvfb"; exit 77; }

# A pixel of the START button's face on the menu (stage 598, 186).
start_face() { rw_pixel "$1" $(rw_stage_xy 598 186); }
# True when two "r,g,b" colours differ by at most 2 in each channel (10-bit channels read back
# as 8-bit ones round differently).
near() {
    local IFS=, a b
    read -r -a a <<<"$1"
    read -r -a b <<<"$2"
    local i
    for i in 0 1 2; do
        [ $((a[i] - b[i])) -le 2 ] && [ $((b[i] - a[i])) -le 2 ] || return 1
    done
}
# Waits up to 5 seconds for the menu to be drawn; prints the START face's colour.
menu_face() {
    local i face=""
    for i in $(seq 20); do
        rw_shot "$RW_DIR/menu.png"
        face=$(start_face "$RW_DIR/menu.png")
        [ "$face" != "0,0,0" ] && break
        sleep 0.25
    done
    echo "$face"
}

rw_start_display 1024 768 24
rw_launch "$game"
expected=$(menu_face)
rw_stop_display

# 30 bits a colour: SDL has no surface layout for it, the game draws all the same.
rw_start_display 1024 768 30
# The OpenGL driver leaks from a library it unloads before the leak check, so that the check
# cannot name it; the game's own memory is checked in the other runs.
ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0 rw_launch "$game"
face=$(menu_face)
near "$face" "$expected" || rw_fail "30-bit display: START face is $face, not $expected"
# Drawing through OpenGL, SDL makes the window anew once.
RW_WID=$(timeout 5 xdotool search --onlyvisible --pid "$RW_APP_PID" | tail -1)
rw_close
status=$?
[ "$status" -eq 0 ] || rw_fail "30-bit display: close command gave exit status $status"
echo "30-bit display: menu drawn as on 24 bits, closed with 0"
rw_stop_display

# 8 bits a colour: drawn through a shared colour cube, so START's face is still plainly green.
rw_start_display 1024 768 8
rw_launch "$game"
face=$(menu_face)
IFS=, read -r red green blue <<<"$face"
[ "$green" -gt $((red + 40)) ] && [ "$green" -gt $((blue + 40)) ] ||
    rw_fail "8-bit display: START face is $face, not green"
rw_close
status=$?
[ "$status" -eq 0 ] || rw_fail "8-bit display: close command gave exit status $status"
echo "8-bit display: START face $face, closed with 0"
rw_stop_display

rw_start_display 1024 768 24
# The window destroyed from outside while the box-pushing screen repaints its clock.
rw_launch "$game"
rw_click $(rw_stage_xy 603 174)  # START
sleep 1.2
timeout 5 xdotool windowclose "$RW_WID" || rw_fail "xdotool could not destroy the window"
rw_wait_exit 5
status=$?
[ "$status" -eq 0 ] || rw_fail "window destroyed from outside: exit status $status"
[ ! -s "$RW_DIR/app.log" ] || rw_fail "window destroyed from outside: the game printed something"
echo "window destroyed from outside: exit 0"

for signal in HUP TERM; do
    rw_launch "$game"
    kill -"$signal" "$RW_APP_PID"
    rw_wait_exit 5
    status=$?
    [ "$status" -eq 0 ] || rw_fail "SIG$signal: exit status $status"
    echo "SIG$signal: exit 0"
done
echo "PASS"
