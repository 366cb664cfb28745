#!/bin/bash
# The real binary as a screen reader sees it: a private session bus with the
# accessibility bus (at-spi2-core) under Xvfb and openbox, and every window walked
# with pyatspi (accessible_tree.py): the main window and the city clock, the about
# box, the settings notebook, the night screen. Fails on a control with no name or
# role, on a window that paints itself and does not say what, and when an alarm due
# the next minute and its snooze are not told to the screen reader.
# Skips (exit 77) when a tool is missing or the accessibility bus does not start.
set -u
BIN=$1
FIRST_DISPLAY=230
HERE=$(dirname "$0")
. "$HERE/desktop_session.sh"
desktop_session xdotool xwininfo dbus-daemon dbus-send
LAUNCHER=
for f in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
  [ -x "$f" ] && LAUNCHER=$f && break
done
[ -n "$LAUNCHER" ] || { echo "skipped: at-spi-bus-launcher is not installed (at-spi2-core)"; exit 77; }
# The system's python: pyatspi comes as a Debian package, not into another python3 on the PATH.
PY=
for p in /usr/bin/python3 python3; do "$p" -c 'import pyatspi' 2>/dev/null && PY=$p && break; done
[ -n "$PY" ] || { echo "skipped: python3-pyatspi is not installed"; exit 77; }

read -r DBUS_SESSION_BUS_ADDRESS bus_pid < <(dbus-daemon --session --fork --print-address=1 --print-pid=1 | paste -s -d' ')
[ -n "${bus_pid:-}" ] || { echo "skipped: no private session bus"; exit 77; }
PIDS+=("$bus_pid")
export DBUS_SESSION_BUS_ADDRESS
"$LAUNCHER" --launch-immediately >/dev/null 2>&1 & PIDS+=($!); disown
a11y_bus() { dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress 2>/dev/null | grep -q unix; }
waitfor a11y_bus || { echo "skipped: the accessibility bus did not start"; exit 77; }

# An alarm due next minute (at least 10 seconds ahead), announced after the main window is walked.
[ "$(date +%S | sed 's/^0//')" -gt 50 ] && sleep 12
due=$(date -d '+1 minute' +%H:%M)
mkdir -p "$W/prog"
printf "[Data]\r\nN24Hour=1\r\nHour=${due%:*}\r\nMinute=${due#*:}\r\nAlarmON=1\r\nAlarmOFF=0\r\n" >"$W/prog/Kelvaro.ini"

export QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 KELVARO_NO_NETWORK=1
"$BIN" --dir "$W/prog" 2>"$W/err" & PROG=$!; PIDS+=($PROG); disown
waitfor test -n "$(shown '^Kelvaro Clock$')"
main=$(shown '^Kelvaro Clock$')
[ -n "$main" ] || { cat "$W/err"; echo "not ok - the main window is shown"; exit 1; }
sleep 1.5
walk() { "$PY" "$HERE/accessible_tree.py" "Kelvaro Clock" "$@" ${KELVARO_A11Y_DUMP:+--dump}; }
walk "Kelvaro Clock" "Kelvaro City Clock"; rc=$?
[ "$rc" -eq 77 ] && exit 77
[ "$rc" -eq 0 ] || failed=$((failed + 1))

# The alarm, a snooze: each told to the screen reader. Then it is stopped: while an alarm is in
# progress every key snoozes, and the menus below are opened with keys. The stop minimises.
"$PY" "$HERE/accessible_tree.py" "Kelvaro Clock" --heard "Alarm sounding" 80 || failed=$((failed + 1))
"$BIN" --dir "$W/prog" --snooze >/dev/null 2>&1
"$PY" "$HERE/accessible_tree.py" "Kelvaro Clock" --heard "Snoozing for 5 min" 10 || failed=$((failed + 1))
"$BIN" --dir "$W/prog" --stop >/dev/null 2>&1
sleep 1
xdotool windowmap "$main" windowactivate --sync "$main" 2>/dev/null
sleep 0.5

if openAbout; then
  sleep 1
  walk "About Kelvaro Clock" || failed=$((failed + 1))
  about=$(shown '^About Kelvaro Clock$')
  read -r ax ay _ _ <<<"$(place "$about")"
  xdotool mousemove $((ax + 10 + 248)) $((ay + 9 + 253)) click 1 # its "CLOSE"
  waitfor test -z "$(shown '^About Kelvaro Clock$')"
else
  check "the about box opens" false
fi

read -r mx my _ _ <<<"$(place "$main")"
for try in 1 2 3 4 5; do # "Even More Settings", the Alarm menu's last item; slow when the machine is busy
  xdotool windowactivate --sync "$main" 2>/dev/null
  xdotool mousemove $((mx + 20)) $((my + 8)) click 1
  sleep $((try > 2 ? 2 : 1))
  xdotool key Up Return
  waitfor test -n "$(shown '^Kelvaro Clock Settings$')" && break
  xdotool key Escape
done
if [ -n "$(shown '^Kelvaro Clock Settings$')" ]; then
  sleep 1
  walk "Kelvaro Clock Settings" || failed=$((failed + 1))
  xdotool windowactivate --sync "$(shown '^Kelvaro Clock Settings$')" key Escape 2>/dev/null
  waitfor test -z "$(shown '^Kelvaro Clock Settings$')"
else
  check "the settings notebook opens" false
fi

# The night screen: Alarm > Sleep, then OK to the notes before it (no sound output here). It
# covers the screen: the one window of that title as wide as the display.
night() {
  local id
  for id in $(xdotool search --onlyvisible --name '^Kelvaro Clock$' 2>/dev/null); do
    [ "$(place "$id" | cut -d' ' -f3)" -ge 1024 ] && echo "$id" && return
  done
}
xdotool windowactivate --sync "$main" 2>/dev/null
xdotool key --window "$main" alt+a
sleep 0.7
xdotool key s # the first of two items with S
sleep 0.3
xdotool key Return
for _ in 1 2 3 4 5 6 7 8 9 10; do
  sleep 1
  [ -n "$(night)" ] && break
  xdotool key Return
done
if [ -n "$(night)" ]; then
  sleep 1
  walk "Kelvaro Clock" --describes "Alarm Time" || failed=$((failed + 1))
  xdotool key x
  waitfor test -z "$(night)"
  check "a key ends the night screen" test -z "$(night)"
else
  check "the night screen opens" false
fi
kill -TERM "$PROG"
echo "# $failed windows failed"
[ "$failed" -eq 0 ]
