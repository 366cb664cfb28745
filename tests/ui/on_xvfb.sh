#!/bin/bash
# Runs a test program on an Xvfb display of its own, for the view's X11-only paths.
# Skips (exit 77) when Xvfb is not installed.
set -u
command -v Xvfb >/dev/null || { echo "skipped: Xvfb is not installed (scripts/install-deps)"; exit 77; }
num=
for n in $(seq 110 139); do
  # A lock whose Xvfb has gone is free: Xvfb takes such a lock over.
  [ -e /tmp/.X$n-lock ] && kill -0 "$(tr -d ' ' </tmp/.X$n-lock)" 2>/dev/null && continue
  [ -e /tmp/.X11-unix/X$n ] && [ ! -e /tmp/.X$n-lock ] && continue
  num=$n && break
done
[ -n "$num" ] || { echo "skipped: no free display from :110 on"; exit 77; }
Xvfb ":$num" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 & server=$!
trap 'kill "$server" 2>/dev/null' EXIT
for _ in $(seq 200); do [ -e "/tmp/.X11-unix/X$num" ] && break; sleep 0.05; done
DISPLAY=":$num" QT_QPA_PLATFORM=xcb "$@"
