# Sourced by the scripts that run the real binary on a desktop: an Xvfb display
# of its own with the openbox window manager, private XDG folders, and the
# check/waitfor helpers. Set FIRST_DISPLAY (where to look for a free display
# number) and call desktop_session TOOL... (the tools the script needs besides
# Xvfb and openbox); it exits 77 (skipped) when one is missing.
desktop_session() {
  local tool n
  for tool in Xvfb openbox "$@"; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed (scripts/install-deps)"; exit 77; }
  done
  W=$(mktemp -d)
  PIDS=()
  trap 'for p in "${PIDS[@]}"; do kill -9 "$p" 2>/dev/null; done; rm -rf "$W"' EXIT
  DISPLAY_NUM=
  for n in $(seq "$FIRST_DISPLAY" $((FIRST_DISPLAY + 49))); do
    # A lock whose Xvfb has gone (killed with -9) is free: Xvfb takes such a lock over.
    [ -e /tmp/.X$n-lock ] && kill -0 "$(tr -d ' ' </tmp/.X$n-lock)" 2>/dev/null && continue
    [ -e /tmp/.X11-unix/X$n ] && [ ! -e /tmp/.X$n-lock ] && continue
    DISPLAY_NUM=$n; break
  done
  [ -n "$DISPLAY_NUM" ] || { echo "skipped: no free display from :$FIRST_DISPLAY on"; exit 77; }
  Xvfb ":$DISPLAY_NUM" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 & PIDS+=($!); disown
  export DISPLAY=":$DISPLAY_NUM" XDG_CONFIG_HOME=$W/config XDG_DATA_HOME=$W/data XDG_RUNTIME_DIR=$W/run
  unset QT_QPA_PLATFORM
  mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
  waitfor xdpyinfo -display "$DISPLAY" >/dev/null 2>&1 || waitfor test -e "/tmp/.X11-unix/X$DISPLAY_NUM"
  openbox --sm-disable >/dev/null 2>&1 & PIDS+=($!); disown
  sleep 0.5
  passed=0 failed=0
}
waitfor() { for _ in $(seq 200); do "$@" && return 0; sleep 0.05; done; return 1; }
check() { # check NAME CONDITION...
  local name=$1; shift
  if "$@"; then echo "ok - $name"; passed=$((passed + 1)); else echo "not ok - $name"; failed=$((failed + 1)); fi
}
# The first shown window whose title matches, its place ("x y w h"), and the about box
# opened through the Window menu by its keys (again when a key went astray; needs $main).
shown() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1; }
place() { xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF} /Width:/{w=$NF} /Height:/{h=$NF} END{print x, y, w, h}'; }
openAbout() {
  local try
  for try in 1 2 3; do
    xdotool windowactivate --sync "$main" 2>/dev/null
    xdotool key --window "$main" alt+w
    sleep 0.7
    xdotool key a
    waitfor test -n "$(shown '^About Kelvaro Clock$')" && return 0
    xdotool key Escape
  done
  return 1
}
