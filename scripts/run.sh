#!/usr/bin/env bash
# Installs what is missing, builds Ombrelk and starts the calendar. Its
# settings file, Ombrelk.ini, lives in ${XDG_CONFIG_HOME:-~/.config}/ombrelk/.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh build
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF -DOMBRELK_BUILD_BENCH=OFF \
  -DOMBRELK_BUILD_QT=ON >/dev/null
cmake --build build -j"$(nproc)" --target ombrelk
config_dir="${XDG_CONFIG_HOME:-$HOME/.config}/ombrelk"
mkdir -p "$config_dir"
cd "$config_dir"
exec "$OLDPWD/build/platform/qt/ombrelk"
