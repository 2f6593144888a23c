#!/usr/bin/env bash
# Times what a scan that travels costs: quillet-scan --export against a plain scan of the same
# tree, and quillet-scan --import of that export against ncdu reading it (ncdu -f FILE -o
# /dev/null, since ncdu imports only into its browser or into a new export). Warm cache,
# median wall times and peak memory. The export writes entries as the folders are read and
# keeps no tree, so its memory should stay flat, at most 16 MiB, whatever ENTRIES. ncdu
# converts a file to a file as a stream without building its tree, so its memory stays flat
# too; the import builds the whole tree, as the window needs.
# Last, what comparing with that export costs: quillet-scan --since EXPORT TREE against the
# plain scan. The earlier scan is held as names and sizes only, so the ratios should stay at
# most 1.3 (time) and 1.6 (memory).
#
#   bench/export-import.sh [ENTRIES] [RUNS]      (defaults: 1000000 entries, 5 runs each)
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

"$scan" "$tree" >/dev/null
"$scan" --export "$export" "$tree"
median() { printf '%s\n' "$@" | sort -g | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }
scan_t=() scan_m=() export_t=() export_m=() import_t=() import_m=()
ncdu_t=() ncdu_m=() since_t=() since_m=()
for _ in $(seq "$runs"); do
    read -r t m < <("$bin/quillet-measure" "$scan" "$tree")
    scan_t+=("$t") scan_m+=("$m")
    read -r t m < <("$bin/quillet-measure" "$scan" --export "$export" "$tree")
    export_t+=("$t") export_m+=("$m")
    read -r t m < <("$bin/quillet-measure" "$scan" --import "$export")
    import_t+=("$t") import_m+=("$m")
    if command -v ncdu >/dev/null; then
        read -r t m < <("$bin/quillet-measure" sh -c 'exec ncdu -f "$1" -o /dev/null 2>/dev/null' \
            sh "$export")
        ncdu_t+=("$t") ncdu_m+=("$m")
    fi
    read -r t m < <("$bin/quillet-measure" "$scan" --since "$export" "$tree")
    since_t+=("$t") since_m+=("$m")
done

awk -v s="$(median "${scan_t[@]}")" -v e="$(median "${export_t[@]}")" \
    -v em="$(median "${export_m[@]}")" -v i="$(median "${import_t[@]}")" \
    -v im="$(median "${import_m[@]}")" \
    -v bytes="$(stat -c %s "$export")" 'BEGIN {
    printf "export file:               %.1f MiB\n", bytes / 1048576
    printf "plain scan median:         %.3f s\n", s
    printf "scan + export median:      %.3f s (%.2f x the plain scan), peak memory %.1f MiB\n", e,
        e / s, em / 1024
    printf "import median:             %.3f s, peak memory %.1f MiB\n", i, im / 1024
}'
if [ ${#ncdu_t[@]} -gt 0 ]; then
    awk -v n="$(median "${ncdu_t[@]}")" -v nm="$(median "${ncdu_m[@]}")" \
        -v i="$(median "${import_t[@]}")" 'BEGIN {
        printf "ncdu -f median:            %.3f s, peak memory %.1f MiB (import / ncdu %.2f)\n",
            n, nm / 1024, i / n
    }'
fi
awk -v s="$(median "${scan_t[@]}")" -v sm="$(median "${scan_m[@]}")" \
    -v c="$(median "${since_t[@]}")" -v cm="$(median "${since_m[@]}")" 'BEGIN {
    printf "--since median:            %.3f s, peak memory %.1f MiB\n", c, cm / 1024
    printf "--since / plain scan:      time %.2f, memory %.2f (plain: %.1f MiB)\n", c / s, cm / sm,
        sm / 1024
}'
