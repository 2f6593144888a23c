#!/usr/bin/env bash
# Times quillet-scan against du -sx on the same tree, warm cache, and reports the ratio of
# their median wall times and quillet-scan's peak memory per entry.
#
#   bench/scan-vs-du.sh [ENTRIES] [RUNS]      (defaults: 1000000 entries, 7 runs each)
#
# Needs a build in build/ (./quillet.sh or ./test.sh makes one). The tree is made once under
# ${QUILLET_BENCH_DIR:-/var/tmp/quillet-bench} and kept for later runs.
set -eu
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
entries=${1:-1000000}
runs=${2:-7}
bin=$root/build/bench
scan=$root/build/src/cli/quillet-scan
base=${QUILLET_BENCH_DIR:-/var/tmp/quillet-bench}
tree=$base/tree-$entries

cmake --build "$root/build" --target quillet-scan quillet-maketree quillet-measure >/dev/null
if [ ! -d "$tree" ]; then
    mkdir -p "$base"
    echo "Making a tree of $entries entries in $tree ..."
    "$bin/quillet-maketree" "$tree" "$entries"
fi
counted=$(find "$tree" -mindepth 1 | wc -l)

# Warm the cache, then alternate the two so both see the same machine state.
du -sx "$tree" >/dev/null
"$scan" "$tree" >/dev/null
du_times=() scan_times=() scan_rss=()
for _ in $(seq "$runs"); do
    read -r t _ < <("$bin/quillet-measure" du -sx "$tree")
    du_times+=("$t")
    read -r t rss < <("$bin/quillet-measure" "$scan" "$tree")
    scan_times+=("$t")
    scan_rss+=("$rss")
done

median() { printf '%s\n' "$@" | sort -g | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }
du_median=$(median "${du_times[@]}")
scan_median=$(median "${scan_times[@]}")
rss=$(median "${scan_rss[@]}")
awk -v n="$counted" -v d="$du_median" -v s="$scan_median" -v r="$rss" 'BEGIN {
    printf "entries:              %d\n", n
    printf "du -sx median:        %.3f s\n", d
    printf "quillet-scan median:  %.3f s\n", s
    printf "ratio scan / du:      %.3f\n", s / d
    printf "peak memory:          %.1f MiB, %.1f bytes per entry\n", r / 1024, r * 1024 / n
}'
