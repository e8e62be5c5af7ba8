#!/usr/bin/env bash
# Installs what is missing, builds Ombrelk in build/ with its tests and
# benchmarks, and runs every test (scripts/run.sh builds in build-run/).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON -DOMBRELK_BUILD_BENCH=ON \
  -DOMBRELK_BUILD_QT=ON >/dev/null
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure -j"$(nproc)"
