#!/bin/bash
# Times a city list of N rows (100,000 by default) in the real windows, offscreen: the main
# window's first showing, the city grid's, and each key typed into the grid.
# Usage: bench/cities/run.sh [build folder] [rows] [keys]
set -euo pipefail
BUILD=${1:-build-rel}
cmake --build "$BUILD" --target cities_view_run -j2 >/dev/null
QT_QPA_PLATFORM=offscreen "$BUILD/bench/cities/cities_view_run" "${2:-100000}" "${3:-20}"
