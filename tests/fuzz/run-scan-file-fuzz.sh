#!/usr/bin/env bash
# Fuzzes the scan file reader (quillet-scan --import, Open scan file...) for a while (default
# 60 seconds) with libFuzzer, starting from small exports written here. Not part of ./test.sh.
#
#   tests/fuzz/run-scan-file-fuzz.sh [SECONDS]
set -eu
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
seconds=${1:-60}
build=$root/build-fuzz
command -v clang++ >/dev/null || { echo "Needs clang (apt-get install clang)" >&2; exit 1; }

if [ ! -f "$build/build.ninja" ]; then
    CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLET_FUZZ=ON
fi
cmake --build "$build" --target scan-file-fuzz

corpus=$build/scan-file-corpus
mkdir -p "$corpus"
printf '%s' '[1,2,{"progname":"quillet-scan","progver":"1.0","timestamp":1700000000},
[{"name":"/srv"},
[{"name":"www","asize":4096,"dsize":4096,"dev":2049},
{"name":"index.html","asize":5000,"dsize":8192},
{"name":"linked","asize":100,"dsize":4096,"dev":2049,"ino":77,"hlnkc":true,"nlink":2}],
{"name":"odd \"\\\u00e9\ud83d\ude00\n","asize":1,"dsize":4096,"notreg":true},
{"name":"tmp","excluded":"pattern"},
{"name":"mnt","excluded":"othfs"},
[{"name":"locked","read_error":true}],
{"name":"again","asize":100,"dsize":4096,"dev":2049,"ino":77,"hlnkc":true,"nlink":2}]]
' >"$corpus/seed-export.json"
printf '%s' '[1,0,{"x":[1,-2.5e3,true,false,null,{"y":"z"}]},[{"name":"/"},[{"name":"a"},[{"name":"b"}]]]]' \
    >"$corpus/seed-nested.json"

dictionary=$build/scan-file.dict
printf '%s\n' '"\"name\""' '"\"asize\""' '"\"dsize\""' '"\"dev\""' '"\"ino\""' '"\"nlink\""' \
    '"\"hlnkc\""' '"\"read_error\""' '"\"excluded\""' '"\"othfs\""' '"\"notreg\""' '"true"' \
    '"false"' '"null"' '"\\u"' '"[{"' '"},"' '"]]"' >"$dictionary"

"$build/tests/fuzz/scan-file-fuzz" -max_total_time="$seconds" -max_len=65536 -timeout=10 \
    -dict="$dictionary" -print_final_stats=1 "$corpus"
