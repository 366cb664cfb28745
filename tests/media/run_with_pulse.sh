#!/bin/bash
# Runs the real media tests against a private PulseAudio daemon with a null sink,
# then the no-server case with no daemon reachable. Exit 77 (skipped) when the
# sound server or the GStreamer plugins are not installed.
set -u
TESTS=$1
shift

if ! command -v pulseaudio >/dev/null || ! command -v pactl >/dev/null; then
  echo "SKIP: pulseaudio and pulseaudio-utils are needed (scripts/install-deps installs them)"
  exit 77
fi
if ! missing=$("$TESTS" --missing-plugins); then
  echo "SKIP: GStreamer elements missing: $missing(gstreamer1.0-plugins-good/-bad/-ugly, timgm6mb-soundfont)"
  exit 77
fi

RUN=$(mktemp -d)
PA_PID=
cleanup() {
  [ -n "$PA_PID" ] && kill "$PA_PID" 2>/dev/null && wait "$PA_PID" 2>/dev/null
  rm -rf "$RUN"
}
trap cleanup EXIT
export QT_QPA_PLATFORM=offscreen

# Without a server the player must refuse, not play into nothing.
XDG_RUNTIME_DIR=$RUN PULSE_SERVER=unix:$RUN/none HOME=$RUN "$TESTS" --gtest_filter='NoSoundServer.*' || exit 1

export XDG_RUNTIME_DIR=$RUN/xdg HOME=$RUN/home
mkdir -p -m 700 "$XDG_RUNTIME_DIR" "$HOME"
export PULSE_SERVER=unix:$XDG_RUNTIME_DIR/pulse/native
pulseaudio --daemonize=no --exit-idle-time=-1 -n \
  --load="module-native-protocol-unix auth-anonymous=1" \
  --load="module-null-sink sink_name=alarmnull sink_properties=device.description=AlarmNull" \
  --log-target=stderr 2>"$RUN/pa.log" &
PA_PID=$!
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
if ! pactl info >/dev/null 2>&1; then
  echo "FAIL: pulseaudio did not start:"; cat "$RUN/pa.log"
  exit 1
fi
"$TESTS" --gtest_filter='-NoSoundServer.*' "$@"
