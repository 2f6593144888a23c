#!/usr/bin/env bash
# Times quillet-scan on the two shapes that break naive scanners: one folder of 500,000 files
# and a chain of 5,000 nested folders (the scan stops where paths pass the system's limit,
# as it must, without running out of stack). Reports time and peak memory of each.
#
#   bench/extremes.sh         (trees are made once under ${QUILLET_BENCH_DIR:-/var/tmp/quillet-bench})
set -eu
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
scan=$root/build/src/cli/quillet-scan
measure=$root/build/bench/quillet-measure
base=${QUILLET_BENCH_DIR:-/var/tmp/quillet-bench}
cmake --build "$root/build" --target quillet-scan quillet-measure >/dev/null
mkdir -p "$base"

wide=$base/wide-500000
if [ ! -d "$wide" ]; then
    echo "Making $wide ..."
    mkdir "$wide"
    (cd "$wide" && seq -f 'file%06g.dat' 500000 | xargs touch)
fi

deep=$base/deep-5000
if [ ! -d "$deep" ]; then
    echo "Making $deep ..."
    mkdir "$deep"
    # Relative steps: the full path of the deepest folder is longer than any path the system takes.
    (cd "$deep" && for _ in $(seq 5000); do mkdir d && cd d; done && touch bottom)
fi

for tree in "$wide" "$deep"; do
    "$scan" "$tree" >/dev/null
    read -r seconds kilobytes < <("$measure" "$scan" "$tree")
    awk -v t="$(basename "$tree")" -v s="$seconds" -v k="$kilobytes" 'BEGIN { printf "%-20s %7.3f s  %7.1f MiB\n", t, s, k / 1024 }'
done
