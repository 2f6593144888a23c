#!/usr/bin/env bash
# Sets up, builds and runs Quillet on FOLDER (default: the working directory).
set -u
QUILLET_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$QUILLET_ROOT/tools/setup.sh"

quillet_install_packages
quillet_build "$QUILLET_ROOT/build"
exec "$QUILLET_ROOT/build/src/app/quillet" "${1:-$PWD}"
