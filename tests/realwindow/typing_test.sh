#!/usr/bin/env bash
# The typing screen in a real window: after START and the two 60-second visits before it, a wrong
# answer shows the green hint, the shown sentence typed with xdotool and Enter brings the next
# puzzle, and the score on screen grows by the sentence's length. Pass a folder as the second
# argument to keep the screenshots of the puzzle and of the hint (typing.png, typing-hint.png).
# Takes about 130 seconds, most of it waiting for the typing visit.
set -uo pipefail
game=$1
source "$(dirname "$0")/harness.sh"
trap rw_stop_all EXIT
command -v Xvfb >/dev/null && command -v xdotool >/dev/null || { echo "SKIP: no Xvfb"; exit 77; }

shots=${2:-$RW_DIR}
mkdir -p "$shots"
sentences=("Kulit kalian yang paling tipis ada di kelopak mata"
           "Macan adalah anggota terbesar dalam keluarga kucing")

# Crops a stage rectangle (left top width height) of a screenshot into a file.
crop() { convert "$1" -crop "$(rw_stage_geometry "$2" "$3" "$4" "$5")" +repage "$6"; }
# How many pixels of a stage rectangle are clearly green (the hint's colour).
green_pixels() {
    crop "$1" "$2" "$3" "$4" "$5" "$RW_DIR/green.png"
    convert "$RW_DIR/green.png" -fx "g>0.35 && r<0.25 && b<0.25" -format "%[fx:round(mean*w*h)]" info:
}
# The score as tesseract reads it from the NILAI box, one reading per scaling, separated by
# spaces; empty without tesseract. One reading of these big digits is not always right, so a
# check passes when one of the readings shows the expected number.
read_score() {
    command -v tesseract >/dev/null || return 0
    crop "$1" 579 -2 163 75 "$RW_DIR/score.png"
    local scale
    # The scalings are of the digits at 1:1, whatever scale the game draws at.
    for scale in $((400 / RW_Q)) $((800 / RW_Q)) $((1200 / RW_Q)); do
        convert "$RW_DIR/score.png" -resize "$scale%" -bordercolor white -border 20 \
            "$RW_DIR/score-$scale.png"
        tesseract "$RW_DIR/score-$scale.png" - --psm 7 -c tessedit_char_whitelist=0123456789 \
            2>/dev/null | tr -dc '0-9'
        echo -n " "
    done
}
reads() { [[ " $1 " == *" $2 "* ]]; }
# Which bank sentence the puzzle box shows (0 or 1), from the words left unscrambled; -1 when
# tesseract is missing or reads nothing that tells.
guess_sentence() {
    command -v tesseract >/dev/null || { echo -1; return; }
    crop "$1" 44 95 700 105 "$RW_DIR/puzzle.png"
    local text votes=(0 0) i word
    text=" $(tesseract "$RW_DIR/puzzle.png" - --psm 6 2>/dev/null | tr '\n' ' ') "
    for i in 0 1; do
        for word in ${sentences[$i]}; do
            [ ${#word} -ge 4 ] && [[ "$text" == *" $word "* ]] && votes[$i]=$((votes[i] + 1))
        done
    done
    if [ "${votes[0]}" -gt "${votes[1]}" ]; then echo 0
    elif [ "${votes[1]}" -gt "${votes[0]}" ]; then echo 1
    else echo -1; fi
}
is_typing_screen() {
    local rgb r g b
    rgb=$(rw_pixel "$1" $(rw_stage_xy 20 300))
    IFS=, read -r r g b <<<"$rgb"
    [ "$r" -ge 190 ] && [ "$r" -le 220 ] && [ "$g" -ge 220 ] && [ "$b" -ge 235 ]
}
puzzle_changed() {
    crop "$1" 44 95 700 105 "$RW_DIR/box-before.png"
    crop "$2" 44 95 700 105 "$RW_DIR/box-after.png"
    local diff
    diff=$(compare -metric AE "$RW_DIR/box-before.png" "$RW_DIR/box-after.png" null: 2>&1)
    [ "${diff%%.*}" -gt 200 ]
}
clear_answer() {
    local n
    for n in $(seq "$1"); do timeout 5 xdotool key BackSpace; done
    sleep 0.3
}

rw_start_display 1920 1080
rw_launch "$game"
echo "window shown after $RW_LAUNCH_MS ms"
rw_click $(rw_stage_xy 605 175)  # START

# Box pushing and word guessing last 60 seconds each.
shown="" started=$SECONDS
for i in $(seq 80); do
    sleep 2
    rw_shot "$RW_DIR/now.png"
    if is_typing_screen "$RW_DIR/now.png"; then shown=yes; break; fi
done
[ -n "$shown" ] || rw_fail "the typing screen did not come"
echo "typing screen $((SECONDS - started)) s after START"
sleep 0.5
rw_shot "$RW_DIR/puzzle-shot.png"
cp "$RW_DIR/puzzle-shot.png" "$shots/typing.png"
[ "$(green_pixels "$RW_DIR/puzzle-shot.png" 115 57 560 27)" -eq 0 ] || rw_fail "a hint before any answer"
score0=$(read_score "$RW_DIR/puzzle-shot.png")
echo "score before: '${score0}'"

# A wrong answer shows the hint until the next key.
rw_type "salah"
rw_key Return
rw_shot "$RW_DIR/hint.png"
cp "$RW_DIR/hint.png" "$shots/typing-hint.png"
[ "$(green_pixels "$RW_DIR/hint.png" 115 57 560 27)" -gt 100 ] || rw_fail "no hint after a wrong answer"
clear_answer 5
rw_shot "$RW_DIR/cleared.png"
[ "$(green_pixels "$RW_DIR/cleared.png" 115 57 560 27)" -eq 0 ] || rw_fail "the hint stayed after a key"

# The shown sentence: the one the readable words point to, otherwise one and then the other.
guess=$(guess_sentence "$RW_DIR/puzzle-shot.png")
echo "OCR points to sentence: $guess"
order=(0 1)
[ "$guess" = 1 ] && order=(1 0)
solved=""
for k in "${order[@]}"; do
    sentence=${sentences[$k]}
    rw_type "$sentence"
    rw_key Return
    rw_shot "$RW_DIR/after.png"
    if puzzle_changed "$RW_DIR/cleared.png" "$RW_DIR/after.png"; then solved=$k; break; fi
    echo "not sentence $k; trying the other"
    clear_answer ${#sentence}
    rw_shot "$RW_DIR/cleared.png"
done
[ -n "$solved" ] || rw_fail "neither sentence was accepted"
[ "$(green_pixels "$RW_DIR/after.png" 115 57 560 27)" -eq 0 ] || rw_fail "hint after a correct answer"
echo "sentence $solved accepted"

score1=$(read_score "$RW_DIR/after.png")
echo "score after: '${score1}'"
if command -v tesseract >/dev/null; then
    reads "$score0" 0 || rw_fail "the score before reads '$score0', not 0"
    reads "$score1" "${#sentence}" || rw_fail "the score reads '$score1', not ${#sentence}"
fi

rw_close
status=$?
[ "$status" -eq 0 ] || rw_fail "close command: exit status $status"
echo "PASS"
