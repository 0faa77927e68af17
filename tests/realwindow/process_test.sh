#!/usr/bin/env bash
# How the desktop may start the game: with its standard streams closed it still shows the menu and
# ends with 0 (a diagnostic line goes nowhere, not into the display connection); with too little
# memory it says so in one line and exits with 1, never an abort; with the pattern font missing,
# empty, a folder or a FIFO it says so in one line and plays on (a FIFO must not hang it).
set -uo pipefail
game=$1
source "$(dirname "$0")/harness.sh"
trap rw_stop_all EXIT
command -v Xvfb >/dev/null && command -v xdotool >/dev/null || { echo "SKIP: no Xvfb"; exit 77; }
game=$(realpath "$game")

rw_start_display 1024 768
# An empty font configuration makes the game print a line at once.
printf '<?xml version="1.0"?>\n<fontconfig></fontconfig>\n' >"$RW_DIR/empty-fonts.conf"
for closed in "2>&-" "0<&- 1>&- 2>&-"; do
    FONTCONFIG_FILE="$RW_DIR/empty-fonts.conf" rw_launch bash -c "exec \"\$0\" $closed" "$game"
    sleep 0.5
    rw_close
    status=$?
    [ "$status" -eq 0 ] || rw_fail "started with $closed: exit status $status"
    echo "started with $closed: menu shown, closed with 0"
done

# Too little memory at start (the lowest limit still lets the loader map the libraries), and in
# play when a 4K display asks for a frame and pictures eight times as large. The sanitizers
# reserve far more address space than any limit here allows. Libraries may print their own
# complaints first (fontconfig does, when it cannot read its configuration); of the game's own
# lines there are at most two, the last saying that memory ran out.
out_of_memory() {
    [ "$1" -eq 1 ] && [ "$(grep -c '^tevra: ' "$RW_DIR/app.log")" -le 2 ] &&
        tail -1 "$RW_DIR/app.log" | grep -q 'not enough memory'
}
if ldd "$game" | grep -q 'libasan\|libtsan'; then
    echo "memory limits: skipped under the sanitizers"
else
    # Fontconfig short of memory finds font folders unreadable and, run as root, would write that
    # into the system's own cache, leaving every later program without those fonts. The limited
    # runs write their caches into a folder of their own, read before the system's.
    mkdir -p "$RW_DIR/fontconfig-cache"
    printf '<?xml version="1.0"?>\n<fontconfig>\n<cachedir>%s</cachedir>\n<include>%s</include>\n</fontconfig>\n' \
        "$RW_DIR/fontconfig-cache" /etc/fonts/fonts.conf >"$RW_DIR/private-cache.conf"
    export FONTCONFIG_FILE=$RW_DIR/private-cache.conf
    rw_stop_display
    for limit in 28000 36000; do
        rw_start_display 1024 768
        (ulimit -v "$limit" && exec timeout -s TERM 10 "$game") >"$RW_DIR/app.log" 2>&1
        status=$?
        out_of_memory "$status" || rw_fail "ulimit -v $limit: exit $status: $(cat "$RW_DIR/app.log")"
        echo "ulimit -v $limit at start: exit $status, $(tail -1 "$RW_DIR/app.log")"
        rw_stop_display
    done
    rw_start_display 3840 2160
    rw_set_display_size 1024 768
    rw_stage_setup 1024 768
    rw_launch bash -c 'ulimit -v 60000 && exec "$0"' "$game"
    rw_click $(rw_stage_xy 605 175)  # START
    rw_set_display_size 3840 2160
    rw_wait_exit 10
    status=$?
    out_of_memory "$status" || rw_fail "out of memory in play: exit $status: $(cat "$RW_DIR/app.log")"
    echo "ulimit -v 60000, the display grown to 3840x2160 in play: exit $status, $(tail -1 "$RW_DIR/app.log")"
    rw_stop_display
    unset FONTCONFIG_FILE
    rw_start_display 1024 768
fi

# The pattern font replaced. The game runs from a folder of its own, where the installed font
# folder beside the executable does not exist either.
mkdir -p "$RW_DIR/bin"
cp "$game" "$RW_DIR/bin/tevra"
for kind in missing empty folder fifo; do
    play="$RW_DIR/play-$kind"
    mkdir -p "$play/int"
    case "$kind" in
        empty) : >"$play/int/Model.TTF" ;;
        folder) mkdir "$play/int/Model.TTF" ;;
        fifo) mkfifo "$play/int/Model.TTF" ;;
    esac
    cd "$play" || rw_fail "no folder $play"
    rw_launch "$RW_DIR/bin/tevra"
    rw_close
    status=$?
    cd - >/dev/null || true
    [ "$status" -eq 0 ] || rw_fail "pattern font $kind: exit status $status"
    [ "$(wc -l <"$RW_DIR/app.log")" -eq 1 ] && grep -q 'pattern font' "$RW_DIR/app.log" ||
        rw_fail "pattern font $kind: it printed: $(cat "$RW_DIR/app.log")"
    echo "pattern font $kind: $(cat "$RW_DIR/app.log")"
done
echo "PASS"
