#!/bin/bash
# CPU of the real binary with the about box closed, open (flames and credits
# running) and closed again: the animation must cost nothing once it is closed.
# Under Xvfb with openbox (the desktop tests' session set-up).
# Usage: bench/idle/about_box.sh [path/to/kelvaro] [seconds per phase]
set -u
BIN=${1:-build-bench/src/kelvaro}
SECS=${2:-20}
FIRST_DISPLAY=241
. "$(dirname "$0")/../../tests/e2e/desktop_session.sh"
desktop_session xdotool
KELVARO_NO_NETWORK=1 "$BIN" --dir "$W/prog" 2>"$W/err" & pid=$!; PIDS+=($pid); disown
waitfor test -n "$(shown '^Kelvaro Clock$')"
sleep 3 # start-up done
ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
phase() { # phase NAME: share of one core over SECS
  local t0 t1
  t0=$(ticks); sleep "$SECS"; t1=$(ticks)
  awk -v t=$((t1 - t0)) -v hz="$(getconf CLK_TCK)" -v s="$SECS" -v name="$1" \
    'BEGIN { printf "%-28s %.2f %% of one core over %d s\n", name, t / hz / s * 100, s }'
}
phase "about box never opened:"
main=$(shown '^Kelvaro Clock$')
openAbout || { echo "the about box did not open"; exit 1; }
phase "about box open:"
about=$(shown '^About Kelvaro Clock$')
read -r ax ay <<<"$(xwininfo -id "$about" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF} END{print x, y}')"
xdotool mousemove $((ax + 258)) $((ay + 262)) click 1 # "CLOSE"
waitfor test -z "$(shown '^About Kelvaro Clock$')" || { echo "the about box did not close"; exit 1; }
phase "about box closed again:"
