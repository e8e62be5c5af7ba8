#!/usr/bin/env bash
# Cross-builds the platform-neutral core and its tests for 64-bit Windows with
# mingw-w64 and runs them under Wine, in build-win/ with a Wine prefix of its
# own (build-win/wine), so that nothing of the user's Wine set-up is used.
#   scripts/test-windows-core.sh [BUILD_DIR]      (default: build-win)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-win}

missing=()
for p in g++-mingw-w64-x86-64-posix wine wine64; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo_cmd=()
  [[ $(id -u) -ne 0 ]] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=600 install -y -qq "${missing[@]}"
fi

cmake -S . -B "$build" --toolchain cmake/toolchains/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON >/dev/null
cmake --build "$build" -j"$(nproc)"

# The prefix made (or updated) to its end first, so that no test program
# meets it half made. No wineserver is kept running across the tests: the
# helper processes it keeps would hold ctest's output pipe open.
WINEPREFIX=$(cd "$build" && pwd)/wine
export WINEPREFIX WINEDEBUG=-all
wineboot --init >/dev/null 2>&1
wineserver --wait
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
