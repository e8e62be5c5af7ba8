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
# Debian's Wine ends the prefix's server as soon as its last program ends, and
# a test starting just then is cut off ("recvmsg: Connection reset by peer").
# A program that only waits holds the server for the whole run. It starts the
# desktop and Wine's system programs itself, with a file for their output: a
# test program starting them would leave them on its output pipe, which ctest
# reads to the end.
trap 'wineserver -k 2>/dev/null || true' EXIT
hold_log=build-win64/wine-hold.log
rm -f "$hold_log"
wine build-win64/tests/wine/ombrelk_tray_tool.exe hold >"$hold_log" 2>&1 &
for _ in $(seq 600); do
  grep -q ready "$hold_log" 2>/dev/null && break
  sleep 0.1
done
grep -q ready "$hold_log" || {
  echo "FAIL: Wine did not start the prefix's desktop (see $hold_log)" >&2
  exit 1
}
ctest --test-dir build-win64 --output-on-failure -j"$(nproc)"
