#!/bin/bash
# The real binary under Xvfb with openbox and a panel along the bottom: the city clock
# stands at the bottom right above the panel, has no taskbar button, keeps its right
# edge when Ctrl+drag narrows it, and goes with the program; the about box opens whole
# and closes with "CLOSE". KELVARO_SHOTS=DIR keeps screenshots of both.
# Skips (exit 77) when Xvfb, openbox, xdotool, xwininfo, xprop or xlogo is missing.
set -u
BIN=$1
FIRST_DISPLAY=140
. "$(dirname "$0")/desktop_session.sh"
desktop_session xdotool xwininfo xprop xlogo
SHOTS=${KELVARO_SHOTS:-}
shot() { [ -n "$SHOTS" ] && command -v xwd >/dev/null && command -v convert >/dev/null &&
  mkdir -p "$SHOTS" && xwd -root -silent | convert xwd:- "$SHOTS/$1.png"; }

# A panel 30 pixels high along the bottom: a dock window that reserves its strip.
xlogo -geometry 1024x30+0+738 >/dev/null 2>&1 & PIDS+=($!); disown
waitfor test -n "$(shown '^xlogo$')"
panel=$(shown '^xlogo$')
xprop -id "$panel" -f _NET_WM_STRUT_PARTIAL 32c -set _NET_WM_STRUT_PARTIAL "0,0,0,30,0,0,0,0,0,0,0,1023"
xprop -id "$panel" -f _NET_WM_STRUT 32c -set _NET_WM_STRUT "0,0,0,30"
sleep 0.5

KELVARO_NO_NETWORK=1 "$BIN" --dir "$W/prog" 2>"$W/err" & PROG=$!; PIDS+=($PROG); disown
waitfor test -n "$(shown '^Kelvaro City Clock$')"
clock=$(shown '^Kelvaro City Clock$')
check "the city clock is shown" test -n "$clock"
[ -n "$clock" ] || { cat "$W/err"; echo "# $passed passed, $failed failed"; exit 1; }
sleep 0.5
read -r x y w h <<<"$(place "$clock")"
check "it stands at the bottom right, above the panel ($x $y $w $h)" test $((x + w)) -eq 1022 -a $((y + h)) -eq 738
check "it has no taskbar button" sh -c "xprop -id $clock _NET_WM_STATE _NET_WM_WINDOW_TYPE | grep -q -e SKIP_TASKBAR -e UTILITY -e TOOLBAR"
shot city_clock

# The screen ends 2 pixels to its right: 60 pixels to the right is past the limit already.
xdotool mousemove $((x + 10)) $((y + h / 2)) keydown ctrl mousedown 1
for step in 15 30 45 60; do xdotool mousemove $((x + 10 + step)) $((y + h / 2)); sleep 0.1; done
xdotool mouseup 1 keyup ctrl
sleep 0.5
read -r x2 y2 w2 h2 <<<"$(place "$clock")"
check "Ctrl+drag to the right stops at 34 pixels, right edge kept ($x2 $y2 $w2 $h2)" test "$w2" -eq 34 -a $((x2 + w2)) -eq 1022
check "the width is saved" grep -q "TClockW=-46" "$W/prog/Kelvaro.ini"

main=$(shown '^Kelvaro Clock$')
openAbout
about=$(shown '^About Kelvaro Clock$')
check "the about box opens from the Window menu" test -n "$about"
if [ -n "$about" ]; then
  sleep 3 # the flames and the credits need a moment to rise
  read -r ax ay aw ah <<<"$(place "$about")"
  check "the about box is 515 x 287 and whole on the screen ($ax $ay $aw $ah)" \
    test "$aw" -eq 515 -a "$ah" -eq 287 -a "$ax" -ge 0 -a "$ay" -ge 0 -a $((ax + aw)) -le 1024 -a $((ay + ah)) -le 738
  shot about_box
  xdotool mousemove $((ax + 10 + 248)) $((ay + 9 + 253)) click 1
  sleep 0.7
  check "CLOSE closes it" test -z "$(shown '^About Kelvaro Clock$')"
fi

kill -TERM "$PROG"
waitfor sh -c "! kill -0 $PROG 2>/dev/null"
check "the city clock goes with the program" test -z "$(shown '^Kelvaro City Clock$')"
echo "# $passed passed, $failed failed"
[ "$failed" -eq 0 ]
