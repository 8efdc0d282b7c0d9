#!/bin/sh
# Runs a command on a desktop of its own: an X server (Xvfb) with a screen of the given
# size and a window manager (openbox) that frames its windows, so that what the command
# shows has a title bar and borders as on a real desktop. Skips (exit 77) when either is
# not installed.
# Usage: desktop_session.sh <width> <height> <scale factor> <command> [argument...]
set -eu
width=$1
height=$2
scale=$3
shift 3
needs="Xvfb openbox xprop xwininfo"
. "$(dirname "$0")/script_test.sh"

server=""
manager=""
stop() {
    if [ -n "$manager" ]; then kill "$manager" 2>/dev/null || true; fi
    if [ -n "$server" ]; then kill "$server" 2>/dev/null || true; fi
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap stop EXIT
trap 'exit 130' INT TERM

# The server picks a free display and names it once it takes connections.
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 "${width}x${height}x24" -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
server=$!
read -r number <"$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
DISPLAY=:$number
export DISPLAY

openbox --sm-disable >"$work/openbox.log" 2>&1 &
manager=$!
# The manager is ready once it names itself on the root window.
tries=0
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; do
    tries=$((tries + 1))
    [ "$tries" -lt 100 ] || fail "openbox did not start: $(cat "$work/openbox.log")"
    kill -0 "$manager" 2>/dev/null || fail "openbox ended: $(cat "$work/openbox.log")"
    sleep 0.1
done

QT_QPA_PLATFORM=xcb
QT_SCALE_FACTOR=$scale
export QT_QPA_PLATFORM QT_SCALE_FACTOR
status=0
"$@" || status=$?
exit "$status"
