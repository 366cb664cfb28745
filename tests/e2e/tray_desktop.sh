#!/bin/bash
# The real binary's tray icon on an Xvfb desktop with openbox, three ways: embedded
# in trayer's panel (XEmbed), registered with a StatusNotifierWatcher on a private
# session bus (a python3-dbusmock one), and on a desktop with no tray at all.
# Skips (exit 77) when a tool is missing. KELVARO_SHOTS=DIR keeps the screenshots.
set -u
BIN=$1
FIRST_DISPLAY=150
. "$(dirname "$0")/desktop_session.sh"
desktop_session trayer xdotool xwininfo xprop xwd dbus-daemon dbus-send
/usr/bin/python3 -c 'import dbusmock' 2>/dev/null || { echo "skipped: python3-dbusmock is not installed"; exit 77; }
export KELVARO_NO_NETWORK=1

mapped() { xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; }
# On the window manager's client list: the taskbar shows a button for it.
listed() { xprop -root _NET_CLIENT_LIST | grep -qi "$(printf '0x%x' "$1")"; }
shot() { [ -n "${KELVARO_SHOTS:-}" ] && mkdir -p "$KELVARO_SHOTS" && xwd -root -silent >"$KELVARO_SHOTS/$1.xwd"; true; }
mainwin() { xdotool search --name '^Kelvaro Clock$' 2>/dev/null | while read -r id; do
  [ "$(xwininfo -id "$id" | awk '/Width:/{print $NF}')" = 520 ] && echo "$id"; done | head -1; }
start_clock() {
  "$BIN" --dir "$W/prog$1" 2>"$W/err$1" & CLOCK=$!; PIDS+=($CLOCK); disown
  waitfor test -n "$(mainwin)"; MAIN=$(mainwin); waitfor mapped "$MAIN"
}
stop_clock() { kill "$CLOCK"; waitfor eval '! kill -0 $CLOCK 2>/dev/null'; }

# 1. XEmbed in trayer's panel, no session bus.
DBUS_SESSION_BUS_ADDRESS=disabled: trayer --edge top --align right --widthtype request --height 24 \
  --transparent false --tint 0x404040 >/dev/null 2>&1 & TRAYER=$!; PIDS+=($TRAYER); disown
sleep 0.5
DBUS_SESSION_BUS_ADDRESS=disabled: start_clock 1
# The icon: a 22x22 window of ours inside the panel, "+X+Y" its place on the screen.
icon=$(xwininfo -root -tree | awk '/"Kelvaro Clock": \("kelvaro"/ && /22x22/ {print $NF; exit}')
check "the icon is embedded in trayer's panel ($icon)" test -n "$icon"
IFS=+ read -r _ ix iy <<<"$icon"
shot tray-xembed
xdotool mousemove $((ix + 11)) $((iy + 11)) click 1
waitfor eval '! mapped $MAIN'
check "a left click puts the window down to the tray" eval '! mapped $MAIN'
check "down in the tray it has no taskbar button" eval '! listed $MAIN'
sleep 0.7 # not a double click, which does nothing
xdotool mousemove $((ix + 11)) $((iy + 11)) click 1
waitfor mapped "$MAIN"
check "a second click brings it back" mapped "$MAIN"
sleep 0.7
xdotool mousemove $((ix + 11)) $((iy + 11)) click 1
waitfor eval '! mapped $MAIN'
"$BIN" --dir "$W/prog1" 2>>"$W/err1"
waitfor mapped "$MAIN"
sleep 1.5 # the refreshes of the next seconds must not put it down again
check "a second start brings it back from the tray, and it stays" mapped "$MAIN"
xdotool mousemove $((ix + 11)) $((iy + 11)) click 3
sleep 0.7
# The tray opens the menu it was handed where the click was (Qt keeps it whole on the screen).
menu=$(xwininfo -root -tree | grep '("kelvaro"' | grep -E "\+[0-9]+\+$((iy + 11))\$")
check "a right click opens the tray's menu at the pointer" test -n "$menu"
shot tray-menu
xdotool key Down Return
check "the menu goes by the keyboard: Down and Enter on \"Alarm ON / OFF\" switch the alarm off" \
  waitfor eval '"$BIN" --dir "$W/prog1" --status 2>/dev/null | grep -q "alarm on: no"'
