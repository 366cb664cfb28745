#!/bin/bash
# Kills the real program 100 times at random moments of its start-up (on a program folder with a
# big settings file and city list) and restarts it each time; then it must start, hold the
# single-instance lock, and every file must be whole with no temporary file left.
set -u
BIN=$1
KILLS=${2:-100}
W=$(mktemp -d)
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME=$W/config XDG_DATA_HOME=$W/data XDG_RUNTIME_DIR=$W/run
mkdir -p "$XDG_RUNTIME_DIR" "$W/prog" && chmod 700 "$XDG_RUNTIME_DIR"
pid=""
cleanup() { [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null; [ "$failed" -gt 0 ] && tail -20 "$W/err"; rm -rf "$W"; }
trap cleanup EXIT
passed=0 failed=0
check() { # check NAME COMMAND...
  local name=$1; shift
  if "$@"; then echo "ok - $name"; passed=$((passed + 1)); else echo "not ok - $name"; failed=$((failed + 1)); fi
}
waitfor() { for _ in $(seq 1200); do "$@" && return 0; sleep 0.05; done; return 1; }
now_ms() { date +%s%3N; }

# 2,000 cities and a settings file with many unknown keys, all of which the start reads and keeps.
{ for i in $(seq 2000); do printf 'City %d\a%d.00\a\a07:%02d\a\a\a\r\n' "$i" $((i % 24)) $((i % 60)); done; } >"$W/prog/Cities.txt"
{ echo "[Data]"; for i in $(seq 2000); do echo "Unknown$i=value $i"; done; } >"$W/prog/Kelvaro.ini"

# How long a start takes here, to spread the kills over it.
started=$(now_ms)
KELVARO_REPORT_STARTUP=1 "$BIN" --dir "$W/prog" 2>"$W/err.first" & pid=$!
waitfor grep -q "first paint done" "$W/err.first"
span=$(($(now_ms) - started + 200))
kill -TERM "$pid"; wait "$pid"; pid=""
echo "# a start takes about $((span - 200)) ms; kills spread over 0-$span ms"

for _ in $(seq "$KILLS"); do
  "$BIN" --dir "$W/prog" 2>>"$W/err" & pid=$!
  sleep "$(awk -v r=$RANDOM -v s="$span" 'BEGIN { printf "%.3f", r / 32768 * s / 1000 }')"
  kill -KILL "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; pid=""
done

KELVARO_REPORT_STARTUP=1 "$BIN" --dir "$W/prog" 2>"$W/err" & pid=$!
check "after $KILLS kills the program starts" waitfor grep -q "first paint done" "$W/err"
check "and runs" kill -0 "$pid"
timeout 60 "$BIN" --dir "$W/prog" 2>/dev/null; code=$?
check "and holds the single-instance lock (second start exits 0)" test "$code" -eq 0
kill -TERM "$pid"; wait "$pid"; code=$?; pid=""
check "and ends normally" test "$code" -eq 0
check "the settings file is whole: every unknown key kept" test "$(grep -c '^Unknown' "$W/prog/Kelvaro.ini")" -eq 2000
check "the city list is whole: 2,000 cities, the last one last" \
  test "$(grep -c $'^City [0-9]*\a' "$W/prog/Cities.txt")" -eq 2000 -a "$(tail -1 "$W/prog/Cities.txt" | cut -c1-9)" = "City 2000"
check "the alarm record is whole" grep -qx 'DealtUpTo=[0-9]\{4\}-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]' "$W/prog/AlarmRecord.ini"
leftovers=$(find "$W/prog" "$XDG_CONFIG_HOME" -name '.*tmp-*' -o -name '*.part' | tr '\n' ' ')
check "no temporary file is left (${leftovers:-none})" test -z "$leftovers"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
