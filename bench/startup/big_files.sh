#!/bin/bash
# Times the real binary starting on big files: a city list of N rows and a
# settings file of about 1 MB, under the offscreen platform. Prints the time to
# the end of the first paint, and the CPU time until the program goes idle
# (menus and windows built), which is what the user waits for.
# Usage: bench/startup/big_files.sh [path/to/kelvaro] [rows]
set -euo pipefail
BIN=${1:-build-rel/src/kelvaro}
ROWS=${2:-10000}
export QT_QPA_PLATFORM=offscreen KELVARO_REPORT_STARTUP=1
WORK=$(mktemp -d)
export XDG_CONFIG_HOME=$WORK/config XDG_DATA_HOME=$WORK/data XDG_RUNTIME_DIR=$WORK/run
mkdir -p "$XDG_RUNTIME_DIR" "$WORK/prog" && chmod 700 "$XDG_RUNTIME_DIR"
pid=
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$WORK"' EXIT

awk -v n="$ROWS" 'BEGIN { for (i = 1; i <= n; i++) {
  printf "City %d\007%d\007%d\007", i, i % 25 - 12, i == 7
  for (c = 3; c < 25; c++) printf "\007"
  printf "\r\n" } }' > "$WORK/prog/Cities.txt"
{ printf '[Data]\r\nHour=06\r\nMinute=45\r\n'
  awk 'BEGIN { for (i = 0; i < 40000; i++) printf "; note %d of the user\r\n", i }'; } > "$WORK/prog/Kelvaro.ini"
echo "Cities.txt: $ROWS rows, $(stat -c %s "$WORK/prog/Cities.txt") bytes; Kelvaro.ini: $(stat -c %s "$WORK/prog/Kelvaro.ini") bytes"

ticks=$(getconf CLK_TCK)
cpu_ms() { awk -v t="$ticks" '{ print int(($14 + $15) * 1000 / t) }' "/proc/$1/stat"; }
start=$(date +%s%N)
"$BIN" --dir "$WORK/prog" 2>"$WORK/err" & pid=$!
for _ in $(seq 600); do grep -q "first paint done" "$WORK/err" && break; sleep 0.05; done
grep -o "first paint done [0-9]* ms" "$WORK/err" || { echo "no first paint in 30 s"; exit 1; }
last=-1
while :; do # idle: no CPU used for half a second
  now=$(cpu_ms "$pid"); [ "$now" -eq "$last" ] && break; last=$now; sleep 0.5
done
echo "CPU until idle: $last ms; wall until idle: $(( ($(date +%s%N) - start) / 1000000 - 500 )) ms"
echo "resident memory: $(awk '/VmRSS/ {print int($2 / 1024)}' /proc/$pid/status) MB"
kill -TERM "$pid"; wait "$pid" || true; pid=
