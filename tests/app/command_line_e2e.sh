#!/bin/bash
# The real binary's command line: answers without a display, refuses with status 2.
set -u
BIN=$1
VERSION=$2
passed=0 failed=0
check() { # check NAME COMMAND...
  local name=$1; shift
  if "$@"; then echo "ok - $name"; passed=$((passed + 1)); else echo "not ok - $name"; failed=$((failed + 1)); fi
}
out=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$BIN" --version 2>&1); code=$?
check "--version without a display prints the version" test "$code" -eq 0 -a "$out" = "kelvaro $VERSION"
out=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$BIN" --help 2>/dev/null); code=$?
check "--help without a display prints the usage" test "$code" -eq 0 -a -n "$(grep '^Usage: kelvaro' <<<"$out")"
err=$("$BIN" --frobnicate 2>&1 >/dev/null); code=$?
check "an unknown option exits with 2" test "$code" -eq 2
check "and says which on standard error" grep -q "Unknown option 'frobnicate'" <<<"$err"
err=$("$BIN" --dir "$BIN" 2>&1 >/dev/null); code=$?
check "a file given as --dir exits with 2" test "$code" -eq 2
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
