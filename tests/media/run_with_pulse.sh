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

. "$(dirname "$0")/null_sink.sh"
start_null_sink || exit 1
"$TESTS" --gtest_filter='-NoSoundServer.*' "$@"
