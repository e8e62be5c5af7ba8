#!/usr/bin/env bash
# Installs what is missing, builds Ombrelk and starts the calendar. Its
# settings file, Ombrelk.ini, lives in ${XDG_CONFIG_HOME:-~/.config}/ombrelk/.
# It builds in a folder of its own, build-run/, without tests or benchmarks
# (whose packages it does not install); scripts/test.sh keeps build/ with
# them, so neither run undoes the other's configuration.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh build
cmake -S . -B build-run -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF -DOMBRELK_BUILD_BENCH=OFF \
  -DOMBRELK_BUILD_QT=ON >/dev/null
cmake --build build-run -j"$(nproc)" --target ombrelk
# The installed menu entry's launcher: the same settings folder either way.
exec platform/backends/qt/ombrelk-launch "$PWD/build-run/platform/backends/qt/ombrelk"
