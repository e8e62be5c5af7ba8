#!/usr/bin/env bash
# Installs what is missing, builds both Windows programs with the core's unit
# tests, checks that the programs import only Windows' own DLLs, and runs
# under Wine the unit tests and the 64-bit program's end-to-end cases. The
# 32-bit program needs 32-bit Wine, which is not installed: it is built and
# checked, not run.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh wine
scripts/build-windows.sh
cmake --build build-win64 -j"$(nproc)"
# The installer and the zips in dist/, which the Wine installer case installs.
scripts/package-windows.sh
tests/wine/check_imports.sh build-win32/platform/backends/win32/ombrelk.exe i686-w64-mingw32-objdump \
  i686-w64-mingw32-strip

# The unit tests run in a prefix of their own, made here once; each
# end-to-end case copies the one its first test makes.
export WINEPREFIX=$PWD/build-win64/wine-prefix WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='
if [[ ! -f $WINEPREFIX/system.reg ]]; then
  DISPLAY='' wineboot -i >/dev/null 2>&1
  wineserver -w
fi
ctest --test-dir build-win64 --output-on-failure -j"$(nproc)"
wineserver -k 2>/dev/null || true
