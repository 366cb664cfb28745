#!/bin/bash
# Start-up under a real X server: milliseconds from exec to the first window
# mapped (waits for the X MapNotify, no polling), median of several runs under
# Xvfb without a window manager, beside the offscreen exec-to-first-paint figure.
# Usage: bench/startup/mapped.sh [path/to/kelvaro] [runs]
set -euo pipefail
BIN=$(realpath "${1:-build-bench/src/kelvaro}")
RUNS=${2:-9}
HERE=$(cd "$(dirname "$0")" && pwd)
WORK=$(mktemp -d)
PIDS=()
cleanup() { for p in "${PIDS[@]}"; do kill "$p" 2>/dev/null || true; done; rm -rf "$WORK"; }
trap cleanup EXIT
command -v Xvfb >/dev/null || { echo "skipped: Xvfb is not installed"; exit 0; }
c++ -O2 -std=c++17 "$HERE/map_wait.cpp" -lX11 -o "$WORK/map_wait"
export XDG_CONFIG_HOME=$WORK/config XDG_DATA_HOME=$WORK/data XDG_RUNTIME_DIR=$WORK/run
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
for n in $(seq 241 290); do [ -e /tmp/.X$n-lock ] || { num=$n; break; }; done
Xvfb ":$num" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 & PIDS+=($!)
for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$num" ] && break; sleep 0.05; done
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR + 1) / 2)]}'; }
mkdir -p "$WORK/prog"
QT_QPA_PLATFORM=offscreen "$BIN" --dir "$WORK/prog" >/dev/null 2>&1 & first=$!
sleep 3; kill -TERM "$first"; wait "$first" || true # a folder already set up, as on every later start
times=()
for i in $(seq "$RUNS"); do
  times+=("$(DISPLAY=":$num" QT_QPA_PLATFORM=xcb "$WORK/map_wait" "$BIN" --dir "$WORK/prog" 2>/dev/null)")
  sleep 0.3
done
mapped=$(printf '%s\n' "${times[@]}" | median)
paints=()
for i in $(seq "$RUNS"); do
  QT_QPA_PLATFORM=offscreen KELVARO_REPORT_STARTUP=1 "$BIN" --dir "$WORK/prog" 2>"$WORK/err" & pid=$!
  for _ in $(seq 100); do grep -q "first paint done" "$WORK/err" && break; sleep 0.05; done
  paints+=("$(grep -o "done [0-9]*" "$WORK/err" | awk '{print $2}')")
  kill -TERM "$pid"; wait "$pid" || true
done
painted=$(printf '%s\n' "${paints[@]}" | median)
echo "exec to first window mapped under Xvfb (ms), $RUNS runs: $(printf '%s ' "${times[@]}")"
echo "median: $mapped ms mapped under Xvfb; $painted ms to the end of the first paint offscreen"
