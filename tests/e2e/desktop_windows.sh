#!/bin/bash
# The real binary under Xvfb with the openbox window manager: the settings
# notebook opens whole on the screen and stays where it is, idle or clicked; a
# message box paints its face.
# Skips (exit 77) when Xvfb, openbox or xdotool is missing.
set -u
BIN=$1
FIRST_DISPLAY=90
. "$(dirname "$0")/desktop_session.sh"
desktop_session xdotool xwininfo

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

# The power picture's note, a message box: its window holds what it painted.
# The window is read itself (xwd -id), not the root: under Xvfb and openbox a
# second top-level over another window of the same program reads black on the
# root, a plain two-window Qt program too.
# Some machines carry a convert that reads PNG files only: it has to read an X window dump.
reads_xwd() {
  command -v xwd >/dev/null && command -v convert >/dev/null &&
    xwd -root -silent 2>/dev/null | convert xwd:- -crop 1x1+0+0 txt:- 2>/dev/null | grep -q '#'
}
if reads_xwd; then
  # A fresh start: the notebook holds the main window while it is open.
  kill -TERM "${PIDS[-1]}"
  waitfor test -z "$(shown '^Kelvaro Clock$')"
  sleep 0.5
  "$BIN" --dir "$W/prog" 2>>"$W/err" & PIDS+=($!); disown
  waitfor test -n "$(shown '^Kelvaro Clock$')"
  sleep 1.5
  main=$(shown '^Kelvaro Clock$')
  read -r mx my mw _ <<<"$(place "$main")"
  xdotool mousemove $((mx + mw - 15)) $((my + 31)) click 1
  box=""
  for _ in $(seq 40); do
    for w in $(xdotool search --onlyvisible --name '^Kelvaro Clock$' 2>/dev/null); do [ "$w" != "$main" ] && box=$w; done
    [ -n "$box" ] && break
    sleep 0.1
  done
  check "the power picture opens a box" test -n "$box"
  if [ -n "$box" ]; then
    sleep 1
    read -r _ _ bw bh <<<"$(place "$box")"
    face=$(xwd -id "$box" -silent | convert xwd:- -crop "1x1+$((bw / 2))+$((bh * 3 / 4))" txt:- | tail -1 | awk '{print $3}')
    check "the box paints its face, not black ($face)" test -n "$face" -a "$face" != "#000000"
  fi
else
  echo "# skipped the box's face: xwd missing, or no convert that reads an X window dump (imagemagick)"
fi
echo "# $passed passed, $failed failed"
[ "$failed" -eq 0 ]
