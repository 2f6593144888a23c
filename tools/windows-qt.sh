#!/usr/bin/env bash
# Builds the Qt that the Windows window links with, once per machine: Debian's own source of
# qt6-base (the host's Qt version), cross-built with mingw-w64 against the host's Qt tools, and
# installed into a cache folder outside the checkout, named after the version, the options and
# the fixes applied to its source (tools/windows-qt/*.patch), so later runs reuse it. Prints
# that folder, and only that, on standard output; what the build says goes to standard error.
# Usage: tools/windows-qt.sh   (QUILLET_QT_CACHE overrides the cache's parent folder)
set -u
QUILLET_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$QUILLET_ROOT/tools/setup.sh"

qt_version=6.4.2
# Only what the window and its tests use. Two of these are needed for the build to succeed at
# all: Debian's source leaves out the Wintab header (tabletevent), and without OpenGL the
# Windows platform plugin of this version only compiles with dynamicgl off. (Direct2D stays:
# without it this version's Qt6PrintSupport.dll does not link.)
qt_options=(
    -DBUILD_SHARED_LIBS=ON -DCMAKE_BUILD_TYPE=Release
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF
    -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF -DFEATURE_tabletevent=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
    -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_freetype=OFF
    -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_ico=ON
)
# Fixes to Qt's source, applied in name order (tools/windows-qt/*.patch, each says what it mends).
patches=("$QUILLET_ROOT"/tools/windows-qt/*.patch)
key=$({
    printf '%s\n' "$qt_version" "${qt_options[@]}"
    cat "${patches[@]}"
} | sha256sum | cut -c1-12)
cache_parent=${QUILLET_QT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/quillet}
prefix="$cache_parent/qt-$qt_version-mingw-$key"
if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi

quillet_packages=(cmake ninja-build g++-mingw-w64-x86-64-posix qt6-base-dev qt6-base-dev-tools
    dpkg-dev xz-utils patch)
quillet_install_packages >&2

# Debian's source packages come from the same mirrors as its binaries: a deb-src entry is added
# beside the machine's own when none is there.
sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
if ! grep -rqs '^Types:.*deb-src\|^deb-src ' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
        sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
            "${sudo[@]}" tee /etc/apt/sources.list.d/quillet-deb-src.sources >/dev/null
    else
        grep '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' |
            "${sudo[@]}" tee /etc/apt/sources.list.d/quillet-deb-src.list >/dev/null
    fi
    "${sudo[@]}" apt-get update -q >&2 || exit 1
fi

work="$cache_parent/qt-$qt_version-work"
rm -rf "$work"
mkdir -p "$work" || exit 1
started=$(date +%s)
# Only the upstream tarball is unpacked: Debian's patches are written for Linux builds.
(cd "$work" && apt-get source --download-only -q qt6-base) >&2 || exit 1
tarball=$(echo "$work"/qt6-base_"$qt_version"*.orig.tar.xz)
if [ ! -f "$tarball" ]; then
    echo "Debian's qt6-base source is not version $qt_version:" "$work"/*.orig.tar.* >&2
    exit 1
fi
tar -C "$work" -xf "$tarball" || exit 1
source_dir=$(echo "$work"/qtbase-everywhere-src-*)
for patch_file in "${patches[@]}"; do
    patch -d "$source_dir" -p1 --forward --quiet <"$patch_file" >&2 || {
        echo "Qt's source does not take $patch_file" >&2
        exit 1
    }
done

cmake -S "$source_dir" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$QUILLET_ROOT/cmake/mingw-w64-x86_64.cmake" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_INSTALL_PREFIX="$prefix" "${qt_options[@]}" >"$work/configure.log" 2>&1 || {
    tail -30 "$work/configure.log" >&2
    exit 1
}
cmake --build "$work/build" >&2 || exit 1
cmake --install "$work/build" >/dev/null || exit 1
touch "$prefix/.complete"
rm -rf "$work"
echo "Qt $qt_version for Windows built in $(($(date +%s) - started)) s" >&2
echo "$prefix"
