#!/bin/bash
# Idle CPU of several programs measured at the same time, each on its own Xvfb:
# on a shared machine the load moves run.sh's numbers by a third from one minute
# to the next, so a change is judged against its rival in the same minute.
# Usage: bench/idle/compare.sh SECONDS "label|ENV=VALUE ...|path/to/program [args]" ...
# Example: bench/idle/compare.sh 60 "old||/tmp/kelvaro-old" "new||build-release/src/kelvaro" \
#            "qt floor||build-bench/bench/idle/idle_qt_floor label"
set -u
SECS=$1
shift
PIDS=()
WORKS=()
cleanup() {
  for p in "${PIDS[@]}"; do kill "$p" 2>/dev/null || true; done
  # A clock saves its files as it ends: let it finish before its folder goes.
  for p in "${PIDS[@]}"; do for _ in $(seq 50); do kill -0 "$p" 2>/dev/null || break; sleep 0.1; done; done
  for w in "${WORKS[@]}"; do rm -rf "$w"; done
}
trap cleanup EXIT
labels=() progs=() servers=()
next=241
for entry in "$@"; do
  IFS='|' read -r label envs cmd <<<"$entry"
  work=$(mktemp -d) && WORKS+=("$work") && mkdir -m 700 "$work/run"
  while [ -e "/tmp/.X$next-lock" ]; do next=$((next + 1)); done
  Xvfb ":$next" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  servers+=($!) && PIDS+=($!)
  for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$next" ] && break; sleep 0.05; done
  # shellcheck disable=SC2086 # the environment and the command are word lists
  env DISPLAY=":$next" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/run" \
    KELVARO_NO_NETWORK=1 $envs $cmd --dir "$work/prog" 2>"$work/err" &
  progs+=($!) && PIDS+=($!) && labels+=("$label")
  next=$((next + 1))
done
sleep "${SETTLE:-8}" # start-up done; SETTLE=70 skips the first minute, when labels keep their pictures
# Run time (ns) and switches of every thread of a process, from schedstat.
usage() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ns += $1; sw += $3} END {printf "%.0f %.0f\n", ns, sw}'; }
before=() xbefore=()
for i in "${!progs[@]}"; do before+=("$(usage "${progs[$i]}")") xbefore+=("$(usage "${servers[$i]}")"); done
sleep "$SECS"
for i in "${!progs[@]}"; do
  read -r n0 s0 <<<"${before[$i]}"
  read -r n1 s1 <<<"$(usage "${progs[$i]}")"
  read -r x0 _ <<<"${xbefore[$i]}"
  read -r x1 _ <<<"$(usage "${servers[$i]}")"
  awk -v l="${labels[$i]}" -v n=$((n1 - n0)) -v s=$((s1 - s0)) -v x=$((x1 - x0)) -v t="$SECS" 'BEGIN {
    printf "%-16s %.4f %% of one core (%.0f us/s, %.2f switches/s); its X server %.0f us/s\n",
      l, n / 1e9 / t * 100, n / 1e3 / t, s / t, x / 1e3 / t }'
done
