#!/usr/bin/env bash
# Installs what is missing, builds both Windows programs, checks that they
# import only Windows' own DLLs and runs the 64-bit one's end-to-end cases
# under Wine. The 32-bit program needs 32-bit Wine, which is not installed:
# it is built and checked, not run.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh wine
scripts/build-windows.sh
for target in win64 win32; do cmake --build "build-$target" -j"$(nproc)"; done
ctest --test-dir build-win32 --output-on-failure -L windows-exe
ctest --test-dir build-win64 --output-on-failure -j"$(nproc)"
