#!/bin/bash
# The alarm with the keyboard alone, on an Xvfb desktop with openbox and a private
# sound server with a null sink: the focus starts in the hour box; the hour and minute
# of the next minute typed, Tab between them, Enter; the alarm is heard on the sink;
# any key snoozes it; Shift+Tab back to "Stop Alarm" and Space stop it.
# Skips (exit 77) when Xvfb, openbox, xdotool or the sound server's tools are missing.
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

# A 90-second tone plays all through (the default MIDI source has no file here, and its
# note would take the keys; a ding a second is a stream too short to be sure of seeing).
mkdir -p "$W/prog"
/usr/bin/python3 - "$W/prog/alarm.wav" <<'PY'
import math, struct, sys, wave
w = wave.open(sys.argv[1], "wb"); w.setnchannels(1); w.setsampwidth(2); w.setframerate(8000)
w.writeframes(b"".join(struct.pack("<h", int(8000 * math.sin(2 * math.pi * 440 * i / 8000))) for i in range(8000 * 90)))
PY
printf "[Data]\r\nN24Hour=1\r\nHour=3\r\nMinute=0\r\nAlarmON=1\r\nAlarmOFF=0\r\nMP3Music=1\r\nMIDIMusic=0\r\nMP3Path=%s\r\n" \
  "$W/prog/alarm.wav" >"$W/prog/Kelvaro.ini"
"$BIN" --dir "$W/prog" 2>"$W/err" & PROG=$!; PIDS+=($PROG); disown
waitfor test -n "$(shown '^Kelvaro Clock$')"
main=$(shown '^Kelvaro Clock$')
[ -n "$main" ] || { cat "$W/err"; echo "not ok - the main window is shown"; exit 1; }
sleep 1.5
# At least 20 seconds left in this minute for the typing: the typed alarm is the next minute.
sec=$(date +%S | sed 's/^0//')
[ "$sec" -gt 40 ] && sleep $((61 - sec))
due=$(date -d '+1 minute' +%H:%M)
xdotool windowactivate --sync "$main"
sleep 0.5
key ${due:0:1} ${due:1:1} Tab ${due:3:1} ${due:4:1} Return
check "the typed alarm time is set ($due)" eval 'status | grep -q "alarm: $due"'

for _ in $(seq 150); do ownStream && break; sleep 0.5; done
check "at $due the alarm is heard on the null sink" ownStream
xdotool windowactivate --sync "$main" 2>/dev/null
key x
check "a key snoozes it" eval 'status | grep -q "state: snoozing"'
# From the minute box back to the hour box, round to "Lock" and "Stop Alarm".
key shift+Tab shift+Tab shift+Tab space
sleep 1
state=$(status | grep state:)
check "Shift+Tab to \"Stop Alarm\" and Space stop it ($state)" test "$state" = "state: idle"
kill -TERM "$PROG"
echo "# $passed passed, $failed failed"
[ "$failed" -eq 0 ]
