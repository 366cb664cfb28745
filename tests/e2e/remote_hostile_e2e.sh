#!/bin/bash
# The clock's socket against another local user and a careless or hostile asker, with the
# real binary: a runtime folder too long for a socket path, another user's listener where a
# shared name would be, a request with no line end, silent connections, a crowd of them.
set -u
BIN=$1
[ "$(id -u)" -eq 0 ] || { echo "skip: another user's process needs root (setpriv)"; exit 77; }
command -v setpriv >/dev/null || { echo "skip: no setpriv"; exit 77; }
PY=/usr/bin/python3
W=$(mktemp -d)
chmod 711 "$W" # another user may pass through to the shared temp folder below
LONG=$W/run/$(printf 'r%.0s' $(seq 110))
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME=$W/config XDG_DATA_HOME=$W/data XDG_RUNTIME_DIR=$LONG
export TMPDIR=$W/tmp KELVARO_NO_NETWORK=1
mkdir -p "$LONG" "$TMPDIR" "$W/prog" && chmod 700 "$LONG" && chmod 1777 "$TMPDIR"
PIDS=()
cleanup() { for p in "${PIDS[@]}"; do kill -9 "$p" 2>/dev/null; done; rm -rf "$W"; }
trap cleanup EXIT
. "$(dirname "$0")/checks.sh"
has() { grep -qxF -- "$2" <<<"$1"; }
ask() { out=$("$BIN" --dir "$W/prog" "$@" 2>"$W/err"); code=$?; err=$(cat "$W/err"); }
nobody() { setpriv --reuid=65534 --regid=65534 --clear-groups "$@"; }
printf '[Data]\r\nHour=07\r\nMinute=30\r\nN24Hour=1\r\nAlarmON=1\r\nAlarmOFF=0\r\n' >"$W/prog/Kelvaro.ini"

# Another user listens, first, on every name in the shared temp folder the clock could take
# for its socket, and answers anything with "stopped".
# setpriv itself (not the function, whose subshell would be the PID) so that the kill reaches it.
setpriv --reuid=65534 --regid=65534 --clear-groups $PY - "$TMPDIR" "$(id -u)" "$W/tmp/heard" <<'PY' & PIDS+=($!)
import os, socket, sys, threading
tmp, uid, heard = sys.argv[1:]
def serve(path):
    s = socket.socket(socket.AF_UNIX); s.bind(path); s.listen(8)
    while True:
        c, _ = s.accept(); c.settimeout(1)
        try: data = c.recv(4096)
        except OSError: data = b""
        with open(heard, "ab") as f: f.write(data)
        try: c.sendall(b"0\nstopped")
        except OSError: pass
        c.close()
open(heard, "wb").close()
for name in ("kelvaro-" + uid, "kelvaro"):
    threading.Thread(target=serve, args=(os.path.join(tmp, name),), daemon=True).start()
threading.Event().wait()
PY
for _ in $(seq 50); do [ -S "$TMPDIR/kelvaro-$(id -u)" ] && break; sleep 0.1; done
ask --stop
check "--stop with another user's listener in the temp folder exits 4 (exit $code: $err)" test "$code" -eq 4
check "and the other user heard nothing" test ! -s "$W/tmp/heard"
ask --status
check "--status then reads the files (exit $code)" eval 'test "$code" -eq 0 && has "$out" "state: not running"'

"$BIN" --dir "$W/prog" 2>>"$W/clock.err" & clock=$!; PIDS+=($clock)
running() { ask --status; has "$out" "state: idle"; }
check "a clock with a ${#LONG}-character runtime folder answers --status" waitfor 10 running
# The other user's listener holds the name kelvaro-UID in TMPDIR: the socket goes to /tmp.
sock=$(ls -t "/tmp/kelvaro-$(id -u)"/kelvaro-*.socket 2>/dev/null | head -1)
check "its socket ($sock) sits in a folder of this user's with mode 0700" \
  eval 'test -n "$sock" && test "$(stat -c %a "$(dirname "$sock")")" = 700 && test ${#sock} -le 100'
check "the other user still heard nothing" test ! -s "$W/tmp/heard"
nobody $PY -c 'import socket,sys; socket.socket(socket.AF_UNIX).connect(sys.argv[1])' "$sock" 2>/dev/null
check "another user cannot reach the clock's socket" test $? -ne 0

rss() { awk '/^VmRSS/ {print $2}' "/proc/$clock/status"; }
before=$(rss)
flood=$($PY - "$sock" <<'PY'
import socket, sys, time
s = socket.socket(socket.AF_UNIX); s.connect(sys.argv[1]); s.settimeout(10)
began, sent = time.monotonic(), 0
chunk = b"x" * 65536
try:
    while sent < 512 * 2**20:
        sent += s.send(chunk)
except OSError:
    pass
print(sent, int((time.monotonic() - began) * 1000))
PY
)
after=$(rss)
read -r sent took <<<"$flood"
check "a request with no line end is dropped after $sent bytes in $took ms; the clock grew by $((after - before)) KiB" \
  eval 'test "$sent" -lt $((4 * 2**20)) && test $((after - before)) -lt 16384'
silent=$($PY - "$sock" <<'PY'
import socket, sys, time
s = socket.socket(socket.AF_UNIX); s.connect(sys.argv[1]); s.settimeout(10)
began = time.monotonic()
s.recv(1)
print(int((time.monotonic() - began) * 1000))
PY
)
check "a silent connection is closed by the clock after $silent ms" test "$silent" -lt 5000
crowd=$($PY - "$sock" <<'PY'
import socket, sys, time
socks = []
for _ in range(50):
    s = socket.socket(socket.AF_UNIX); s.connect(sys.argv[1]); s.settimeout(10); socks.append(s)
time.sleep(0.5)
def closed(s):
    s.setblocking(False)
    try: return s.recv(1) == b""
    except BlockingIOError: return False
    except OSError: return True
print(sum(closed(s) for s in socks))
PY
)
check "of 50 connections at once, $crowd were closed at once (at most 8 are kept)" test "$crowd" -ge 42
check "and the clock answers again afterwards" waitfor 10 running
kill -TERM "$clock"; wait "$clock"; code=$?
check "the clock ended normally (exit $code)" test "$code" -eq 0
check "the clock reported no memory error" eval '! grep -q "ERROR: AddressSanitizer" "$W/clock.err"'
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
