#!/bin/bash
# Runs media_bench against a private PulseAudio null sink:
#   bench/media/run_bench.sh BUILD_DIR/bench/media/media_bench [benchmark flags]
set -u
BENCH=$1
shift
RUN=$(mktemp -d)
export QT_QPA_PLATFORM=offscreen
PA_PID=
trap '[ -n "$PA_PID" ] && kill $PA_PID 2>/dev/null; wait 2>/dev/null; rm -rf "$RUN"' EXIT
. "$(dirname "$0")/../../tests/media/null_sink.sh"
start_null_sink || exit 1
"$BENCH" "$@" 2>"$RUN/bench.err" || { grep -v "^ALSA\|^AL lib" "$RUN/bench.err" | tail -20; exit 1; }
