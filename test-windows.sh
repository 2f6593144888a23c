#!/usr/bin/env bash
# Quillet on Windows: cross-builds the window, quillet-scan and their tests with mingw-w64 in
# build-windows/, packs the zip a Windows user unpacks (dist/quillet-<version>-windows-x86_64.zip)
# and runs the tests under Wine, in a Wine prefix of its own there. Installs the cross compiler,
# Wine and GoogleTest's sources when missing, and builds the Qt for Windows the first time
# (tools/windows-qt.sh: 26 minutes on two cores, cached outside the checkout). Exits
# non-zero on a failure; when Wine cannot start at all it says so and exits 0.
set -u
QUILLET_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$QUILLET_ROOT/tools/setup.sh"

quillet_packages=(cmake ninja-build g++-mingw-w64-x86-64-posix wine64 googletest
    qt6-l10n-tools qt6-translations-l10n)
quillet_install_packages

build="$QUILLET_ROOT/build-windows"
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
export WINEPREFIX="$build/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# The test programs find Qt's DLLs and the compiler's runtime DLLs where they were installed.
windows_path() { echo "Z:${1//\//\\}"; }

qt=$("$QUILLET_ROOT/tools/windows-qt.sh")
[ -f "$qt/.complete" ] || { echo "test-windows.sh: no Qt for Windows" >&2; exit 1; }

launcher=()
if command -v ccache >/dev/null 2>&1; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
mkdir -p "$build"
cmake -S "$QUILLET_ROOT" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_TOOLCHAIN_FILE="$QUILLET_ROOT/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$wine" -DQUILLET_WERROR=ON "${launcher[@]}" \
    -DQUILLET_WINDOWS_QT="$qt" -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >"$build/configure.log" 2>&1 || {
    cat "$build/configure.log" >&2
    exit 1
}
cmake --build "$build" || exit 1

# One Wine server for the whole run, started first so that the services Wine starts with the
# prefix stay up between test programs and hold none of their output pipes open. The first
# start makes the prefix; a Wine that cannot start at all is no failure of ours.
mkdir -p "$WINEPREFIX"
"$wineserver" -p >/dev/null 2>&1
# A first start under load can fail while the prefix is still being made: it is tried again.
wine_starts() { "$wine" cmd /c exit 0 >"$build/wine-start.log" 2>&1 </dev/null; }
if ! wine_starts && ! { sleep 5 && wine_starts; }; then
    "$wineserver" -k >/dev/null 2>&1
    tail -5 "$build/wine-start.log" >&2
    echo "test-windows.sh: Wine cannot start here; the Windows tests were not run." >&2
    exit 0
fi
# Drive N: of the prefix is a network drive, for the tests of what a network drive reports.
mkdir -p "$build/network-drive"
ln -sfn "$build/network-drive" "$WINEPREFIX/dosdevices/n:"
"$wine" reg add 'HKLM\Software\Wine\Drives' /v n: /d network /f >/dev/null 2>&1
# The prefix is the tests' own: settings an earlier run (or a trial of quillet.exe in it) left in
# its registry would otherwise be read by the next run's windows.
"$wine" reg delete 'HKCU\Software\Corvane' /f >/dev/null 2>&1
status=0
WINEPATH="$(windows_path "$qt/bin");$(windows_path /usr/lib/gcc/x86_64-w64-mingw32/12-posix);$(windows_path /usr/x86_64-w64-mingw32/lib)" \
    QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure || status=1
"$wineserver" -k >/dev/null 2>&1
exit $status
