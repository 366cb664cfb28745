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

# Folders another local user made where the lock would go must not stop this
# user's clock. Root obeys file modes here, as any user does (capsh drops the
# capabilities that override them).
if [ "$(id -u)" -eq 0 ] && command -v capsh >/dev/null; then
  mkdir -p "$W/tmp/kelvaro-0" "$W/home/.cache/kelvaro-run"
  chown nobody "$W/tmp/kelvaro-0" "$W/home/.cache/kelvaro-run"
  env -u XDG_RUNTIME_DIR TMPDIR="$W/tmp" HOME="$W/home" KELVARO_REPORT_STARTUP=1 \
    capsh --drop=cap_dac_override,cap_dac_read_search,cap_fowner -- -c 'exec "$0" --dir "$1"' "$BIN" "$W/prog" \
    2>"$W/err5" & stranger=$!; PIDS+=($stranger)
  check "another user's lock folders: the start says so on standard error" \
    waitfor grep -q "cannot check for a running instance" "$W/err5"
  check "and the program starts" waitfor grep -q "first paint done" "$W/err5"
  kill -TERM "$stranger"; wait "$stranger"; code=$?; [ "$code" -eq 0 ] || cat "$W/err5"
  check "and ends normally" test "$code" -eq 0
else
  echo "skip - another user's lock folders: needs root and capsh to stand in for two users"
fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
