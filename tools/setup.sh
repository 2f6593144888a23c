#!/usr/bin/env bash
# Installs the Debian packages that building and testing need, only those that are missing.
# Sourced by quillet.sh and test.sh; exits the caller with a message when it cannot install.

quillet_packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools libqt6svg6 libmount-dev fonts-dejavu-core
    # Qt's lupdate and lrelease make the window's catalogues; Qt's own catalogues translate its
    # standard dialogs (and go into the Windows zip).
    qt6-l10n-tools qt6-translations-l10n
    # The window asks the X server for the mouse buttons on Qt's own xcb connection.
    libxcb1-dev
    libgtest-dev desktop-file-utils
    # The Debian package and its check: dpkg-shlibdeps, `file` (CPack asks it which files
    # are programs), appstreamcli.
    dpkg-dev file appstream
    # Two other disk scanners: the import test reads their exports, and ncdu reads ours.
    ncdu gdu
)

quillet_missing_packages() {
    local missing=() pkg
    for pkg in "${quillet_packages[@]}"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$pkg")
    done
    echo "${missing[@]}"
}

quillet_install_packages() {
    local missing
    missing=$(quillet_missing_packages)
    [ -z "$missing" ] && return 0

    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1; then
            sudo=(sudo)
        else
            echo "Quillet needs these Debian packages: $missing" >&2
            echo "Run this script as root, or install sudo, or install them yourself:" >&2
            echo "    apt-get install $missing" >&2
            exit 1
        fi
    fi
    echo "Installing: $missing"
    export DEBIAN_FRONTEND=noninteractive
    # shellcheck disable=SC2086
    if ! "${sudo[@]}" apt-get update -q || ! "${sudo[@]}" apt-get install -y -q --no-install-recommends $missing; then
        echo "Could not install: $missing" >&2
        exit 1
    fi
}

# Configures one build folder: once, and again whenever arguments are given, so a folder set
# up by quillet.sh takes test.sh's options.
quillet_configure() {
    local dir=$1
    shift
    if [ ! -f "$dir/build.ninja" ] || [ $# -gt 0 ]; then
        cmake -S "$QUILLET_ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" || exit 1
    fi
}

# Configures and builds everything in one build folder.
quillet_build() {
    quillet_configure "$@"
    cmake --build "$1" || exit 1
}
