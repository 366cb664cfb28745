#!/bin/bash
# The real binary under Xvfb with openbox, where the seconds and the running lamp
# are copied into the window from X pixmaps while Qt's backing store keeps an older
# look: a window laid over the clock and taken away again must bring back the
# second it showed just before, not the one Qt painted last, and the clock ticks on.
# Skips (exit 77) when Xvfb, openbox, xdotool, xlogo, xwd or compare is missing.
set -u
BIN=$1
FIRST_DISPLAY=190
. "$(dirname "$0")/desktop_session.sh"
desktop_session xdotool xlogo xwd compare

KELVARO_NO_NETWORK=1 "$BIN" --dir "$W/prog" 2>"$W/err" & PROG=$!; PIDS+=($PROG); disown
waitfor test -n "$(shown '^Kelvaro Clock$')"
main=$(shown '^Kelvaro Clock$')
check "the main window is shown" test -n "$main"
[ -n "$main" ] || { cat "$W/err"; echo "# $passed passed, $failed failed"; exit 1; }
sleep 3 # a few seconds copied past Qt's paint
differ() { compare -metric AE "xwd:$W/$1.xwd" "xwd:$W/$2.xwd" null: 2>&1 | cut -d' ' -f1; }
take() { xwd -silent -id "$main" >"$W/$1.xwd"; }

take a
sleep 1.2
take b
check "the clock ticks on ($(differ a b) pixels changed)" test "$(differ a b)" != 0

# A window mapped over the clock and unmapped again: with no tick in between the
# clock must look as before, and Qt's stale second never would. Each try starts
# just after a tick; a slow machine may still let one fall in between, so one
# matching try of five is enough, and a stale second fails all five.
xlogo -geometry 700x500+100+100 >/dev/null 2>&1 & PIDS+=($!); disown
waitfor test -n "$(shown '^xlogo$')"
cover=$(shown '^xlogo$')
xdotool windowunmap --sync "$cover"
afterTick() { # takes "before" within a tenth of a second of a tick
  take before
  for _ in $(seq 30); do
    sleep 0.1
    take next
    [ "$(differ before next)" != 0 ] && { mv "$W/next.xwd" "$W/before.xwd"; return; }
  done
}
same=0
for try in 1 2 3 4 5; do
  afterTick
  xdotool windowmap --sync "$cover"
  xdotool windowunmap --sync "$cover"
  sleep 0.05
  take after
  [ "$(differ before after)" = 0 ] && same=$((same + 1))
done
check "uncovered, it shows the second it showed before ($same of 5 tries)" test "$same" -ge 1

kill -TERM "$PROG"
waitfor sh -c "! kill -0 $PROG 2>/dev/null"
echo "# $passed passed, $failed failed"
[ "$failed" -eq 0 ]
