#!/usr/bin/env bash
# Fuzzes the version reader for a while (default 60 seconds) with libFuzzer, starting from
# generated PE and ELF files and any Windows programs on the machine. Not part of ./test.sh.
#
#   tests/fuzz/run-version-fuzz.sh [SECONDS]
set -eu
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
seconds=${1:-60}
build=$root/build-fuzz
command -v clang++ >/dev/null || { echo "Needs clang (apt-get install clang)" >&2; exit 1; }

if [ ! -f "$build/build.ninja" ]; then
    CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLET_FUZZ=ON
fi
cmake --build "$build" --target version-fuzz version-fuzz-seeds

corpus=$build/version-corpus
mkdir -p "$corpus"
"$build/tests/fuzz/version-fuzz-seeds" "$corpus"
find /usr/lib/x86_64-linux-gnu/wine -name '*.dll' -size -300k 2>/dev/null | head -n 20 |
    while read -r dll; do cp "$dll" "$corpus/"; done

"$build/tests/fuzz/version-fuzz" -max_total_time="$seconds" -max_len=300000 -print_final_stats=1 "$corpus"
