#!/bin/bash
# Closing with a read-only program folder, under Xvfb and openbox: the error box
# of the failed save shows on top and is answered, never minimised with the
# window; on SIGTERM the error goes to standard error and the process ends.
# Skips (exit 77) without Xvfb, openbox, xdotool, or a private read-only mount.
set -u
BIN=$1
unshare -m true 2>/dev/null || { echo "skipped: no private mounts here (needs root)"; exit 77; }
FIRST_DISPLAY=141
. "$(dirname "$0")/desktop_session.sh"
desktop_session xdotool xwininfo unshare
shown() { xdotool search --onlyvisible --name "$1" 2>/dev/null; }
viewable() { xwininfo -id "$1" 2>/dev/null | grep -q "Map State: IsViewable"; }
gone() { ! kill -0 "$1" 2>/dev/null; }
# Runs the program on the folder mounted read-only in a private mount namespace.
start_readonly() {
  unshare -m sh -c 'mount --bind "$1" "$1" && mount -o remount,bind,ro "$1" && exec "$2" --dir "$1"' sh \
    "$W/prog" "$BIN" 2>"$W/err" &
  PIDS+=($!); disown
}

# A first run fills the program folder.
"$BIN" --dir "$W/prog" 2>/dev/null & first=$!
waitfor test -s "$W/prog/Kelvaro.ini"; sleep 1; kill -TERM "$first"; wait "$first"

start_readonly; prog=${PIDS[-1]}
waitfor test -n "$(shown '^Kelvaro Clock$')"
main=$(shown '^Kelvaro Clock$' | head -1)
check "the main window is shown" test -n "$main"
read -r mx my < <(xwininfo -id "$main" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF} END{print x, y}')
# Window menu (the last one), then its last item, "Close".
xdotool mousemove $((mx + 480)) $((my + 8)) click 1
sleep 0.7
xdotool key Up Return
sleep 3 # a tick or two: the close's minimise must not take the box along
box=""
for w in $(shown 'Kelvaro Clock'); do [ "$w" != "$main" ] && viewable "$w" && box=$w; done
check "the error box of the failed save is on the screen" test -n "$box"
check "the process waits for it, not hidden" test -d "/proc/$prog"
[ -n "$box" ] && xdotool windowactivate --sync "$box" key Return 2>/dev/null
check "answering it ends the program" waitfor gone "$prog"

start_readonly; prog=${PIDS[-1]}
waitfor test -n "$(shown '^Kelvaro Clock$')"
kill -TERM "$prog"
check "SIGTERM ends it without waiting on a box" waitfor gone "$prog"
check "the error went to standard error" grep -q "Cannot write file .*Read-only file system" "$W/err"
echo "# $passed passed, $failed failed"
[ "$failed" -eq 0 ]
