#!/bin/bash
# The real binary on Qt's native Wayland back end, on a headless compositor:
#   wayland_desktop.sh BIN sway    wlroots with swaybar's tray and the layer-shell protocol
#   wayland_desktop.sh BIN weston  no tray and no layer shell, as stock GNOME
# The app id names the desktop file; the night screen covers the whole output, keeps the
# keyboard and ends with a key; a second start hands its activation token over; the
# city clock never stands as a plain window. KELVARO_SHOTS=DIR keeps screenshots.
# Skips (exit 77) when the compositor or a tool is missing or does not start.
set -u
BIN=$1
KIND=${2:-sway}
. "$(dirname "$0")/wayland_session.sh"
if [ "$KIND" = sway ]; then wayland_session sway swaymsg jq grim wtype; else wayland_session weston; fi
PROG_DIR=$W/prog
mkdir -p "$PROG_DIR" && chown -R "${WL_USER:-$(id -u)}" "$PROG_DIR"

# The client's own log of its Wayland requests tells the app id and the roles it asked for.
WAYLAND_DEBUG=client KELVARO_NO_NETWORK=1 spawn "$BIN" --dir "$PROG_DIR" >"$W/out" 2>"$W/err"
PROG=$!
PIDS+=($PROG)
waitfor grep -q 'xdg_toplevel@[0-9]*\.set_title("Kelvaro Clock")' "$W/err"
check "the main window opens natively on Wayland" grep -q 'xdg_toplevel@[0-9]*\.set_title("Kelvaro Clock")' "$W/err"
check "its app id is the desktop file's name" grep -q 'set_app_id("org.kelvaro.Clock")' "$W/err"
sleep 1
wl_shot "${KIND}_main"

check "the city clock is never a plain window" sh -c "! grep -q 'set_title(\"Kelvaro City Clock\")' '$W/err'"
if [ "$KIND" = sway ]; then
  main=$(sway_window '^Kelvaro Clock$')
  check "sway knows the window by its app id" test "$(jq -r .app_id <<<"$main")" = org.kelvaro.Clock
  check "the city clock is a layer surface on the overlay layer" \
    grep -q 'get_layer_surface(new id zwlr_layer_surface_v1@[0-9]*, wl_surface@[0-9]*, nil, 3, "kelvaro-city-clock")' "$W/err"
  check "anchored bottom right, without the keyboard" \
    sh -c "grep -q 'zwlr_layer_surface_v1@[0-9]*\.set_anchor(10)' '$W/err' && grep -q 'set_keyboard_interactivity(0)' '$W/err'"
  # The tray's menu goes to swaybar over dbusmenu: the item names its menu, which lists "Sleep".
  bus() { as_user dbus-send --session --print-reply "$@" 2>/dev/null; }
  item=$(bus --dest=org.kde.StatusNotifierWatcher /StatusNotifierWatcher org.freedesktop.DBus.Properties.Get \
    string:org.kde.StatusNotifierWatcher string:RegisteredStatusNotifierItems | grep -o '":[0-9.]*/StatusNotifierItem"' | tr -d '"')
  menu=$(bus --dest="${item%%/*}" /StatusNotifierItem org.freedesktop.DBus.Properties.Get \
    string:org.kde.StatusNotifierItem string:Menu | sed -n 's/.*object path "\(.*\)"/\1/p')
  check "the tray icon registers with swaybar ($item)" test -n "$item"
  check "and hands it its menu ($menu)" sh -c "[ -n '$menu' ] && [ '$menu' != /NO_DBUSMENU ]"
  check "which holds Sleep" sh -c "$(declare -f as_user bus); WL_USER='${WL_USER:-}' bus --dest='${item%%/*}' '$menu' \
    com.canonical.dbusmenu.GetLayout int32:0 int32:-1 array:string: | grep -q '\"Sleep\"'"
  # The night screen: Alarm > Sleep (the alarm is on from the start), then OK to the boxes that
  # come first (no sound output here), and a key to end it. A wtype that only waits keeps a
  # keyboard on the seat throughout: without one, sway takes the focus from every window.
  spawn wtype -s 600000
  PIDS+=($!)
  sleep 0.5
  key() { as_user wtype -s 150 "$@"; sleep 0.5; }
  boxes() { swaymsg -t get_tree | jq '[recurse(.nodes[]?, .floating_nodes[]?) | select(.name == "Kelvaro Clock")] | length'; }
  swaymsg '[title="^Kelvaro Clock$"] focus' >/dev/null
  sleep 0.3
  key -M alt a -m alt
  key s # the first of two items with S
  key -k Return
  fullscreen() { swaymsg -t get_tree | jq -c '[recurse(.nodes[]?, .floating_nodes[]?) | select(.pid != null and .fullscreen_mode == 1)][0] // empty'; }
  for _ in 1 2 3 4 5 6 7 8 9 10; do
    [ -n "$(fullscreen)" ] && break
    [ "$(boxes)" -gt 1 ] && key -k Return
    sleep 0.5
  done
  has_fullscreen() { test -n "$(fullscreen)"; }
  waitfor has_fullscreen
  sleep 1.5
  night=$(fullscreen)
  check "the night screen is full screen ($(jq -c .rect <<<"$night"))" \
    test "$(jq -r '.rect.width, .rect.height' <<<"$night" | tr '\n' x)" = 1280x800x
  check "it has the keyboard" test "$(jq -r .focused <<<"$night")" = true
  check "it holds idle off on its surface" grep -q 'zwp_idle_inhibit_manager_v1@[0-9]*\.create_inhibitor' "$W/err"
  wl_shot sway_night_screen
  key x
  sleep 0.5
  check "a key ends it" test -n "$night" -a -z "$(fullscreen)"
  check "and lets idle go" grep -q 'zwp_idle_inhibitor_v1@[0-9]*\.destroy' "$W/err"
fi

# A second start hands the launcher's token to the first, which activates with it.
XDG_ACTIVATION_TOKEN=kelvaro-e2e-token as_user "$BIN" --dir "$PROG_DIR" >/dev/null 2>&1
if grep -q 'bind([0-9]*, "xdg_activation_v1"' "$W/err"; then
  waitfor grep -q 'xdg_activation_v1@[0-9]*\.activate("kelvaro-e2e-token"' "$W/err"
  check "a second start activates the first with its token" \
    grep -q 'xdg_activation_v1@[0-9]*\.activate("kelvaro-e2e-token"' "$W/err"
else
  echo "# $KIND offers no xdg-activation: the token has nothing to go to"
fi

kill -TERM "$PROG"
waitfor sh -c "! kill -0 $PROG 2>/dev/null"
check "the program ends on SIGTERM" sh -c "! kill -0 $PROG 2>/dev/null"
# Besides the protocol log: nothing but the note that this machine has no sound server, and
# Qt's word on a keyboard leave sway sends for the night screen's surface after it is gone.
quiet() {
  grep -v -e '^\[' -e '^ *->' -e '^ *$' -e 'pa_context_connect() failed' \
    -e 'Ignoring unexpected wl_keyboard.leave event' "$W/err"
}
check "no warning on stderr" test -z "$(quiet)"
quiet | head -"${KELVARO_ERR_LINES:-5}"
[ -n "${KELVARO_KEEP_LOG:-}" ] && cp "$W/err" "$KELVARO_KEEP_LOG"
echo "# $passed passed, $failed failed"
[ "$failed" -eq 0 ]
