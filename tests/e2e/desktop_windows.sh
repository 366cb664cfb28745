#!/bin/bash
# The real binary under Xvfb with the openbox window manager: the settings
# notebook opens whole on the screen and stays where it is, idle or clicked.
# Skips (exit 77) when Xvfb, openbox or xdotool is missing.
set -u
BIN=$1
FIRST_DISPLAY=90
. "$(dirname "$0")/desktop_session.sh"
desktop_session xdotool xwininfo
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
