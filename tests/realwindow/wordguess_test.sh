#!/usr/bin/env bash
# The word-guessing screen in the real window: after START and the box-pushing minute, letters
# typed with the keyboard show two red marks for two wrong letters, and a finished question shows
# the next-question button. Pass a folder as the second argument to keep the two screenshots
# (wordguess.png, wordguess-finished.png); takes about 75 s.
set -uo pipefail
game=$1
source "$(dirname "$0")/harness.sh"
trap rw_stop_all EXIT
command -v Xvfb >/dev/null && command -v xdotool >/dev/null || { echo "SKIP: no Xvfb"; exit 77; }
command -v convert >/dev/null || { echo "SKIP: no ImageMagick"; exit 77; }
out=${2:-$RW_DIR}
mkdir -p "$out"

# Pixels of a stage rectangle (left top width height) that are close to pure red (white ground,
# such as a box of the background, is blackened first so that it does not count).
red_pixels() {
    timeout 10 convert "$1" -crop "$(rw_stage_geometry "$2" "$3" "$4" "$5")" +repage -fuzz 12% \
        -fill black -opaque white -fill white -opaque red -fill black +opaque white \
        -format "%[fx:int(mean*w*h+0.5)]" info:
}

rw_start_display 1920 1080
rw_launch "$game"
# START sits at stage (480, 150), 250 x 50.
rw_click $(rw_stage_xy 605 175)
sleep 61

# N and T are in all five answers, Q and Z in none: half a word and two wrong marks.
for letter in n t q z; do rw_key "$letter"; done
rw_move 1900 1060
rw_shot "$out/wordguess.png"
# The marks salah1 to salah3 sit at stage (400, 140), (450, 140), (500, 140).
first=$(red_pixels "$out/wordguess.png" 400 145 45 70)
second=$(red_pixels "$out/wordguess.png" 450 145 45 70)
third=$(red_pixels "$out/wordguess.png" 500 145 45 70)
echo "red pixels under the marks: $first $second $third"
[ "$first" -gt 100 ] && [ "$second" -gt 100 ] || rw_fail "the two wrong marks are not red on screen"
[ "$third" -lt 10 ] || rw_fail "a third mark shows after two wrong letters"

# This order solves each of the five answers with at most six wrong letters; letters typed
# after the word is complete are ignored.
for letter in a g e l i j u p s w r b k o v m; do rw_key "$letter"; done
rw_shot "$out/wordguess-finished.png"
# The button (stage 24, 8, 241 x 31) has a grey face; the ground there is pale yellow.
button=$(rw_pixel "$out/wordguess-finished.png" $(rw_stage_xy 32 30))
echo "button face: $button"
[ "$button" = "68,68,68" ] || rw_fail "no next-question button after the word was solved"

rw_close
status=$?
[ "$status" -eq 0 ] || rw_fail "close command: exit status $status"
echo "PASS"
