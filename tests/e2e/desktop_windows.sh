#!/bin/bash
# The real binary under Xvfb with the openbox window manager: the settings
# notebook opens whole on the screen and stays where it is, idle or clicked.
# Skips (exit 77) when Xvfb, openbox or xdotool is missing.
set -u
BIN=$1
for tool in Xvfb openbox xdotool xwininfo; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed (scripts/install-deps)"; exit 77; }
done
W=$(mktemp -d)
PIDS=()
cleanup() { for p in "${PIDS[@]}"; do kill -9 "$p" 2>/dev/null; done; rm -rf "$W"; }
trap cleanup EXIT
# A free display number.
for n in $(seq 90 140); do [ -e /tmp/.X$n-lock ] || { DISPLAY_NUM=$n; break; }; done
Xvfb ":$DISPLAY_NUM" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 & PIDS+=($!); disown
export DISPLAY=":$DISPLAY_NUM" XDG_CONFIG_HOME=$W/config XDG_DATA_HOME=$W/data XDG_RUNTIME_DIR=$W/run
unset QT_QPA_PLATFORM
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
waitfor() { for _ in $(seq 200); do "$@" && return 0; sleep 0.05; done; return 1; }
waitfor xdpyinfo -display "$DISPLAY" >/dev/null 2>&1 || waitfor test -e "/tmp/.X11-unix/X$DISPLAY_NUM"
openbox --sm-disable >/dev/null 2>&1 & PIDS+=($!); disown
sleep 0.5
passed=0 failed=0
check() { # check NAME CONDITION...
  local name=$1; shift
  if "$@"; then echo "ok - $name"; passed=$((passed + 1)); else echo "not ok - $name"; failed=$((failed + 1)); fi
}
shown() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1; }
# The client area's place on the screen and size: "x y width height".
place() { xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF} /Width:/{w=$NF} /Height:/{h=$NF} END{print x, y, w, h}'; }

"$BIN" --dir "$W/prog" 2>"$W/err" & PIDS+=($!); disown
waitfor test -n "$(shown '^Kelvaro Clock$')"
main=$(shown '^Kelvaro Clock$')
check "the main window is shown" test -n "$main"
# Alarm menu, then its last item, "Even More Settings".
read -r mx my _ _ <<<"$(place "$main")"
xdotool mousemove $((mx + 20)) $((my + 8)) click 1
sleep 0.7
xdotool key Up Return
waitfor test -n "$(shown 'Kelvaro Clock Settings')"
nb=$(shown 'Kelvaro Clock Settings')
check "the settings notebook opens from the menu" test -n "$nb"
[ -n "$nb" ] || { echo "# $failed failed"; exit 1; }
sleep 1
first=$(place "$nb")
read -r x y w h <<<"$first"
check "the notebook opens whole on the screen ($first)" test "$x" -ge 0 -a "$y" -ge 0 -a $((x + w)) -le 1024 -a $((y + h)) -le 768
sleep 10
check "left alone for 10 s it stays ($first, then $(place "$nb"))" test "$(place "$nb")" = "$first"
# A click on the "Snooze Enabled" box of the Settings page.
xdotool mousemove $((x + 18)) $((y + 68)) mousedown 1
sleep 0.3
between=$(place "$nb")
xdotool mouseup 1
sleep 1.5
check "a click does not move it ($first, $between, $(place "$nb"))" test "$between" = "$first" -a "$(place "$nb")" = "$first"
echo "# $passed passed, $failed failed"
[ "$failed" -eq 0 ]
