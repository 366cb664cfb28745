#!/bin/bash
# The real binary on a scratch program folder: first start, close by signal,
# single instance, and a restart after a kill.
set -u
BIN=$1
W=$(mktemp -d)
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME=$W/config XDG_DATA_HOME=$W/data XDG_RUNTIME_DIR=$W/run
export KELVARO_NO_NETWORK=1 # the program looks nothing up and connects nowhere
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
PIDS=()
cleanup() { for p in "${PIDS[@]}"; do kill -9 "$p" 2>/dev/null; done; rm -rf "$W"; }
trap cleanup EXIT
passed=0 failed=0
check() { # check NAME CONDITION...
  local name=$1; shift
  if "$@"; then echo "ok - $name"; passed=$((passed + 1)); else echo "not ok - $name"; failed=$((failed + 1)); fi
}
waitfor() { for _ in $(seq 200); do "$@" && return 0; sleep 0.05; done; return 1; }
ini=$W/prog/Kelvaro.ini

"$BIN" --dir "$W/prog" 2>"$W/err1" & first=$!; PIDS+=($first)
check "a first start writes CurrDir at once" waitfor grep -q "^CurrDir=$W/prog/" "$ini"
check "the hand-over file names the running instance" waitfor grep -q "^apphdl=." "$XDG_CONFIG_HOME/Kelvaro.ini"
check "the default sounds are put into the program folder" waitfor test -s "$W/prog/TaDa.mp3" -a -s "$W/prog/Mission2.mid"
check "the autostart entry is written" waitfor grep -q "^Exec=.* auto$" "$XDG_CONFIG_HOME/autostart/kelvaro.desktop"

timeout 20 "$BIN" --dir "$W/prog" 2>"$W/err2"; code=$?
check "a second start exits 0" test "$code" -eq 0
check "the first instance still runs" kill -0 "$first"

kill -TERM "$first"; wait "$first"; code=$?
check "SIGTERM ends the program normally" test "$code" -eq 0
keys="WInOrder WRandom WSingle STNewMusic AlarmMilestones ShowTimeInTask WarnChange SayTime QuietTime SayAlarm
SeperateSunday AutoStart N24Hour AlarmON AlarmOFF AlarmOnce MonitorOff MuteFix1 StopHibernate Snooze CDPlayer
AllowWebTime CDInOrder CDRandom CDSingle CDWhole MIDIMusic WebRadioMusic MP3Music Ding ProgChoice Locked
WarnBatteryLow LastTimeSynch MusicSeconds SnoozeSeconds TimeHost SnozTime Hour Minute AMPM ProgParams CDPath
WebRadioPath MIDIPath MP3Path ProgramPath TClockH TClockW MIDIVolume WaveVolume CDVolume"
missing=""
for k in $keys; do grep -q "^$k=" "$ini" || missing="$missing $k"; done
check "closing saved every key (missing:${missing:- none})" test -z "$missing"

"$BIN" --dir "$W/prog" 2>"$W/err3" & killed=$!; PIDS+=($killed)
waitfor grep -q "^apphdl=." "$XDG_CONFIG_HOME/Kelvaro.ini"
sleep 1
kill -KILL "$killed"; wait "$killed" 2>/dev/null
"$BIN" --dir "$W/prog" 2>"$W/err4" & again=$!; PIDS+=($again)
sleep 2
check "a start after a kill runs" kill -0 "$again"
timeout 20 "$BIN" --dir "$W/prog" 2>/dev/null; code=$?
check "and holds the single-instance lock" test "$code" -eq 0
kill -TERM "$again"; wait "$again"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
