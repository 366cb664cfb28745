#!/bin/sh
# Fuzzes the list file reader for a while (default 60 s) with libFuzzer, ASan and UBSan.
# Usage: bench/list_file_fuzz/run.sh [seconds] [build-dir]
set -eu
seconds=${1:-60}
here=$(cd "$(dirname "$0")" && pwd)
src=$(cd "$here/../../src" && pwd)
out=${2:-${BUILD_DIR:-/tmp/kelvaro-list-fuzz}}/list_file_fuzz
mkdir -p "$out/corpus"

if command -v clang++ >/dev/null 2>&1; then
    clang++ -std=c++20 -O1 -g -DKELVARO_LIBFUZZER -fsanitize=fuzzer,address,undefined \
        -fno-sanitize-recover=undefined -I"$src" "$here/list_file_fuzz.cpp" \
        "$src/sound/list_file.cpp" "$src/settings/text_file.cpp" -o "$out/list_file_fuzz"
    # A few seeds in the real shapes: a music row, a city row, a Windows-1252 city.
    printf '\002TaDa.mp3\007/home/me/\007\r\n' >"$out/corpus/music"
    printf '\031Sydney\00710.00\0071\007\007\007\007\r\n' >"$out/corpus/city"
    printf '\002Montr\351al\007-5.00\007' >"$out/corpus/latin1"
    exec "$out/list_file_fuzz" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
        -artifact_prefix="$out/" "$out/corpus"
else
    c++ -std=c++20 -O2 -I"$src" "$here/list_file_fuzz.cpp" "$src/sound/list_file.cpp" \
        "$src/settings/text_file.cpp" -o "$out/list_file_fuzz"
    exec "$out/list_file_fuzz" "$seconds"
fi
