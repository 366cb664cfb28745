#!/bin/bash
# Idle CPU of the real binary: the share of one core it uses over a minute of
# doing nothing but tick, from the utime and stime fields of /proc/PID/stat
# (and, finer, from /proc/PID/schedstat). Under Xvfb when it is installed,
# else offscreen.
# Usage: bench/idle/run.sh [path/to/kelvaro] [seconds]
set -euo pipefail
BIN=${1:-build-bench/src/kelvaro}
SECS=${2:-60}
WORK=$(mktemp -d)
PIDS=()
cleanup() {
  for p in "${PIDS[@]}"; do kill "$p" 2>/dev/null || true; done
  # The clock saves its files as it ends: let it finish before its folder goes.
  for p in "${PIDS[@]}"; do for _ in $(seq 50); do kill -0 "$p" 2>/dev/null || break; sleep 0.1; done; done
  rm -rf "$WORK"
}
trap cleanup EXIT
export XDG_CONFIG_HOME=$WORK/config XDG_DATA_HOME=$WORK/data XDG_RUNTIME_DIR=$WORK/run
export KELVARO_NO_NETWORK=1 # idle means no look-ups or fetches either
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
if command -v Xvfb >/dev/null; then
  for n in $(seq 191 240); do [ -e /tmp/.X$n-lock ] || { num=$n; break; }; done
  Xvfb ":$num" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 & PIDS+=($!)
  for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$num" ] && break; sleep 0.05; done
  export DISPLAY=":$num"; unset QT_QPA_PLATFORM; where="Xvfb"
else
  export QT_QPA_PLATFORM=offscreen; where="offscreen"
fi
"$BIN" --dir "$WORK/prog" 2>"$WORK/err" & pid=$!; PIDS+=($pid)
sleep 5 # start-up done, first settings written
ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
ns() { awk '{print $1}' "/proc/$pid/schedstat"; }
t0=$(ticks); n0=$(ns)
sleep "$SECS"
t1=$(ticks); n1=$(ns)
hz=$(getconf CLK_TCK)
awk -v t=$((t1 - t0)) -v hz="$hz" -v n=$((n1 - n0)) -v s="$SECS" -v w="$where" 'BEGIN {
  printf "idle CPU over %d s (%s): %.3f %% of one core from /proc/PID/stat (%d ticks of 1/%d s); %.4f %% from schedstat\n",
    s, w, t / hz / s * 100, t, hz, n / 1e9 / s * 100 }'
