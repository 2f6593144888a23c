#!/usr/bin/env bash
# Times quillet-scan against a one-thread getdents64 + fstatat walk (quillet-walk), the same walk
# on two threads (quillet-walk-threads 2: "walk2") and du -sx on the same tree, warm cache and,
# as root, cold cache (the page cache dropped before each run), and reports median wall times,
# their ratios to the two walks and to du, and quillet-scan's peak memory per entry. "window"
# is the window's own scan of the tree, from its start to the folder shown (quillet-window-scan,
# offscreen), timed by the program itself.
#
#   bench/scan-vs-du.sh [ENTRIES] [RUNS] [COLD_RUNS] [SHAPE]   (defaults: 1000000 entries, 7
#                                                     warm and 3 cold runs of each, shape home)
#
# SHAPE is the tree maker's: home (most folders a dozen files), server (a folder every 11
# entries, with a few of thousands) or mixed (about fifty big folders among many small ones);
# see bench/MakeTree.cpp.
#
# QUILLET_SCAN_BASELINE=/path/to/an/older/quillet-scan adds that binary to the same rounds, so
# two builds can be compared on the same machine state.
#
# Needs a build in build/ (./quillet.sh or ./test.sh makes one). The tree is made once under
# ${QUILLET_BENCH_DIR:-/var/tmp/quillet-bench} and kept for later runs.
set -eu
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
entries=${1:-1000000}
runs=${2:-7}
cold_runs=${3:-3}
shape=${4:-home}
bin=$root/build/bench
base=${QUILLET_BENCH_DIR:-/var/tmp/quillet-bench}
tree=$base/tree-$entries
[ "$shape" = home ] || tree=$base/$shape-$entries

cmake --build "$root/build" --target quillet-scan quillet-maketree quillet-measure quillet-walk \
    quillet-walk-threads quillet-window-scan >/dev/null
if [ ! -d "$tree" ]; then
    mkdir -p "$base"
    echo "Making a tree of $entries entries in $tree ..."
    "$bin/quillet-maketree" "$tree" "$entries" 1 "$shape"
fi
counted=$(find "$tree" -mindepth 1 | wc -l)

names=(walk walk2 du scan window)
commands=("$bin/quillet-measure $bin/quillet-walk $tree"
    "$bin/quillet-measure $bin/quillet-walk-threads 2 $tree" "$bin/quillet-measure du -sx $tree"
    "$bin/quillet-measure $root/build/src/cli/quillet-scan $tree" "window_scan $tree")
settings=$(mktemp -d)
trap 'rm -rf "$settings"' EXIT

# Prints the window's own time and no memory figure (its memory is Qt's as much as the scan's).
window_scan() {
    echo "$(QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME=$settings "$bin/quillet-window-scan" "$1" \
        2>/dev/null) -"
}
if [ -n "${QUILLET_SCAN_BASELINE:-}" ]; then
    names+=(baseline)
    commands+=("$bin/quillet-measure $QUILLET_SCAN_BASELINE $tree")
fi

median() { printf '%s\n' "$@" | sort -g | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }

# One round runs every command once, in turn, so all see the same machine state; cold rounds
# drop the page cache before each command. Prints "name median-seconds median-kilobytes".
measure() {
    local rounds=$1 cold=$2 i
    local -A times=() memory=()
    for _ in $(seq "$rounds"); do
        for i in "${!names[@]}"; do
            if [ "$cold" = 1 ]; then
                sync
                echo 3 >/proc/sys/vm/drop_caches
            fi
            read -r t rss < <(eval "${commands[$i]}")
            times[$i]+="$t "
            memory[$i]+="$rss "
        done
    done
    for i in "${!names[@]}"; do
        # shellcheck disable=SC2086
        echo "${names[$i]} $(median ${times[$i]}) $(median ${memory[$i]})"
    done
}

report() {
    awk -v n="$counted" -v title="$1" '
        { name[NR] = $1; t[$1] = $2; m[$1] = $3 }
        END {
            printf "%s (medians):\n", title
            for (i = 1; i <= NR; i++) {
                k = name[i]
                printf "  %-9s %7.3f s  %5.2f x walk  %5.2f x walk2  %5.2f x du", k, t[k],
                       t[k] / t["walk"], t[k] / t["walk2"], t[k] / t["du"]
                if (k == "window") printf "  %5.2f x scan\n", t[k] / t["scan"]
                else printf "  %6.1f bytes/entry peak\n", m[k] * 1024 / n
            }
        }'
}

echo "entries: $counted"
for i in "${!names[@]}"; do eval "${commands[$i]}" >/dev/null; done  # warm the cache
measure "$runs" 0 | report "warm cache, $runs runs"
if [ "$cold_runs" = 0 ]; then
    echo "cold cache: no runs asked for"
elif [ "$(id -u)" = 0 ] && [ -w /proc/sys/vm/drop_caches ]; then
    measure "$cold_runs" 1 | report "cold cache, $cold_runs runs"
else
    echo "cold cache: skipped (dropping the page cache needs root)"
fi
