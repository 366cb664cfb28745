#!/bin/bash
# The alarm with the keyboard alone, on an Xvfb desktop with openbox and a private
# sound server with a null sink: the hour and minute typed into the alarm boxes a
# minute ahead, Tab between them, Enter; the alarm is heard on the sink; any key
# snoozes it; Shift+Tab back to "Stop Alarm" and Space stop it.
# Skips (exit 77) when Xvfb, openbox, xdotool or the sound server's tools are missing.
# Not yet in CTest: after digits typed into the hour box, Tab stays in it (the model
# keeps the focus there), so the minute's digits land in the hour box.
set -u
BIN=$1
FIRST_DISPLAY=290
HERE=$(dirname "$0")
. "$HERE/desktop_session.sh"
desktop_session xdotool pulseaudio pactl
RUN=$W
. "$HERE/../media/null_sink.sh"
start_null_sink || exit 1
PIDS+=("$PA_PID")
export KELVARO_NO_NETWORK=1 DBUS_SESSION_BUS_ADDRESS=disabled:
status() { "$BIN" --dir "$W/prog" --status 2>/dev/null; }
ownStream() { pactl list sink-inputs | grep -q "application.process.id = \"$PROG\""; }
key() { xdotool key --delay 150 "$@"; sleep 0.4; }

# At least 15 seconds left in this minute: the typed alarm is the next minute.
[ "$(date +%S | sed 's/^0//')" -gt 45 ] && sleep 16
due=$(date -d '+1 minute' +%H:%M)
mkdir -p "$W/prog"
printf "[Data]\r\nN24Hour=1\r\nHour=3\r\nMinute=0\r\nAlarmON=1\r\nAlarmOFF=0\r\n" >"$W/prog/Kelvaro.ini"
"$BIN" --dir "$W/prog" 2>"$W/err" & PROG=$!; PIDS+=($PROG); disown
waitfor test -n "$(shown '^Kelvaro Clock$')"
main=$(shown '^Kelvaro Clock$')
[ -n "$main" ] || { cat "$W/err"; echo "not ok - the main window is shown"; exit 1; }
sleep 1.5
xdotool windowactivate --sync "$main"
sleep 0.5
# The focus starts in the hour box.
key ${due:0:1} ${due:1:1} Return
key Tab
key ${due:3:1} ${due:4:1} Return
check "the typed alarm time is set ($due)" sh -c "\"$BIN\" --dir \"$W/prog\" --status 2>/dev/null | grep -q 'alarm: $due'"

for _ in $(seq 150); do ownStream && break; sleep 0.5; done
check "at $due the alarm is heard on the null sink" ownStream
xdotool windowactivate --sync "$main" 2>/dev/null
key x
check "a key snoozes it" sh -c "\"$BIN\" --dir \"$W/prog\" --status 2>/dev/null | grep -qi 'snooz'"
# From the minute box back past the hour box and "Lock" to "Stop Alarm".
key shift+Tab shift+Tab shift+Tab space
sleep 1
out=$(status)
state=$(grep state: <<<"$out")
check "Shift+Tab to \"Stop Alarm\" and Space stop it ($state)" test "$state" = "state: idle"
kill -TERM "$PROG"
echo "# $passed passed, $failed failed"
[ "$failed" -eq 0 ]
