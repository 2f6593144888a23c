#!/usr/bin/env bash
# Installs a build into a temporary prefix and checks what a desktop needs of it: the
# launcher is valid, its icon is where the launcher's name finds it, the programs and the
# example Excludes.ini are in place.
#   check-install.sh BUILD-FOLDER
set -eu
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
desktop=$prefix/share/applications/quillet.desktop
desktop-file-validate "$desktop"
icon=$(sed -n 's/^Icon=//p' "$desktop")
test -f "$prefix/share/icons/hicolor/scalable/apps/$icon.svg"
test -x "$prefix/bin/quillet"
test -x "$prefix/bin/quillet-scan"
grep -q '^\[Directories\]' "$prefix/bin/Excludes.ini"
# The example leaves nothing out: every line of its section is a comment.
! sed -n '/^\[Directories\]/,$p' "$prefix/bin/Excludes.ini" | grep -q '^[^;[]'
echo "installation checked"
