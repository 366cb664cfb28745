#!/bin/bash
# What the real program's alarm sounds like, recorded from a private sound
# server's null sink. Each case waits for the next whole minute.
#   level        fresh settings (the MIDI tune, volume at maximum, the server at
#                100 %): the alarm is loud and unclipped.
#   stream-drop  a web stream from a loopback server plays, then the server drops
#                it and answers no more than a stalled connection: within seconds
#                the alarm sounds again (the MIDI tune), and the stream stays the
#                user's choice.
# Exit 77 (skipped) without pulseaudio and pulseaudio-utils.
set -u
BIN=$1
CASE=$2
if ! command -v pulseaudio >/dev/null || ! command -v pactl >/dev/null || ! command -v parec >/dev/null; then
  echo "SKIP: pulseaudio and pulseaudio-utils are needed (scripts/install-deps installs them)"
  exit 77
fi
RUN=$(mktemp -d)
PA_PID= PROG_PID= SERVER_PID=
cleanup() {
  [ -n "$PROG_PID" ] && kill -9 "$PROG_PID" 2>/dev/null
  [ -n "$SERVER_PID" ] && kill "$SERVER_PID" 2>/dev/null
  [ -n "$PA_PID" ] && kill "$PA_PID" 2>/dev/null && wait "$PA_PID" 2>/dev/null
  rm -rf "$RUN"
}
trap cleanup EXIT
. "$(dirname "$0")/../media/null_sink.sh"
start_null_sink || exit 1
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME=$RUN/config XDG_DATA_HOME=$RUN/data KELVARO_NO_NETWORK=1

