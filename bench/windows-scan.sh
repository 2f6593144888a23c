#!/usr/bin/env bash
# quillet-scan.exe against a plain FindFirstFileExW walk (win32-walk.exe) on the same tree,
# both under Wine, warm cache, alternating, with the median wall time of each. Wine's start is
# in every run: the walk of an empty folder shows what it costs.
#
#   bench/windows-scan.sh [ENTRIES] [RUNS]      (defaults: 100000 entries, 5 runs each)
#
# Needs build/ (for the tree maker and the timer) and build-windows/ (./test-windows.sh makes
# it). The tree is made once under ${QUILLET_BENCH_DIR:-/var/tmp/quillet-bench} and kept.
set -eu
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
entries=${1:-100000}
runs=${2:-5}
bin=$root/build/bench
win=$root/build-windows
base=${QUILLET_BENCH_DIR:-/var/tmp/quillet-bench}
tree=$base/tree-$entries
wine=/usr/lib/wine/wine64
export WINEPREFIX="$win/wineprefix" WINEDEBUG=-all

cmake --build "$root/build" --target quillet-maketree quillet-measure >/dev/null
cmake --build "$win" --target quillet-scan win32-walk >/dev/null
if [ ! -d "$tree" ]; then
    mkdir -p "$base"
    echo "Making a tree of $entries entries in $tree ..."
    "$bin/quillet-maketree" "$tree" "$entries"
fi
empty=$(mktemp -d)
trap 'rmdir "$empty"; /usr/lib/wine/wineserver -k >/dev/null 2>&1' EXIT
winpath() { echo "Z:${1//\//\\}"; }

/usr/lib/wine/wineserver -p >/dev/null 2>&1 || true
"$wine" "$win/bin/win32-walk.exe" "$(winpath "$tree")"
"$wine" "$win/bin/quillet-scan.exe" "$(winpath "$tree")" >/dev/null 2>&1
start=() walk=() scan=()
for _ in $(seq "$runs"); do
    read -r t _ < <("$bin/quillet-measure" "$wine" "$win/bin/win32-walk.exe" "$(winpath "$empty")")
    start+=("$t")
    read -r t _ < <("$bin/quillet-measure" "$wine" "$win/bin/win32-walk.exe" "$(winpath "$tree")")
    walk+=("$t")
    read -r t _ < <("$bin/quillet-measure" "$wine" "$win/bin/quillet-scan.exe" "$(winpath "$tree")")
    scan+=("$t")
done

median() { printf '%s\n' "$@" | sort -g | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }
printf 'Wine start (empty folder)     %8.3f s\n' "$(median "${start[@]}")"
printf 'FindFirstFileExW walk         %8.3f s\n' "$(median "${walk[@]}")"
printf 'quillet-scan.exe              %8.3f s\n' "$(median "${scan[@]}")"
