#!/bin/bash
# Requests to the running clock from the command line, against the real binary
# started offscreen on a scratch program folder: output and exit status of each.
set -u
BIN=$1
W=$(mktemp -d)
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME=$W/config XDG_DATA_HOME=$W/data XDG_RUNTIME_DIR=$W/run
export KELVARO_NO_NETWORK=1 # the program looks nothing up and connects nowhere
mkdir -p "$XDG_RUNTIME_DIR" "$W/prog" && chmod 700 "$XDG_RUNTIME_DIR"
PIDS=()
cleanup() { for p in "${PIDS[@]}"; do kill -9 "$p" 2>/dev/null; done; rm -rf "$W"; }
trap cleanup EXIT
passed=0 failed=0
check() { # check NAME CONDITION...
  local name=$1; shift
  if "$@"; then echo "ok - $name"; passed=$((passed + 1)); else echo "not ok - $name"; failed=$((failed + 1)); fi
}
has() { grep -qxF -- "$2" <<<"$1"; } # has TEXT LINE: TEXT holds LINE exactly
ask() { out=$("$BIN" --dir "$W/prog" "$@" 2>"$W/err"); code=$?; err=$(cat "$W/err"); }
running() { ask --status; has "$out" "state: idle"; }
waitfor() { for _ in $(seq 200); do "$@" && return 0; sleep 0.05; done; return 1; }
start() { "$BIN" --dir "$W/prog" 2>>"$W/clock.err" & clock=$!; PIDS+=($clock); waitfor running; }
stop() { kill -TERM "$clock"; wait "$clock"; }

printf '[Data]\r\nHour=07\r\nMinute=30\r\nN24Hour=1\r\nAlarmON=1\r\nAlarmOFF=0\r\n' >"$W/prog/Kelvaro.ini"
printf 'Lisbon\x070\x071\x07\r\n' >"$W/prog/Cities.txt"

cp "$W/prog/Kelvaro.ini" "$W/settings.before"
ask --status
check "--status with no clock running exits 0" test "$code" -eq 0
check "and reads the settings: city, alarm, switch, next ring" \
  eval 'has "$out" "city: Lisbon" && has "$out" "alarm: 07:30" && has "$out" "alarm on: yes" && has "$out" "state: not running" && grep -q "^next ring: [0-9]\{4\}-[0-9][0-9]-[0-9][0-9]T07:30:00$" <<<"$out"'
for request in --snooze --stop "--alarm off" "--set-alarm 06:00"; do
  ask $request
  check "$request with no clock running exits 4 and says so" eval 'test "$code" -eq 4 && grep -q "no running Kelvaro Clock" <<<"$err"'
done
check "nothing was written by asking" eval 'cmp -s "$W/prog/Kelvaro.ini" "$W/settings.before" && test ! -e "$W/prog/Waves.wva"'

# What cannot be read is said, not replaced by defaults: a settings file far larger than the
# clock reads (sparse: no disk used), a folder for the city list, no temporary folder.
mkdir -p "$W/big" "$W/tmp" && truncate -s 64M "$W/big/Kelvaro.ini"
out=$(TMPDIR=$W/tmp "$BIN" --dir "$W/big" --status 2>"$W/err"); code=$?; err=$(cat "$W/err")
check "--status on a 64 MB settings file exits 1 and says it is too large" \
  eval 'test "$code" -eq 1 && test -z "$out" && grep -q "cannot read the settings: .*Kelvaro.ini: larger than 4 MB" <<<"$err"'
check "and leaves nothing in the temporary folder" eval 'test -z "$(ls -A "$W/tmp")"'
rm "$W/big/Kelvaro.ini" && mkdir "$W/big/Cities.txt"
out=$("$BIN" --dir "$W/big" --status 2>"$W/err"); code=$?; err=$(cat "$W/err")
check "--status with a folder for the city list exits 1 and names it" \
  eval 'test "$code" -eq 1 && grep -q "Cities.txt: not a regular file" <<<"$err"'
: >"$W/notafolder"
out=$(TMPDIR=$W/notafolder "$BIN" --dir "$W/prog" --status 2>"$W/err"); code=$?; err=$(cat "$W/err")
check "--status with no usable temporary folder exits 1 and says so" \
  eval 'test "$code" -eq 1 && grep -q "cannot read the settings: no temporary folder" <<<"$err"'

