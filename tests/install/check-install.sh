#!/usr/bin/env bash
# Installs a build into a temporary prefix and checks what a desktop needs of it: the
# launcher is valid, its icon is where the launcher's name finds it, the programs, their man
# pages and the example Excludes.ini are in place, and nothing but the programs is in bin/.
#   check-install.sh BUILD-FOLDER
set -eu
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
# Through DESTDIR, so that a destination outside the prefix (/etc) stays in the temporary root.
DESTDIR=$root cmake --install "$build" >/dev/null
prefix=$root$(sed -n 's/^CMAKE_INSTALL_PREFIX:PATH=//p' "$build/CMakeCache.txt")
desktop=$prefix/share/applications/quillet.desktop
desktop-file-validate "$desktop"
icon=$(sed -n 's/^Icon=//p' "$desktop")
test -f "$prefix/share/icons/hicolor/scalable/apps/$icon.svg"
test -x "$prefix/bin/quillet"
test -x "$prefix/bin/quillet-scan"
test "$(ls "$prefix/bin")" = "$(printf 'quillet\nquillet-scan')"
test -f "$prefix/share/man/man1/quillet.1.gz"
test -f "$prefix/share/man/man1/quillet-scan.1.gz"
excludes=$(find "$root" -path '*/etc/xdg/corvane/Excludes.ini')
grep -q '^\[Directories\]' "$excludes"
# The example leaves nothing out: every line of its section is a comment.
! sed -n '/^\[Directories\]/,$p' "$excludes" | grep -q '^[^;[]'
echo "installation checked"
