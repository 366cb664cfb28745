# Sourced by the scripts that run the real binary on a headless Wayland compositor.
# wayland_session sway|weston TOOL... starts the compositor with private XDG folders and a
# private session bus, and exports what a client needs (WAYLAND_DISPLAY, XDG_RUNTIME_DIR,
# SWAYSOCK, QT_QPA_PLATFORM=wayland). sway refuses to run as root: then everything runs
# as a throw-away user made here and removed at the end (as_user CMD runs CMD as it).
# Exits 77 (skipped) with the reason when a tool is missing or no compositor starts.
# sway: 1280x800 with swaybar (a StatusNotifierItem tray) along the bottom, windows
# floating as on a stacking desktop; weston: 1280x800 without a tray, as stock GNOME.
wayland_session() {
  local kind=$1 tool
  shift
  for tool in "$kind" dbus-daemon setpriv "$@"; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed (scripts/install-deps)"; exit 77; }
  done
  W=$(mktemp -d)
  PIDS=()
  WL_USER=
  trap 'for p in "${PIDS[@]}"; do kill -9 "$p" 2>/dev/null; done
        # What the compositor started in turn (swaybar, its status line) is the user'"'"'s too.
        [ -n "$WL_USER" ] && for p in $(ps -o pid= -u "$WL_USER"); do kill -9 "$p" 2>/dev/null; done
        sleep 0.2; [ -n "$WL_USER" ] && userdel "$WL_USER" 2>/dev/null; rm -rf "$W"' EXIT
  if [ "$(id -u)" -eq 0 ]; then
    WL_USER=kvwl$$
    useradd -M -d "$W" -s /bin/sh "$WL_USER" 2>/dev/null ||
      { echo "skipped: cannot add a user for the compositor"; exit 77; }
    chown "$WL_USER" "$W"
  fi
  mkdir -p "$W/run" "$W/config" "$W/data" "$W/shots"
  [ -n "$WL_USER" ] && chown -R "$WL_USER" "$W"
  chmod 700 "$W/run"
  export HOME=$W XDG_RUNTIME_DIR=$W/run XDG_CONFIG_HOME=$W/config XDG_DATA_HOME=$W/data
  export XDG_SESSION_TYPE=wayland QT_QPA_PLATFORM=wayland
  unset DISPLAY WAYLAND_DISPLAY SWAYSOCK XDG_CURRENT_DESKTOP DESKTOP_STARTUP_ID XDG_ACTIVATION_TOKEN
  spawn dbus-daemon --session --nofork --nopidfile --address="unix:path=$W/run/bus" >/dev/null 2>&1
  PIDS+=($!)
  export DBUS_SESSION_BUS_ADDRESS=unix:path=$W/run/bus
  case $kind in
  sway)
    cat >"$W/sway.conf" <<'EOF'
output HEADLESS-1 mode 1280x800
xwayland disable
for_window [app_id=".*"] floating enable
bar {
  position bottom
  tray_output *
  status_command echo headless
}
EOF
    WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 \
      spawn sway -c "$W/sway.conf" >"$W/compositor.log" 2>&1
    PIDS+=($!)
    export WAYLAND_DISPLAY=wayland-1
    ;;
  weston)
    spawn weston --backend=headless-backend.so --use-pixman --socket=wayland-1 --idle-time=0 \
      --width=1280 --height=800 --debug >"$W/compositor.log" 2>&1
    PIDS+=($!)
    export WAYLAND_DISPLAY=wayland-1
    ;;
  esac
  waitfor test -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ||
    { echo "skipped: $kind did not start:"; tail -5 "$W/compositor.log"; exit 77; }
  if [ "$kind" = sway ]; then
    waitfor sh -c 'ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock >/dev/null 2>&1'
    SWAYSOCK=$(ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock | head -1)
    export SWAYSOCK
  fi
  sleep 0.5
  passed=0 failed=0
}
as_user() {
  if [ -n "${WL_USER:-}" ]; then setpriv --reuid="$WL_USER" --regid="$WL_USER" --clear-groups -- "$@"; else "$@"; fi
}
# spawn CMD...: CMD in the background as the session's user, its own PID in $! (as_user CMD &
# would give the PID of a subshell, and a kill would miss CMD).
spawn() {
  if [ -n "${WL_USER:-}" ]; then setpriv --reuid="$WL_USER" --regid="$WL_USER" --clear-groups -- "$@" & else "$@" & fi
}
waitfor() { for _ in $(seq 200); do "$@" && return 0; sleep 0.05; done; return 1; }
check() { # check NAME CONDITION...
  local name=$1; shift
  if "$@"; then echo "ok - $name"; passed=$((passed + 1)); else echo "not ok - $name"; failed=$((failed + 1)); fi
}
# A picture of the whole output in $KELVARO_SHOTS/NAME.png (when set).
wl_shot() {
  [ -n "${KELVARO_SHOTS:-}" ] || return 0
  mkdir -p "$KELVARO_SHOTS"
  if [ -n "${SWAYSOCK:-}" ]; then
    as_user grim "$W/shots/$1.png" && cp "$W/shots/$1.png" "$KELVARO_SHOTS/$1.png"
  else
    (cd "$W/shots" && rm -f ./*.png && as_user weston-screenshooter >/dev/null 2>&1 &&
      cp "$(ls -t ./*.png | head -1)" "$KELVARO_SHOTS/$1.png")
  fi
}
# sway: the first window whose name matches, as JSON.
sway_window() {
  swaymsg -t get_tree | jq -c --arg n "$1" '[recurse(.nodes[]?, .floating_nodes[]?) | select(.type=="floating_con" or .type=="con") | select(.name != null and (.name|test($n)))][0] // empty'
}
