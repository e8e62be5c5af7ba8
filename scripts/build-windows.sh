#!/usr/bin/env bash
# Builds the Windows program with Debian's mingw-w64, installing the cross
# compilers when they are missing:
#   build-win64/ombrelk.exe   64-bit
#   build-win32/ombrelk.exe   32-bit
# Each is linked statically: it needs nothing beyond the DLLs of Windows.
# Optimised for size (-Os: -O2 makes them 30 % larger); not compiled with
# -ffunction-sections (the flags are reset in a folder built with it before),
# which only adds padding here: the linker keeps the unwind tables whole, and
# with them every function of each object it links.
#   scripts/build-windows.sh [win64|win32]...   (default: both)
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh windows

targets=("$@")
((${#targets[@]})) || targets=(win64 win32)
for target in "${targets[@]}"; do
  case $target in
    win64) arch=x86_64 ;;
    win32) arch=i686 ;;
    *)
      echo "unknown target: $target (win64 or win32)" >&2
      exit 2
      ;;
  esac
  cmake -S . -B "build-$target" -DCMAKE_TOOLCHAIN_FILE="cmake/toolchains/mingw-w64-$arch.cmake" \
    -DCMAKE_BUILD_TYPE=MinSizeRel -DBUILD_TESTING=ON -DOMBRELK_BUILD_QT=OFF \
    -DOMBRELK_BUILD_BENCH=OFF -DCMAKE_CXX_FLAGS= >/dev/null
  cmake --build "build-$target" -j"$(nproc)" --target ombrelk
  "$arch-w64-mingw32-strip" -o "build-$target/ombrelk.exe" "build-$target/platform/backends/win32/ombrelk.exe"
  echo "build-$target/ombrelk.exe: $(stat -c %s "build-$target/ombrelk.exe") bytes"
done
