#!/bin/bash
# Whether two builds look the same on screen, pixel for pixel: each runs on its own
# Xvfb with openbox, started in the same instant so their seconds tick together,
# and the main window is taken with xwd at the same moments: while ticking, after
# another window covered and uncovered it (an expose) and after a minimise and restore.
# Usage: bench/idle/same_look.sh OLD_BINARY NEW_BINARY [SHOTS]
# Prints one "AE" (pixels that differ) per moment; keeps the shots in $KEEP if set.
set -u
OLD=$1 NEW=$2 SHOTS=${3:-6}
PIDS=() WORKS=()
cleanup() {
  for p in "${PIDS[@]}"; do kill "$p" 2>/dev/null || true; done
  for p in "${PIDS[@]}"; do for _ in $(seq 50); do kill -0 "$p" 2>/dev/null || break; sleep 0.1; done; done
  for w in "${WORKS[@]}"; do rm -rf "$w"; done
}
trap cleanup EXIT
shots=${KEEP:-$(mktemp -d)}
[ -n "${KEEP:-}" ] || WORKS+=("$shots")
mkdir -p "$shots"
displays=() windows=()
next=251
start() {
  while [ -e "/tmp/.X$next-lock" ]; do next=$((next + 1)); done
  Xvfb ":$next" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  PIDS+=($!)
  for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$next" ] && break; sleep 0.05; done
  DISPLAY=":$next" openbox >/dev/null 2>&1 &
  PIDS+=($!)
  displays+=(":$next")
  next=$((next + 1))
}
start
start
sleep 1
for i in 0 1; do
  bin=$OLD && [ "$i" = 1 ] && bin=$NEW
  work=$(mktemp -d) && WORKS+=("$work") && mkdir -m 700 "$work/run"
  env DISPLAY="${displays[$i]}" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/run" \
    KELVARO_NO_NETWORK=1 ASAN_OPTIONS=detect_leaks=0 "$bin" --dir "$work/prog" 2>"$work/err" &
  PIDS+=($!)
done
sleep 8
for i in 0 1; do
  windows+=("$(DISPLAY=${displays[$i]} xdotool search --onlyvisible --name '^Kelvaro Clock$' | head -1)")
done
both() { # $1: what to do on each display before the shot, $2: name
  local jobs=()
  for i in 0 1; do DISPLAY=${displays[$i]} WINDOW=${windows[$i]} bash -c "$1" & jobs+=($!); done
  wait "${jobs[@]}"
  jobs=()
  for i in 0 1; do DISPLAY=${displays[$i]} xwd -silent -id "${windows[$i]}" >"$shots/$2.$i.xwd" & jobs+=($!); done
  wait "${jobs[@]}"
  printf '%-22s AE %s\n' "$2" "$(compare -metric AE "xwd:$shots/$2.0.xwd" "xwd:$shots/$2.1.xwd" null: 2>&1)"
}
for n in $(seq "$SHOTS"); do both 'sleep 0.7' "ticking-$n"; done
# A window over the clock and away again: X asks the program to paint what was under it.
both 'xlogo -geometry 600x420+200+150 & p=$!; sleep 1.3; kill $p; sleep 0.4' covered
for n in 1 2 3; do both 'sleep 0.7' "after-cover-$n"; done
both 'xdotool windowminimize $WINDOW; sleep 1.5; xdotool windowactivate $WINDOW; sleep 0.4' restored
for n in 1 2 3; do both 'sleep 0.7' "after-restore-$n"; done
