#!/bin/bash
# Pictures of the real binary on an Xvfb desktop with openbox and a tray, for a person
# to look at: the main window, each page of the settings notebook and the tray menu.
# Usage: desktop_screenshots.sh BINARY [OUTDIR] (default /tmp/kelvaro-desktop-shots).
set -u
BIN=$1
OUT=${2:-/tmp/kelvaro-desktop-shots}
FIRST_DISPLAY=170
. "$(dirname "$0")/desktop_session.sh"
desktop_session trayer xdotool xwininfo xwd convert
export KELVARO_NO_NETWORK=1 DBUS_SESSION_BUS_ADDRESS=disabled:
mkdir -p "$OUT"
shot() { xwd -root -silent | convert xwd:- "$OUT/$1.png"; echo "$OUT/$1.png"; }
trayer --edge top --align right --widthtype request --height 24 --transparent false --tint 0x404040 \
  >/dev/null 2>&1 & PIDS+=($!); disown
sleep 0.5
"$BIN" --dir "$W/prog" 2>"$W/err" & PIDS+=($!); disown
waitfor test -n "$(xdotool search --onlyvisible --name '^Kelvaro Clock Settings$|^Kelvaro Clock$' 2>/dev/null)"
sleep 1.5
shot main-window
# The tray menu, from the icon at the panel's right end.
xdotool mousemove 1012 12 click 3
sleep 0.8
shot tray-menu
xdotool key Escape
sleep 0.3
# "Even More Settings": the last item of the Alarm menu.
main=$(xdotool search --onlyvisible --name '^Kelvaro Clock$' | tail -1)
xdotool windowactivate --sync "$main" key alt+a
sleep 0.5
xdotool key Up Return
waitfor test -n "$(xdotool search --onlyvisible --name 'Kelvaro Clock Settings' 2>/dev/null)"
sleep 1
for page in 1 2 3 4 5 6 7; do
  shot "notebook-page-$page"
  xdotool key ctrl+Tab
  sleep 0.6
done
