#!/usr/bin/env bash
# Makes the Debian package from a Release build (configured by tools/release-build.sh with
# prefix /usr) and checks it: its exact file list, its control fields and conffiles, and
# lintian, appstreamcli and desktop-file-validate on it when they are installed.
# Exits 77 (skipped) without dpkg-deb or dpkg-shlibdeps.
#   check-package.sh CPACK-COMMAND BUILD-FOLDER
set -eu
cpack=$1
build=$2
for tool in dpkg-deb dpkg-shlibdeps file; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "skipped: $tool is not installed"
        exit 77
    fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$cpack" --config "$build/CPackConfig.cmake" -B "$work/cpack" >"$work/cpack.log" ||
    { cat "$work/cpack.log"; exit 1; }
deb=$(echo "$work"/cpack/quillet_*_"$(dpkg --print-architecture)".deb)
test -f "$deb"

expected="./etc/xdg/corvane/Excludes.ini
./usr/bin/quillet
./usr/bin/quillet-scan
./usr/share/applications/quillet.desktop
./usr/share/doc/quillet/changelog.gz
./usr/share/doc/quillet/copyright
./usr/share/icons/hicolor/scalable/apps/quillet.svg
./usr/share/man/man1/quillet-scan.1.gz
./usr/share/man/man1/quillet.1.gz
./usr/share/metainfo/example.corvane.quillet.metainfo.xml"
files=$(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sort)
if [ "$files" != "$expected" ]; then
    echo "unexpected file list:"
    diff <(echo "$expected") <(echo "$files") || true
    exit 1
fi
# Owned by root, every file and folder.
! dpkg-deb -c "$deb" | awk '$2 != "root/root"' | grep -q .

test "$(dpkg-deb -f "$deb" Section)" = utils
test -n "$(dpkg-deb -f "$deb" Maintainer)"
test -n "$(dpkg-deb -f "$deb" Description | sed -n 2p)"
# Computed by dpkg-shlibdeps from the programs.
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6 (>= '
dpkg-deb -f "$deb" Depends | grep -q 'libc6 (>= '
test "$(dpkg-deb --info "$deb" conffiles)" = /etc/xdg/corvane/Excludes.ini

dpkg-deb -x "$deb" "$work/root"
if command -v appstreamcli >/dev/null 2>&1; then
    appstreamcli validate --no-net "$work"/root/usr/share/metainfo/*.metainfo.xml
fi
if command -v desktop-file-validate >/dev/null 2>&1; then
    desktop-file-validate "$work/root/usr/share/applications/quillet.desktop"
fi
if command -v lintian >/dev/null 2>&1; then
    lintian --fail-on error,warning "$deb"
fi
echo "package checked: $(basename "$deb")"
