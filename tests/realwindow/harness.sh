# Functions for the real-window checks: a private Xvfb display, the game in it, keys, clicks,
# screenshots, pixel reads and the window system's close command. Every wait is bounded.

RW_DIR=$(mktemp -d /tmp/tevra-realwindow.XXXXXX)
RW_XVFB_PID="" RW_APP_PID="" RW_WID=""

rw_fail() {
    echo "FAIL: $*" >&2
    [ -f "$RW_DIR/app.log" ] && sed 's/^/  app: /' "$RW_DIR/app.log" >&2
    exit 1
}

# Starts Xvfb (colour depth 24 unless a third argument says otherwise) on the first free display
# number from RW_DISPLAY_FROM (90) on and exports DISPLAY.
rw_start_display() {
    local w=$1 h=$2 depth=${3:-24} n
    for n in $(seq "${RW_DISPLAY_FROM:-90}" $((${RW_DISPLAY_FROM:-90} + 30))); do
        [ -e "/tmp/.X$n-lock" ] || break
    done
    Xvfb ":$n" -screen 0 "${w}x${h}x${depth}" -nolisten tcp -noreset >"$RW_DIR/xvfb.log" 2>&1 &
    RW_XVFB_PID=$!
    rw_stage_setup "$w" "$h"
    export DISPLAY=":$n"
    local i
    for i in $(seq 100); do
        xdpyinfo >/dev/null 2>&1 && return 0
        sleep 0.05
    done
    rw_fail "Xvfb did not start"
}

# Launches the game and waits until its window is mapped (up to RW_LAUNCH_SECONDS, 10);
# RW_LAUNCH_MS says how long it took. The window is the started process's, or with RW_WINDOW_NAME
# the one of that title (a program under Wine shows its window from another process). Call it
# directly, not in $(...), so that the window id and the process stay known.
rw_launch() {
    local start end i search
    start=$(date +%s%N)
    "$@" >"$RW_DIR/app.log" 2>&1 &
    RW_APP_PID=$! RW_WID=""
    search=(--pid "$RW_APP_PID")
    [ -n "${RW_WINDOW_NAME:-}" ] && search=(--name "$RW_WINDOW_NAME")
    for i in $(seq $((${RW_LAUNCH_SECONDS:-10} * 20))); do
        kill -0 "$RW_APP_PID" 2>/dev/null || rw_fail "the game exited before showing a window"
        RW_WID=$(timeout 5 xdotool search --onlyvisible "${search[@]}" 2>/dev/null | tail -1)
        [ -n "$RW_WID" ] && break
        sleep 0.05
    done
    [ -n "$RW_WID" ] || rw_fail "no window appeared"
    end=$(date +%s%N)
    timeout 5 xdotool windowfocus "$RW_WID" 2>/dev/null
    sleep 0.3
    RW_LAUNCH_MS=$(((end - start) / 1000000))
}

# Where the game puts the stage on a display of W x H: drawn at the largest scale in quarters
# (RW_Q, 4 is 1:1, never below 2) at which 800 x 600 fits, with the display's middle logical pixel
# on its middle pixel. The same arithmetic as screenkit/Stage.h and toolkit/TDeviceTransform.h.
rw_stage_setup() {
    local w=$1 h=$2
    rw_stage_scale "$w" "$h"
    RW_LW=$((4 * w / RW_Q)) RW_LH=$((4 * h / RW_Q))
    RW_SL=$(((RW_LW - 800) / 2)) RW_ST=$(((RW_LH - 600) / 2))
    rw_stage_centre "$w" "$h"
}
# After the display changed to W x H while the game runs: the logical area laid out at the start
# stays, drawn at the new display's scale with its middle on the display's middle.
rw_stage_follow() {
    rw_stage_scale "$1" "$2"
    rw_stage_centre "$1" "$2"
}
rw_stage_scale() {
    RW_Q=$(($1 / 200 < $2 / 150 ? $1 / 200 : $2 / 150))
    [ "$RW_Q" -ge 2 ] || RW_Q=2
}
rw_stage_centre() {
    RW_OX=$(($1 / 2 - $(rw_scaled $((RW_LW / 2))))) RW_OY=$(($2 / 2 - $(rw_scaled $((RW_LH / 2)))))
}
rw_scaled() { if [ "$RW_Q" -eq 4 ]; then echo "$1"; else echo $((($1 * RW_Q + 2) / 4)); fi; }
# The screen pixel where stage pixel (x, y) starts.
rw_sx() { echo $((RW_OX + $(rw_scaled $((RW_SL + $1))))); }
rw_sy() { echo $((RW_OY + $(rw_scaled $((RW_ST + $1))))); }
rw_stage_xy() { echo "$(rw_sx "$1") $(rw_sy "$2")"; }
# The screen rectangle of a stage rectangle (left top width height) as a crop geometry WxH+X+Y.
rw_stage_geometry() {
    local x1 y1
    x1=$(rw_sx "$1") y1=$(rw_sy "$2")
    echo "$(($(rw_sx $(($1 + $3))) - x1))x$(($(rw_sy $(($2 + $4))) - y1))+$x1+$y1"
}

