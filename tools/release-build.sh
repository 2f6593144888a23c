#!/usr/bin/env bash
# Configures and builds a Release of the two programs the way a Debian package is built: -O3,
# with Debian's hardening flags (dpkg-buildflags: fortify, stack protector, relro, bind now,
# PIE) when dpkg-buildflags is there, through ccache when it is installed. Tests are not built.
#   release-build.sh SOURCE-FOLDER BUILD-FOLDER [CMAKE-OPTION...]
# package.sh builds the packages with it, and a CTest check builds a Release once with it.
set -eu
source_dir=$(cd "$1" && pwd)
build_dir=$2
shift 2

cxxflags=
ldflags=
if command -v dpkg-buildflags >/dev/null 2>&1; then
    export DEB_BUILD_MAINT_OPTIONS=hardening=+all
    # CMake reads no CPPFLAGS, so the preprocessor's part goes with the compiler's.
    cxxflags="$(cd "$source_dir" && dpkg-buildflags --get CPPFLAGS) $(cd "$source_dir" && dpkg-buildflags --get CXXFLAGS)"
    ldflags=$(dpkg-buildflags --get LDFLAGS)
fi

launcher=()
if command -v ccache >/dev/null 2>&1; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

cmake -S "$source_dir" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" \
    -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON "${launcher[@]}" "$@"
cmake --build "$build_dir" --target quillet quillet-scan
