#!/usr/bin/env bash
# Sets up, then builds and runs every test twice: a normal build in build/ and one with
# AddressSanitizer and UndefinedBehaviorSanitizer in build-asan/, warnings as errors in both (the
# first run also checks that a Release build compiles); then the scan and platform tests, where
# the threads are, under ThreadSanitizer in build-tsan/; then the Windows build of the scan
# engine under Wine (test-windows.sh). Exits non-zero on any failure.
set -u
QUILLET_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$QUILLET_ROOT/tools/setup.sh"

quillet_install_packages

status=0
quillet_build "$QUILLET_ROOT/build" -DQUILLET_WERROR=ON
ctest --test-dir "$QUILLET_ROOT/build" --output-on-failure -j2 || status=1

quillet_build "$QUILLET_ROOT/build-asan" -DQUILLET_SANITIZE=ON -DQUILLET_WERROR=ON
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir "$QUILLET_ROOT/build-asan" --output-on-failure -j2 || status=1

quillet_configure "$QUILLET_ROOT/build-tsan" -DQUILLET_TSAN=ON -DQUILLET_WERROR=ON
cmake --build "$QUILLET_ROOT/build-tsan" --target scan_tests platform_tests || exit 1
# ThreadSanitizer wants its shadow memory at fixed addresses, which the wider address
# randomisation of some kernels collides with ("unexpected memory mapping"): the tests run
# without randomisation where the system allows it. Any report fails its test.
no_aslr=()
setarch "$(uname -m)" -R true 2>/dev/null && no_aslr=(setarch "$(uname -m)" -R)
TSAN_OPTIONS=second_deadlock_stack=1 "${no_aslr[@]}" ctest --test-dir "$QUILLET_ROOT/build-tsan" \
    --output-on-failure --no-tests=error -j2 -L '^(scan_tests|platform_tests)$' || status=1

# The scan engine and quillet-scan cross-built for Windows, tested under Wine.
"$QUILLET_ROOT/test-windows.sh" || status=1

exit $status
