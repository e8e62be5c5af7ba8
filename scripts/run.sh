#!/usr/bin/env bash
# Installs what is missing, builds Ombrelk and starts the calendar. Its
# settings file, Ombrelk.ini, lives in ${XDG_CONFIG_HOME:-~/.config}/ombrelk/.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh build
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF -DOMBRELK_BUILD_BENCH=OFF \
  -DOMBRELK_BUILD_QT=ON >/dev/null
cmake --build build -j"$(nproc)" --target ombrelk
# The installed menu entry's launcher: the same settings folder either way.
exec platform/qt/ombrelk-launch "$PWD/build/platform/qt/ombrelk"