stop_clock
check "SIGTERM after the menu was open ends the program" eval '! kill -0 $CLOCK 2>/dev/null'
kill "$TRAYER"

# 2. A StatusNotifierWatcher on a private session bus.
dbus-daemon --session --nofork --nopidfile --address="unix:path=$W/bus" --print-address=1 >"$W/bus.addr" 2>/dev/null &
PIDS+=($!); disown
waitfor test -s "$W/bus.addr"
export DBUS_SESSION_BUS_ADDRESS=$(cat "$W/bus.addr")
/usr/bin/python3 -m dbusmock -l "$W/watcher.log" org.kde.StatusNotifierWatcher /StatusNotifierWatcher \
  org.kde.StatusNotifierWatcher >/dev/null 2>&1 & PIDS+=($!); disown
hasname() { dbus-send --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.NameHasOwner string:"$1" 2>/dev/null | grep -q 'boolean true'; }
waitfor hasname org.kde.StatusNotifierWatcher
WATCHER="dbus-send --print-reply=literal --dest=org.kde.StatusNotifierWatcher /StatusNotifierWatcher org.freedesktop.DBus.Mock"
$WATCHER.AddProperty string:org.kde.StatusNotifierWatcher string:IsStatusNotifierHostRegistered variant:boolean:true >/dev/null
$WATCHER.AddProperty string:org.kde.StatusNotifierWatcher string:ProtocolVersion variant:int32:0 >/dev/null
$WATCHER.AddMethod string:org.kde.StatusNotifierWatcher string:RegisterStatusNotifierItem string:s string: string: >/dev/null
start_clock 2
waitfor grep -q RegisterStatusNotifierItem "$W/watcher.log"
item=$(grep -o 'RegisterStatusNotifierItem "[^"]*"' "$W/watcher.log" | head -1 | cut -d'"' -f2)
check "the item registers with the watcher ($item)" test -n "$item"
tip=$(dbus-send --print-reply --dest="$item" /StatusNotifierItem org.freedesktop.DBus.Properties.Get \
  string:org.kde.StatusNotifierItem string:ToolTip 2>/dev/null | tr '\n' ' ')
check "its tip names the program and its version" eval 'grep -q "Version 3.23n" <<<"$tip"'
activate() { dbus-send --print-reply --dest="$item" /StatusNotifierItem org.kde.StatusNotifierItem.Activate int32:10 int32:10 >/dev/null; }
activate
waitfor eval '! mapped $MAIN'
check "Activate puts the window down to the tray" eval '! mapped $MAIN'
activate
waitfor mapped "$MAIN"
check "a second Activate brings it back" mapped "$MAIN"
stop_clock
export DBUS_SESSION_BUS_ADDRESS=disabled:

# 3. No tray: minimised, the window keeps its taskbar button.
start_clock 3
xdotool windowactivate --sync "$MAIN" key alt+w
sleep 0.5
xdotool key m
# With no notification service either, a box says once why the window stays on the taskbar.
note() { xdotool search --onlyvisible --name '^Kelvaro Clock$' 2>/dev/null | grep -v "^$MAIN$" | head -1; }
waitfor eval 'test -n "$(note)"'
check "the first minimise says that there is no tray" test -n "$(note)"
xdotool windowactivate --sync "$(note)" key Return 2>/dev/null
waitfor eval '! mapped $MAIN'
check "without a tray \"Minimize\" iconifies the window" eval '! mapped $MAIN'
check "and it keeps its taskbar button" listed "$MAIN"
"$BIN" --dir "$W/prog3" 2>>"$W/err3"
waitfor mapped "$MAIN"
sleep 1.5
check "a second start brings the iconified window back, and it stays" mapped "$MAIN"
xdotool windowactivate --sync "$MAIN" key alt+w
sleep 0.5
xdotool key m
waitfor eval '! mapped $MAIN'
check "the second minimise goes down without a word" eval '! mapped $MAIN && test -z "$(note)"'
stop_clock
[ "$failed" -eq 0 ] || tail -n 5 "$W"/err*
echo "# $passed passed, $failed failed"
[ "$failed" -eq 0 ]
