#!/usr/bin/env bash
# Times what comparing with an earlier scan costs: quillet-scan --since EXPORT TREE against a
# plain scan of the same tree, run in turn, warm cache; median wall times and peak memory, and
# their ratios. The earlier scan is held as names and sizes only, so the ratios should stay at
# most 1.3 (time) and 1.6 (memory).
#
#   bench/since.sh [ENTRIES] [RUNS]      (defaults: 1000000 entries, 5 runs each)
#
# Needs a build in build/. The tree is made once under ${QUILLET_BENCH_DIR:-/var/tmp/quillet-bench}
# and kept for later runs; the export is written beside it.
set -eu
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
entries=${1:-1000000}
runs=${2:-5}
bin=$root/build/bench
scan=$root/build/src/cli/quillet-scan
base=${QUILLET_BENCH_DIR:-/var/tmp/quillet-bench}
tree=$base/tree-$entries
export=$base/export-$entries.json

cmake --build "$root/build" --target quillet-scan quillet-maketree quillet-measure >/dev/null
if [ ! -d "$tree" ]; then
    mkdir -p "$base"
    echo "Making a tree of $entries entries in $tree ..."
    "$bin/quillet-maketree" "$tree" "$entries"
fi
"$scan" --export "$export" "$tree"

median() { printf '%s\n' "$@" | sort -g | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }
scan_t=() scan_m=() since_t=() since_m=()
for _ in $(seq "$runs"); do
    read -r t m < <("$bin/quillet-measure" "$scan" "$tree")
    scan_t+=("$t") scan_m+=("$m")
    read -r t m < <("$bin/quillet-measure" "$scan" --since "$export" "$tree")
    since_t+=("$t") since_m+=("$m")
done

awk -v s="$(median "${scan_t[@]}")" -v sm="$(median "${scan_m[@]}")" \
    -v c="$(median "${since_t[@]}")" -v cm="$(median "${since_m[@]}")" 'BEGIN {
    printf "plain scan median:   %.3f s, peak memory %.1f MiB\n", s, sm / 1024
    printf "--since median:      %.3f s, peak memory %.1f MiB\n", c, cm / 1024
    printf "--since / plain:     time %.2f, memory %.2f\n", c / s, cm / sm
}'
