#!/bin/bash
# Start-up to the first frame and idle CPU of the real binary on native Wayland (sway,
# headless, with its bar and tray) beside X11 (Xvfb with openbox), in the same run so the
# machine's load is shared alike. Start-up: the program's own report of the end of its first
# paint (KELVARO_REPORT_STARTUP), the median of RUNS starts each; idle: the share of one core
# over SECS seconds of ticking, from /proc/PID/stat and schedstat, after 5 s of settling.
# Usage: bench/wayland/run.sh [path/to/kelvaro] [runs] [seconds]
set -uo pipefail
BIN=$(realpath "${1:-build-bench/src/kelvaro}")
RUNS=${2:-5}
SECS=${3:-60}
HERE=$(dirname "$(realpath "$0")")
. "$HERE/../../tests/e2e/wayland_session.sh"
wayland_session sway swaymsg # exits 77 with the reason when sway cannot start
command -v Xvfb >/dev/null && command -v openbox >/dev/null || { echo "skipped: Xvfb and openbox are needed"; exit 77; }
for n in $(seq 191 240); do [ -e /tmp/.X$n-lock ] || { num=$n; break; }; done
Xvfb ":$num" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
PIDS+=($!)
waitfor test -e "/tmp/.X11-unix/X$num"
DISPLAY=":$num" openbox --sm-disable >/dev/null 2>&1 &
PIDS+=($!)
sleep 0.5
export KELVARO_NO_NETWORK=1

# on PLATFORM CMD...: in the background, its PID in $!.
on() {
  local platform=$1
  shift
  if [ "$platform" = wayland ]; then
    spawn env QT_QPA_PLATFORM=wayland "$@"
  else
    spawn env -u WAYLAND_DISPLAY DISPLAY=":$num" QT_QPA_PLATFORM=xcb "$@"
  fi
}

# Not in $(...): a subshell would run the session's clean-up as it ends.
startup() { # startup PLATFORM: one start's milliseconds to the end of the first paint, to $W/times-PLATFORM
  local dir=$W/start-$1-$RANDOM pid ms
  mkdir -p "$dir" && chown "${WL_USER:-$(id -u)}" "$dir"
  KELVARO_REPORT_STARTUP=1 on "$1" "$BIN" --dir "$dir" 2>"$dir.err"
  pid=$!
  waitfor grep -q "first paint done" "$dir.err"
  ms=$(sed -n 's/.*first paint done \([0-9]*\) ms.*/\1/p' "$dir.err" | head -1)
  kill -TERM "$pid" 2>/dev/null
  for _ in $(seq 300); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done # one instance at a time
  echo "${ms:-NaN}" >>"$W/times-$1"
}

idle() { # idle PLATFORM: prints the share of one core while ticking
  local dir=$W/idle-$1 pid t0 t1 n0 n1
  mkdir -p "$dir" && chown "${WL_USER:-$(id -u)}" "$dir"
  on "$1" "$BIN" --dir "$dir" 2>"$dir.err"
  pid=$!
  sleep 5
  kill -0 "$pid" 2>/dev/null || { echo "did not run: $(tail -2 "$dir.err")"; return; }
  t0=$(awk '{print $14 + $15}' "/proc/$pid/stat"); n0=$(awk '{print $1}' "/proc/$pid/schedstat")
  sleep "$SECS"
  t1=$(awk '{print $14 + $15}' "/proc/$pid/stat"); n1=$(awk '{print $1}' "/proc/$pid/schedstat")
  kill -TERM "$pid" 2>/dev/null
  for _ in $(seq 300); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done # one instance at a time
  awk -v t=$((t1 - t0)) -v hz="$(getconf CLK_TCK)" -v n=$((n1 - n0)) -v s="$SECS" \
    'BEGIN { printf "%.3f %% (stat), %.4f %% (schedstat)", t / hz / s * 100, n / 1e9 / s * 100 }'
}

median() { sort -n | awk '{a[NR] = $1} END {print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }

for i in $(seq "$RUNS"); do # alternated, so a passing load falls on both alike
  for platform in x11 wayland; do startup $platform; done
done
for platform in x11 wayland; do
  echo "start-up to the first paint, $platform: median $(median <"$W/times-$platform") ms of $(tr '\n' ' ' <"$W/times-$platform")"
done
for platform in x11 wayland; do
  echo -n "idle CPU over $SECS s, $platform: "
  idle $platform
  echo
done
