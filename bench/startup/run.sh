#!/bin/bash
# Times the real binary: milliseconds from process start to the end of the first
# paint, and resident memory after 10 s idle, under the offscreen platform.
# Usage: bench/startup/run.sh [path/to/kelvaro] [runs]
set -euo pipefail
BIN=${1:-build/src/kelvaro}
RUNS=${2:-5}
export QT_QPA_PLATFORM=offscreen KELVARO_REPORT_STARTUP=1 KELVARO_NO_NETWORK=1
WORK=$(mktemp -d)
export XDG_CONFIG_HOME=$WORK/config XDG_DATA_HOME=$WORK/data XDG_RUNTIME_DIR=$WORK/run
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
trap 'rm -rf "$WORK"' EXIT
times=()
for i in $(seq "$RUNS"); do
  dir=$WORK/dir$i
  mkdir -p "$dir"
  "$BIN" --dir "$dir" 2>"$WORK/err$i" &
  pid=$!
  for _ in $(seq 100); do grep -q "first paint done" "$WORK/err$i" && break; sleep 0.05; done
  ms=$(grep -o "done [0-9]*" "$WORK/err$i" | awk '{print $2}')
  times+=("$ms")
  if [ "$i" -eq "$RUNS" ]; then
    sleep 10
    rss=$(awk '/VmRSS/ {print $2}' /proc/$pid/status)
    echo "resident memory after 10 s idle: $((rss / 1024)) MB ($rss kB)"
  fi
  kill -TERM "$pid"; wait "$pid" || true
done
sorted=$(printf '%s\n' "${times[@]}" | sort -n | tr '\n' ' ')
echo "start to first paint (ms), $RUNS runs sorted: $sorted"
