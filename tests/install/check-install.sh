#!/usr/bin/env bash
# Installs a build into a temporary prefix and checks what a desktop needs of it: the
# launcher is valid, its icon is where the launcher's name finds it, it never becomes what
# opens folders (xdg-mime on a clean home, when installed), the programs, their man
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
# No launcher claims folders: by the MIME applications rules any application associated with
# inode/directory may become what opens every folder, hidden or not. Quillet is reached
# through "Open with another application" and the file managers' own menu entries instead.
if grep -l 'inode/directory' "$prefix"/share/applications/*.desktop; then exit 1; fi
if command -v xdg-mime >/dev/null 2>&1 && command -v update-desktop-database >/dev/null 2>&1; then
    clean=$root/clean-home
    mkdir -p "$clean/data" "$clean/config"
    folder_opener() {
        env -i PATH=/usr/bin:/bin HOME="$clean" XDG_DATA_HOME="$clean/data" \
            XDG_CONFIG_HOME="$clean/config" XDG_CONFIG_DIRS="$clean/config" \
            XDG_DATA_DIRS="$prefix/share" xdg-mime query default inode/directory
    }
    # Both ways xdg-mime finds one: from the desktop files, and from the cache that
    # update-desktop-database writes on a system install.
    test -z "$(folder_opener)"
    update-desktop-database "$prefix/share/applications"
    test -z "$(folder_opener)"
    rm "$prefix/share/applications/mimeinfo.cache"
fi
test -x "$prefix/bin/quillet"
test -x "$prefix/bin/quillet-scan"
test "$(ls "$prefix/bin")" = "$(printf 'quillet\nquillet-scan')"
test -f "$prefix/share/man/man1/quillet.1.gz"
test -f "$prefix/share/man/man1/quillet-scan.1.gz"
# Where the installed window looks for its languages: ../share/quillet/translations.
test "$(ls "$prefix/share/quillet/translations")" = "$(printf 'quillet_de.qm\nquillet_es.qm\nquillet_fr.qm')"
excludes=$(find "$root" -path '*/etc/xdg/corvane/Excludes.ini')
grep -q '^\[Directories\]' "$excludes"
# The example leaves nothing out: every line of its section is a comment.
! sed -n '/^\[Directories\]/,$p' "$excludes" | grep -q '^[^;[]' || exit 1
echo "installation checked"