start
check "the clock answers --status itself" has "$out" "state: idle"
ask --set-alarm 23:59
check "--set-alarm 23:59 sets the alarm" eval 'test "$code" -eq 0 && has "$out" "alarm at 23:59"'
check "and the settings file holds it" waitfor grep -q "^Hour=23" "$W/prog/Kelvaro.ini"
ask --status
today=$(date +%Y-%m-%d); [ "$(date +%H%M)" = 2359 ] && today=$(date -d tomorrow +%Y-%m-%d)
check "the next ring is today at 23:59 local time" has "$out" "next ring: ${today}T23:59:00"
ask --alarm off
check "--alarm off switches it off" eval 'test "$code" -eq 0 && has "$out" "alarm off"'
ask --status
check "then the next ring is off" eval 'has "$out" "alarm on: no" && has "$out" "next ring: off"'
check "and the switch is saved" waitfor grep -q "^AlarmON=0" "$W/prog/Kelvaro.ini"
ask --alarm on
check "--alarm on switches it back on" eval 'test "$code" -eq 0 && has "$out" "alarm on"'
ask --snooze
check "--snooze with no alarm in progress exits 1" eval 'test "$code" -eq 1 && grep -q "no alarm in progress" <<<"$err"'
ask --stop
check "--stop with no alarm in progress exits 1" eval 'test "$code" -eq 1 && grep -q "no alarm in progress" <<<"$err"'
ask --set-alarm 24:00
check "a time out of range is refused with 2 before asking" test "$code" -eq 2
ask --alarm maybe
check "--alarm takes on or off only" test "$code" -eq 2
stop

sed -i 's/^Locked=.*/Locked=1/' "$W/prog/Kelvaro.ini"
start
ask --alarm off
check "a locked clock answers locked and exits 3" eval 'test "$code" -eq 3 && grep -q "locked" <<<"$err"'
ask --set-alarm 05:00
check "--set-alarm too" test "$code" -eq 3
ask --status
check "and keeps its alarm" eval 'has "$out" "alarm: 23:59" && has "$out" "alarm on: yes"'
ask --snooze
check "snoozing is no setting: no alarm in progress, exit 1" test "$code" -eq 1
stop
check "the clock ended normally" true

# A late alarm at the start (the record says the clock was closed before the alarm minute),
# with "Alarm Once": the stop switches the alarm off and shows a note. The answer comes
# first; nobody answers the note here, and the asker must not wait for it.
hm=$(date -d '-2 min' +%H:%M)
printf '[Data]\r\nHour=%s\r\nMinute=%s\r\nN24Hour=1\r\nAlarmON=1\r\nAlarmOFF=0\r\nAlarmOnce=1\r\n' \
  "${hm%:*}" "${hm#*:}" >"$W/prog/Kelvaro.ini"
printf 'Lisbon\x070\x071\x07\r\n' >"$W/prog/Cities.txt" # the city keeps the alarm time set above
printf '[AlarmRecord]\nDealtUpTo=%s\n' "$(date -u -d '-5 min' '+%Y-%m-%d %H:%M')" >"$W/prog/AlarmRecord.ini"
"$BIN" --dir "$W/prog" 2>>"$W/clock.err" & clock=$!; PIDS+=($clock)
sounding() { ask --status; has "$out" "state: sounding"; }
check "the alarm missed while the clock was closed sounds at the start" waitfor sounding
began=$(date +%s%N)
out=$(timeout 10 "$BIN" --dir "$W/prog" --stop 2>"$W/err"); code=$?
took=$((($(date +%s%N) - began) / 1000000))
check "--stop answers at once, before the note of \"Alarm Once\" (${took} ms, exit $code)" \
  eval 'test "$code" -eq 0 && has "$out" "stopped" && test "$took" -lt 5000'
ask --status
check "the alarm is off and nothing is in progress" eval 'has "$out" "alarm on: no" && has "$out" "state: idle"'
# An asker that goes away without reading its answer harms nothing.
ask --alarm on
leave_at_once() { /usr/bin/python3 - "$XDG_RUNTIME_DIR/kelvaro.socket" <<'PY'
import socket, sys
s = socket.socket(socket.AF_UNIX)
s.connect(sys.argv[1])
s.sendall(b"alarm off\n")
s.close()
PY
}
leave_at_once
gone() { ask --status; has "$out" "alarm on: no"; }
check "a request whose asker left at once is still carried out" waitfor gone
kill -TERM "$clock"; wait "$clock"; code=$?
check "SIGTERM still ends the clock normally (exit $code)" test "$code" -eq 0
grep -q "ERROR: AddressSanitizer" "$W/clock.err" && cat "$W/clock.err" >&2
check "the clock reported no memory error" eval '! grep -q "ERROR: AddressSanitizer" "$W/clock.err"'

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
