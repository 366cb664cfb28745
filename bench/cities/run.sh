#!/bin/bash
# Times a city list of N rows (100,000 by default) in the real windows, offscreen: the main
# window's first showing, the city grid's, and each key typed into the grid; then the real
# program with the same list, from its start until it answers "--status".
# Usage: bench/cities/run.sh [build folder] [rows] [keys]
set -euo pipefail
BUILD=${1:-build-rel}
ROWS=${2:-100000}
cmake --build "$BUILD" --target cities_view_run kelvaro -j2 >/dev/null
QT_QPA_PLATFORM=offscreen "$BUILD/bench/cities/cities_view_run" "$ROWS" "${3:-20}"

dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
awk -v n="$ROWS" 'BEGIN { for (i = 1; i <= n; i++) printf "City %d\a%d\a%d\a\r\n", i, i % 25 - 12, i == 7 }' \
  >"$dir/Cities.txt"
export QT_QPA_PLATFORM=offscreen KELVARO_NO_NETWORK=1 DBUS_SESSION_BUS_ADDRESS=disabled: XDG_RUNTIME_DIR=$dir
start=$(date +%s%N)
"$BUILD/src/kelvaro" --dir "$dir" 2>/dev/null &
program=$!
until "$BUILD/src/kelvaro" --dir "$dir" --status >/dev/null 2>&1; do sleep 0.05; done
echo "the program with $ROWS cities answers after $((($(date +%s%N) - start) / 1000000)) ms"
kill "$program"
wait
