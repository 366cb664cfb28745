#!/bin/bash
# The real program on a private sound server with a null sink: an alarm due in
# the next minute plays through the server at full master volume (65534 of
# 65535 is 65535 of 65536 on the server), un-muted,
# and closing the program puts the user's volume and mute back.
# Exit 77 (skipped) without pulseaudio and pactl.
set -u
BIN=$1
if ! command -v pulseaudio >/dev/null || ! command -v pactl >/dev/null; then
  echo "SKIP: pulseaudio and pulseaudio-utils are needed (scripts/install-deps installs them)"
  exit 77
fi
RUN=$(mktemp -d)
PA_PID= PROG_PID=
cleanup() {
  [ -n "$PROG_PID" ] && kill -9 "$PROG_PID" 2>/dev/null
  [ -n "$PA_PID" ] && kill "$PA_PID" 2>/dev/null && wait "$PA_PID" 2>/dev/null
  rm -rf "$RUN"
}
trap cleanup EXIT
. "$(dirname "$0")/../media/null_sink.sh"
start_null_sink || exit 1
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME=$RUN/config XDG_DATA_HOME=$RUN/data

. "$(dirname "$0")/checks.sh"
sinkVolume() { pactl get-sink-volume alarmnull | sed -n 's/.*front-left: *\([0-9]*\) .*/\1/p'; }
sinkIs() { [ "$(sinkVolume)" = "$1" ] && pactl get-sink-mute alarmnull | grep -q "Mute: $2"; }
ownStream() { pactl list sink-inputs | grep -q "application.process.id = \"$PROG_PID\""; }

# A 90-second tone, so that it still plays when the checks run.
mkdir -p "$RUN/prog"
/usr/bin/python3 - "$RUN/prog/alarm.wav" <<'PY'
import math, struct, sys, wave
w = wave.open(sys.argv[1], "wb"); w.setnchannels(1); w.setsampwidth(2); w.setframerate(8000)
w.writeframes(b"".join(struct.pack("<h", int(8000 * math.sin(2 * math.pi * 440 * i / 8000))) for i in range(8000 * 90)))
PY
# Start with at least 10 seconds left in this minute, so the alarm minute is the next one.
[ "$(date +%S | sed 's/^0//')" -gt 50 ] && sleep 12
due=$(date -d '+1 minute' +%H:%M)
printf '[Data]\r\nN24Hour=1\r\nHour=%s\r\nMinute=%s\r\nAlarmON=1\r\nAlarmOFF=0\r\nMP3Music=1\r\nMIDIMusic=0\r\nMP3Path=%s\r\n' \
  "${due%:*}" "${due#*:}" "$RUN/prog/alarm.wav" >"$RUN/prog/Kelvaro.ini"

pactl set-sink-volume alarmnull 30000 && pactl set-sink-mute alarmnull 1
"$BIN" --dir "$RUN/prog" 2>"$RUN/err" & PROG_PID=$!
sleep 3
check "before the alarm the user's volume and mute stand" sinkIs 30000 yes
check "at the alarm minute the program plays through the sound server" waitfor 75 ownStream
check "the master is at full volume and un-muted while it sounds" waitfor 5 sinkIs 65535 no
kill -TERM "$PROG_PID"; wait "$PROG_PID"; code=$?; PROG_PID=
check "the program ends normally" test "$code" -eq 0
check "closing puts the user's volume and mute back" sinkIs 30000 yes

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ] || { echo "--- program's errors:"; tail -20 "$RUN/err"; exit 1; }
