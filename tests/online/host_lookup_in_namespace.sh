#!/bin/bash
# Runs the look-up probe in a private network namespace with its own hosts file:
# only loopback exists there, so no look-up can leave the machine.
set -u
probe=$1
if ! unshare --net --mount -- true 2>/dev/null; then
  echo "skipped: cannot make a private network namespace here (unshare --net --mount)"; exit 77
fi
dir=$(mktemp -d); trap 'rm -rf "$dir"' EXIT
printf '127.0.0.1 localhost\n127.0.0.1 update.kelvaro.test\n' > "$dir/hosts"
out=$(unshare --net --mount -- sh -c 'ip link set lo up 2>/dev/null; mount --bind "$1" /etc/hosts && shift && exec "$@"' \
      sh "$dir/hosts" "$probe" localhost update.kelvaro.test nosuchhost.kelvaro.test)
echo "$out"
grep -qx "localhost found" <<<"$out" && grep -qx "update.kelvaro.test found" <<<"$out" &&
  grep -qx "nosuchhost.kelvaro.test not-found" <<<"$out"
