#!/usr/bin/env bash
# Makes the two Debian packages from a Release build (configured by tools/release-build.sh
# with prefix /usr) and checks them: each one's exact file list, control fields and
# conffiles, that quillet-scan needs nothing of Qt and quillet needs quillet-scan of its own
# version, and lintian, appstreamcli and desktop-file-validate on them when installed.
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
arch=$(dpkg --print-architecture)
scan=$(echo "$work"/cpack/quillet-scan_*_"$arch".deb)
window=$(echo "$work"/cpack/quillet_*_"$arch".deb)
test -f "$scan"
test -f "$window"
test "$(ls "$work/cpack"/*.deb | wc -l)" = 2

# check_files PACKAGE EXPECTED-FILES: exactly these files, all owned by root.
check_files() {
    local files
    files=$(dpkg-deb --fsys-tarfile "$1" | tar -t | grep -v '/$' | sort)
    if [ "$files" != "$2" ]; then
        echo "unexpected file list in $(basename "$1"):"
        diff <(echo "$2") <(echo "$files") || true
        exit 1
    fi
    if dpkg-deb -c "$1" | awk '$2 != "root/root"' | grep .; then exit 1; fi
}
check_files "$scan" "./etc/xdg/corvane/Excludes.ini
./usr/bin/quillet-scan
./usr/share/doc/quillet-scan/changelog.gz
./usr/share/doc/quillet-scan/copyright
./usr/share/man/man1/quillet-scan.1.gz"
check_files "$window" "./usr/bin/quillet
./usr/share/applications/quillet.desktop
./usr/share/doc/quillet/changelog.gz
./usr/share/doc/quillet/copyright
./usr/share/icons/hicolor/scalable/apps/quillet.svg
./usr/share/man/man1/quillet.1.gz
./usr/share/metainfo/example.corvane.quillet.metainfo.xml
./usr/share/quillet/translations/quillet_de.qm
./usr/share/quillet/translations/quillet_es.qm
./usr/share/quillet/translations/quillet_fr.qm"

version=$(dpkg-deb -f "$window" Version)
test "$(dpkg-deb -f "$scan" Version)" = "$version"
for deb in "$scan" "$window"; do
    test "$(dpkg-deb -f "$deb" Section)" = utils
    test "$(dpkg-deb -f "$deb" Source)" = quillet
    test -n "$(dpkg-deb -f "$deb" Maintainer)"
    test -n "$(dpkg-deb -f "$deb" Description | sed -n 2p)"
    # Computed by dpkg-shlibdeps from the program.
    dpkg-deb -f "$deb" Depends | grep -q 'libc6 (>= '
done
test "$(dpkg-deb -f "$scan" Description | head -1)" != "$(dpkg-deb -f "$window" Description | head -1)"
scan_depends=$(dpkg-deb -f "$scan" Depends)
echo "$scan_depends" | grep -q 'libmount1 (>= '
if echo "$scan_depends" | grep -i -E 'qt|libx|libgl|xdg'; then
    echo "quillet-scan must not need anything graphical"
    exit 1
fi
dpkg-deb -f "$window" Depends | grep -q 'libqt6widgets6 (>= '
dpkg-deb -f "$window" Depends | grep -q "quillet-scan (= $version)"
# Qt's own catalogues translate its standard dialogs in the window's language.
dpkg-deb -f "$window" Recommends | grep -q 'qt6-translations-l10n'

test "$(dpkg-deb --info "$scan" conffiles)" = /etc/xdg/corvane/Excludes.ini
if dpkg-deb --info "$window" conffiles 2>/dev/null; then exit 1; fi

dpkg-deb -x "$window" "$work/root"
if command -v appstreamcli >/dev/null 2>&1; then
    appstreamcli validate --no-net "$work"/root/usr/share/metainfo/*.metainfo.xml
fi
if command -v desktop-file-validate >/dev/null 2>&1; then
    desktop-file-validate "$work/root/usr/share/applications/quillet.desktop"
fi
if command -v lintian >/dev/null 2>&1; then
    lintian --fail-on error,warning "$scan" "$window"
fi
echo "packages checked: $(basename "$scan") $(basename "$window")"
