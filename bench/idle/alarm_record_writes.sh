#!/bin/bash
# How often the real binary replaces its alarm record (AlarmRecord.ini) while it idles: the first
# tick's write, then only when an alarm minute passes (the alarm is set for 07:00, so an idle run
# at another time writes once, alarm on or off). Counts the renames onto the file with strace, offscreen.
# Usage: bench/idle/alarm_record_writes.sh [path/to/kelvaro] [seconds] [on|off]
set -euo pipefail
BIN=${1:-build-bench/src/kelvaro}
SECS=${2:-125}
ALARM=${3:-on}
command -v strace >/dev/null || { echo "skipped: needs strace"; exit 0; }
WORK=$(mktemp -d)
pid=""
cleanup() { [ -n "$pid" ] && { pkill -KILL -P "$pid"; kill "$pid"; } 2>/dev/null; rm -rf "$WORK"; }
trap cleanup EXIT
export XDG_CONFIG_HOME=$WORK/config XDG_DATA_HOME=$WORK/data XDG_RUNTIME_DIR=$WORK/run
export KELVARO_NO_NETWORK=1 QT_QPA_PLATFORM=offscreen
mkdir -p "$XDG_RUNTIME_DIR" "$WORK/prog" && chmod 700 "$XDG_RUNTIME_DIR"
if [ "$ALARM" = on ]; then on=1; else on=0; fi
printf '[Data]\r\nHour=07\r\nMinute=00\r\nAlarmON=%d\r\nAlarmOFF=%d\r\n' "$on" $((1 - on)) >"$WORK/prog/Kelvaro.ini"
strace -f -qq -e trace=rename,renameat,renameat2 -o "$WORK/trace" "$BIN" --dir "$WORK/prog" 2>"$WORK/err" & pid=$!
sleep "$SECS"
# Kill the program, not strace (which would let it run on): a kill, so the close's write is not counted.
pkill -KILL -P "$pid" || true
wait "$pid" 2>/dev/null || true; pid=""
writes=$(grep -c 'AlarmRecord.ini"' "$WORK/trace" || true)
limit=$([ "$ALARM" = on ] && [ "$(date +%H:%M)" \< 07:05 ] && [ "$(date +%H:%M)" \> 06:55 ] && echo 2 || echo 1)
echo "alarm $ALARM: $writes writes of the alarm record in $SECS s (at most $limit expected)"
[ "$writes" -le "$limit" ] && [ "$writes" -ge 1 ]
