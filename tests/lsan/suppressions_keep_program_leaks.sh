#!/bin/bash
# The suite's leak settings (full stacks, tests/lsan.supp) must not hide a leak
# of the program's own code, even one made under glib's event loop.
set -u
PROBE=$1
. "$(dirname "$0")/../sanitizer_env.sh"
out=$("$PROBE" 2>&1); code=$?
if [ "$code" -eq 0 ] || ! grep -q "LeakSanitizer: detected memory leaks" <<<"$out"; then
  echo "not ok - a leak in a slot was not reported (exit $code):"; echo "$out"; exit 1
fi
if ! grep -q "leak_probe.cpp" <<<"$out"; then
  echo "not ok - the report does not point at the leaking line:"; echo "$out"; exit 1
fi
echo "ok - a leak in a slot is reported"
if grep -q "libglib" <<<"$out"; then echo "ok - its stack runs through glib and still is not suppressed"; fi