# Changes the running display's size through RandR, as a new resolution or a projector would;
# the display must have been started at least that large.
rw_set_display_size() {
    local w=$1 h=$2 mode="${1}x${2}"
    timeout 5 xrandr --newmode "$mode" 60 "$w" "$w" "$w" "$w" "$h" "$h" "$h" "$h" 2>/dev/null
    timeout 5 xrandr --addmode screen "$mode" 2>/dev/null
    timeout 5 xrandr --output screen --mode "$mode" --fb "$mode" || rw_fail "xrandr could not set $mode"
}

rw_key() { timeout 10 xdotool key --delay 40 "$@"; sleep 0.3; }
rw_type() { timeout 30 xdotool type --delay 30 -- "$1"; sleep 0.3; }
rw_click() { timeout 5 xdotool mousemove "$1" "$2" click 1; sleep 0.3; }
rw_move() { timeout 5 xdotool mousemove "$1" "$2"; sleep 0.3; }
rw_shot() { timeout 10 import -window root "$1"; }

# Prints the colour of one pixel of a screenshot as "r,g,b".
rw_pixel() {
    timeout 10 convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}

# Sends the window system's close command (WM_DELETE_WINDOW) and waits for the game to exit;
# returns its exit status (124 when it did not exit in time).
rw_close() {
    timeout 10 /usr/bin/python3 - "$RW_WID" <<'PY' || return 1
import sys
from Xlib import X, display, protocol
d = display.Display()
w = d.create_resource_object('window', int(sys.argv[1], 0))
a = d.intern_atom
ev = protocol.event.ClientMessage(window=w, client_type=a('WM_PROTOCOLS'),
                                  data=(32, [a('WM_DELETE_WINDOW'), X.CurrentTime, 0, 0, 0]))
w.send_event(ev, event_mask=X.NoEventMask)
d.sync()
PY
    rw_wait_exit 5
}

rw_wait_exit() {
    local i
    for i in $(seq $(($1 * 20))); do
        if ! kill -0 "$RW_APP_PID" 2>/dev/null; then
            wait "$RW_APP_PID"
            return $?
        fi
        sleep 0.05
    done
    return 124
}

# Ends the game (if it still runs) and the display, so that the next check can start both anew.
rw_stop_display() {
    local p
    for p in $RW_APP_PID $RW_XVFB_PID; do
        kill -0 "$p" 2>/dev/null && kill -TERM "$p" 2>/dev/null && wait "$p" 2>/dev/null
    done
    RW_APP_PID="" RW_XVFB_PID=""
}

rw_stop_all() {
    local p
    for p in $RW_APP_PID $RW_XVFB_PID; do
        kill -0 "$p" 2>/dev/null && kill -TERM "$p" 2>/dev/null
    done
    sleep 0.2
    for p in $RW_APP_PID $RW_XVFB_PID; do
        kill -0 "$p" 2>/dev/null && kill -KILL "$p" 2>/dev/null
    done
    wait 2>/dev/null
    rm -rf "$RW_DIR"
}
