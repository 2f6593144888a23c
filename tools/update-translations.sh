#!/usr/bin/env bash
# Brings translations/*.ts up to date with the window's texts (Qt's lupdate): new texts come
# in unfinished, texts gone from the code are dropped. Translate what is unfinished (Qt
# Linguist, or by hand) before committing; the catalogue test fails on any message left so.
set -eu
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
/usr/lib/qt6/bin/lupdate -silent -locations none -no-obsolete -source-language en -I src \
    src/app src/chart src/details src/settings -ts translations/quillet_*.ts
