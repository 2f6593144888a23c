#!/usr/bin/env bash
# Sets up, builds a Release with Debian's hardening flags and writes the two Debian packages
# of that one build: dist/quillet-scan_<version>_<arch>.deb (the scanner alone, for servers)
# and dist/quillet_<version>_<arch>.deb (the window, which needs the first).
# Install both with: apt-get install ./dist/quillet*_*.deb
set -u
QUILLET_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$QUILLET_ROOT/tools/setup.sh"

# lintian checks the packages at the end (the tests run it too when it is installed).
quillet_packages+=(lintian)
quillet_install_packages

build=$QUILLET_ROOT/build-package
"$QUILLET_ROOT/tools/release-build.sh" "$QUILLET_ROOT" "$build" -DCMAKE_INSTALL_PREFIX=/usr || exit 1
rm -rf "$build/cpack"
cpack --config "$build/CPackConfig.cmake" -B "$build/cpack" || exit 1

mkdir -p "$QUILLET_ROOT/dist"
for deb in "$build"/cpack/*.deb; do
    cp "$deb" "$QUILLET_ROOT/dist/" || exit 1
    echo "Written: dist/$(basename "$deb")"
    lintian "$deb" || exit 1
done