. "$(dirname "$0")/checks.sh"
ownStream() { pactl list sink-inputs | grep -q "application.process.id = \"$PROG_PID\""; }
record() { # record SECONDS FILE: the sink's monitor, 48 kHz stereo s16
  timeout "$1" parec -d alarmnull.monitor --format=s16le --rate=48000 --channels=2 >"$2" 2>/dev/null
  return 0
}
# Prints "peak RMS" of the loudest second, in dBFS, then the count of clipped samples.
loudest() {
  /usr/bin/python3 - "$1" <<'PY'
import math, struct, sys
data = open(sys.argv[1], "rb").read()
s = struct.unpack("<%dh" % (len(data) // 2), data[: len(data) // 2 * 2])
sec = 96000
best = (-200.0, -200.0)
for i in range(0, max(len(s) - sec + 1, 1), sec // 4):
    w = s[i : i + sec]
    if not w:
        break
    peak = max(abs(v) for v in w) / 32768
    rms = math.sqrt(sum(v * v for v in w) / len(w)) / 32768
    db = lambda x: 20 * math.log10(x) if x > 0 else -200.0
    if db(rms) > best[1]:
        best = (db(peak), db(rms))
print("%.1f %.1f %d" % (best[0], best[1], sum(1 for v in s if v >= 32767 or v <= -32768)))
PY
}
# Seconds of silence (RMS below -50 dBFS), one number per whole second of the recording.
silentSeconds() {
  /usr/bin/python3 - "$1" <<'PY'
import math, struct, sys
data = open(sys.argv[1], "rb").read()
s = struct.unpack("<%dh" % (len(data) // 2), data[: len(data) // 2 * 2])
sec = 96000
out = []
for i in range(0, len(s) - sec + 1, sec):
    w = s[i : i + sec]
    rms = math.sqrt(sum(v * v for v in w) / len(w)) / 32768
    out.append("1" if rms < 10 ** (-50 / 20) else "0")
print("".join(out))
PY
}

# Start with at least 10 seconds left in this minute, so the alarm minute is the next one.
[ "$(date +%S | sed 's/^0//')" -gt 50 ] && sleep 12
due=$(date -d '+1 minute' +%H:%M)
mkdir -p "$RUN/prog"
ini="[Data]\r\nN24Hour=1\r\nHour=${due%:*}\r\nMinute=${due#*:}\r\nAlarmON=1\r\nAlarmOFF=0\r\n"

case $CASE in
level)
  printf "$ini" >"$RUN/prog/Kelvaro.ini"
  pactl set-sink-volume alarmnull 100% && pactl set-sink-mute alarmnull 0
  "$BIN" --dir "$RUN/prog" 2>"$RUN/err" & PROG_PID=$!
  check "at the alarm minute the default tune plays through the sound server" waitfor 75 ownStream
  # The melody comes in after the first bar; six seconds hold it.
  record 6 "$RUN/alarm.raw"
  read -r peak rms clipped <<<"$(loudest "$RUN/alarm.raw")"
  echo "# default alarm: peak $peak dBFS, RMS $rms dBFS (loudest second), $clipped clipped samples"
  check "the default alarm is loud: its loudest second reaches -18 dBFS RMS" \
    /usr/bin/python3 -c "import sys; sys.exit(not $rms >= -18)"
  check "its peak comes within 4 dB of full scale" /usr/bin/python3 -c "import sys; sys.exit(not $peak >= -4)"
  check "it is not clipped" test "$clipped" -lt 10
  ;;
stream-drop)
  # A loopback server: a sine as an endless WAV stream until the test drops it;
  # after that every connection gets the header and then nothing (a stalled server).
  /usr/bin/python3 - "$RUN" <<'PY' &
import math, os, socket, struct, sys, threading, time
run = sys.argv[1]
srv = socket.socket()
srv.bind(("127.0.0.1", 0))
srv.listen(16)
srv.settimeout(0.5)
open(os.path.join(run, "port.tmp"), "w").write(str(srv.getsockname()[1]))
os.rename(os.path.join(run, "port.tmp"), os.path.join(run, "port"))
rate = 8000
header = (b"HTTP/1.0 200 OK\r\nContent-Type: audio/x-wav\r\nConnection: close\r\n\r\n" + b"RIFF" +
          struct.pack("<I", 0x7FFFFFF0) + b"WAVEfmt " + struct.pack("<IHHIIHH", 16, 1, 1, rate, rate * 2, 2, 16) +
          b"data" + struct.pack("<I", 0x7FFFFFCC))
tenth = b"".join(struct.pack("<h", int(16000 * math.sin(2 * math.pi * 440 * i / rate))) for i in range(rate // 10))
end = time.time() + 140  # bounded, whatever the test does
dropped = lambda: os.path.exists(os.path.join(run, "drop"))
def serve(conn):
    try:
        conn.recv(4096)
        conn.sendall(header)
        while time.time() < end and not dropped():
            conn.sendall(tenth)
            time.sleep(0.08)  # a little faster than real time
        if dropped():
            conn.close()  # the drop: the connection ends in the middle of the stream
            return
    except OSError:
        pass
    conn.close()
def stall(conn):
    try:
        conn.recv(4096)
        conn.sendall(header)
        while time.time() < end:
            time.sleep(0.2)
    except OSError:
        pass
    conn.close()
while time.time() < end:
    try:
        conn, _ = srv.accept()
    except socket.timeout:
        continue
    threading.Thread(target=stall if dropped() else serve, args=(conn,), daemon=True).start()
PY
  SERVER_PID=$!
  waitfor 10 test -s "$RUN/port" || { echo "the stream server did not start"; exit 1; }
  url="http://127.0.0.1:$(cat "$RUN/port")/live"
  printf "${ini}WebRadioMusic=1\r\nMIDIMusic=0\r\nWebRadioPath=%s\r\n" "$url" >"$RUN/prog/Kelvaro.ini"
  "$BIN" --dir "$RUN/prog" 2>"$RUN/err" & PROG_PID=$!
  check "at the alarm minute the web stream plays" waitfor 75 ownStream
  # A stream takes a moment to fill its buffer, longer on a busy machine.
  streamHeard() { record 2 "$RUN/stream.raw"; [ "$(silentSeconds "$RUN/stream.raw" | cut -c1)" = "0" ]; }
  check "the stream is heard" waitfor 20 streamHeard
  touch "$RUN/drop"
  record 32 "$RUN/after.raw"
  seconds=$(silentSeconds "$RUN/after.raw")
  echo "# after the drop, per second (1 = silent): $seconds"
  # The buffered stream plays a few seconds on, one quick try at the stream follows,
  # then the MIDI tune. Measured at a load of 8 to 11 on two cores: 5 to 6 silent
  # seconds, 14 at worst; a stream that held the window while it waited, and the
  # stalled player's stop, made 9 to 16.
  back() { [[ ${seconds:0:16} =~ 10 ]]; }
  check "within 15 seconds of the drop the alarm sounds again" back
  check "the program still says the alarm sounds" sh -c "'$BIN' --status --dir '$RUN/prog' | grep -q 'state: sounding'"
  kill -TERM "$PROG_PID"; wait "$PROG_PID"; PROG_PID=
  check "the web stream stays the chosen source" grep -q "WebRadioMusic=1" "$RUN/prog/Kelvaro.ini"
  ;;
*)
  echo "unknown case $CASE"; exit 2
  ;;
esac

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ] || { echo "--- program's errors:"; tail -20 "$RUN/err"; exit 1; }
