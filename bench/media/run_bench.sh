#!/bin/bash
# Runs media_bench against a private PulseAudio null sink:
#   bench/media/run_bench.sh BUILD_DIR/bench/media/media_bench [benchmark flags]
set -u
BENCH=$1
shift
RUN=$(mktemp -d)
export XDG_RUNTIME_DIR=$RUN/xdg HOME=$RUN/home QT_QPA_PLATFORM=offscreen
mkdir -p -m 700 "$XDG_RUNTIME_DIR" "$HOME"
export PULSE_SERVER=unix:$XDG_RUNTIME_DIR/pulse/native
pulseaudio --daemonize=no --exit-idle-time=-1 -n \
  --load="module-native-protocol-unix auth-anonymous=1" \
  --load="module-null-sink sink_name=alarmnull sink_properties=device.description=AlarmNull" \
  --log-target=stderr 2>"$RUN/pa.log" &
PA_PID=$!
trap 'kill $PA_PID 2>/dev/null; wait $PA_PID 2>/dev/null; rm -rf "$RUN"' EXIT
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
"$BENCH" "$@" 2>"$RUN/bench.err" || { grep -v "^ALSA\|^AL lib" "$RUN/bench.err" | tail -20; exit 1; }
