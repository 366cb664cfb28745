# The e2e scripts' checks: each prints "ok - NAME" or "not ok - NAME" and is counted.
# Sourced; the script ends with: echo "$passed passed, $failed failed".
passed=0 failed=0
check() { # check NAME CONDITION...
  local name=$1; shift
  if "$@"; then echo "ok - $name"; passed=$((passed + 1)); else echo "not ok - $name"; failed=$((failed + 1)); fi
}
waitfor() { # waitfor SECONDS CONDITION...
  local end=$((SECONDS + $1)); shift
  until "$@"; do [ $SECONDS -ge $end ] && return 1; sleep 0.2; done
}
