#!/bin/bash
# What `apt-get install` adds to a minimal Debian 12 (the Essential and Priority: required
# packages, as debootstrap --variant=minbase lays down) for the clock and for two other alarm
# clocks, with Recommends, computed from the package lists alone: apt simulates against a status
# file that claims only the minimal set is installed. Nothing is downloaded or installed.
# Usage: bench/install-size/run.sh [path/to/kelvaro_*.deb]   (needs `apt-get update` done once)
set -euo pipefail
cd "$(dirname "$0")/../.."
deb=${1:-$(ls -t build-package/kelvaro_*.deb 2>/dev/null | head -1)}
[ -f "$deb" ] || { echo "no package: run scripts/package first" >&2; exit 1; }
W=$(mktemp -d)
trap 'rm -rf "$W"' EXIT
: >"$W/empty"
apt_sim() { # apt_sim STATUS-FILE ARGS... : apt-get's simulation against that status
  local status=$1; shift
  apt-get -s -o Dir::State::status="$status" -o APT::Install-Recommends=true \
    -o Debug::NoLocking=true "$@" 2>/dev/null
}

# The minimal system: every Essential or required package of the lists, with what they need.
apt-cache dumpavail | awk '/^Package:/{p=$2} /^(Essential: yes|Priority: required)$/{print p}' |
  sort -u >"$W/required"
apt_sim "$W/empty" --no-install-recommends install $(cat "$W/required") |
  awk '/^Inst /{print $2}' | sort -u >"$W/minbase"
# One stanza per package (the candidate version), marked installed.
apt-cache show --no-all-versions $(cat "$W/minbase") | sed '/^Package:/a Status: install ok installed' >"$W/status"
echo "minimal system: $(wc -l <"$W/minbase") packages"

report() { # report NAME APT-ARGS...: packages apt adds and their Installed-Size
  local name=$1; shift
  apt_sim "$W/status" install "$@" | awk '/^Inst /{print $2}' | { grep -vx kelvaro || true; } >"$W/$name.list"
  : >"$W/$name.sizes"
  [ -s "$W/$name.list" ] && apt-cache show --no-all-versions $(cat "$W/$name.list") |
    awk '/^Package:/{p=$2} /^Installed-Size:/{print $2, p}' >"$W/$name.sizes"
  [ "$name" = kelvaro ] && echo "$(dpkg-deb -f "$deb" Installed-Size) kelvaro" >>"$W/$name.sizes"
  awk -v name="$name" '{kib += $1; n++} END {printf "%-20s %4d packages %6.1f MiB\n", name, n, kib / 1024}' \
    "$W/$name.sizes"
}
case $deb in /*) ;; *) deb=./$deb ;; esac
report kelvaro "$deb"
report gnome-clocks gnome-clocks
report alarm-clock-applet alarm-clock-applet
report kelvaro-no-recommends "$deb" -o APT::Install-Recommends=false

echo
echo "Each of the clock's Depends and Recommends alone (first alternative), with its Recommends:"
{ dpkg-deb -f "$deb" Depends; echo ,; dpkg-deb -f "$deb" Recommends; } | tr ',' '\n' |
  sed 's/|.*//; s/(.*)//; s/ //g' | grep . | sort -u >"$W/direct"
while read -r p; do report "$p" "$p"; done <"$W/direct" | sort -k4 -rn
echo
echo "The clock's largest single packages (KiB, package):"
sort -rn "$W/kelvaro.sizes" | head -15
