#!/bin/bash
# Closing with a read-only program folder, under Xvfb and openbox: the error box
# of the failed save shows on top and is answered, never minimised with the
# window; on SIGTERM the error goes to standard error and the process ends.
# Skips (exit 77) without Xvfb, openbox, xdotool, or a private read-only mount.
set -u
BIN=$1
for tool in Xvfb openbox xdotool xwininfo unshare; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed (scripts/install-deps)"; exit 77; }
done
unshare -m true 2>/dev/null || { echo "skipped: no private mounts here (needs root)"; exit 77; }
W=$(mktemp -d)
PIDS=()
cleanup() { for p in "${PIDS[@]}"; do kill -9 "$p" 2>/dev/null; done; rm -rf "$W"; }
trap cleanup EXIT
for n in $(seq 141 190); do [ -e /tmp/.X$n-lock ] || { DISPLAY_NUM=$n; break; }; done
Xvfb ":$DISPLAY_NUM" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 & PIDS+=($!); disown
export DISPLAY=":$DISPLAY_NUM" XDG_CONFIG_HOME=$W/config XDG_DATA_HOME=$W/data XDG_RUNTIME_DIR=$W/run
unset QT_QPA_PLATFORM
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
waitfor() { for _ in $(seq 200); do "$@" && return 0; sleep 0.05; done; return 1; }
waitfor test -e "/tmp/.X11-unix/X$DISPLAY_NUM"
openbox --sm-disable >/dev/null 2>&1 & PIDS+=($!); disown
sleep 0.5
passed=0 failed=0
check() { # check NAME CONDITION...
  local name=$1; shift
  if "$@"; then echo "ok - $name"; passed=$((passed + 1)); else echo "not ok - $name"; failed=$((failed + 1)); fi
}
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
