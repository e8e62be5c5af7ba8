#!/usr/bin/env bash
# Builds both Windows programs and packs them into dist/:
#   Ombrelk-VERSION-setup.exe   the per-user installer (packaging/windows/ombrelk.nsi)
#   Ombrelk-VERSION-win64.zip   the 64-bit program, a README and the licence
#   Ombrelk-VERSION-win32.zip   the same with the 32-bit program
# VERSION is the project's, from CMake. Everything is made the same, byte
# for byte, from the same commit: the time stamps come from SOURCE_DATE_EPOCH
# (the commit's time unless set), the zips' entries are sorted.
#   scripts/package-windows.sh [DIST_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
dist=${1:-dist}

scripts/install-deps.sh wine
for tool in makensis python3; do
  command -v "$tool" >/dev/null || {
    echo "FAIL: $tool is missing (scripts/install-deps.sh wine)" >&2
    exit 1
  }
done
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
export SOURCE_DATE_EPOCH
scripts/build-windows.sh

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build-win64/CMakeCache.txt)
[[ $version =~ ^[0-9]+\.[0-9]+$ ]] || {
  echo "FAIL: no major.minor project version in build-win64/CMakeCache.txt: '$version'" >&2
  exit 1
}
mkdir -p "$dist"
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
# Windows' editors want CRLF line ends.
sed "s/\${VERSION}/$version/; s/\$/\r/" packaging/windows/README.txt >"$stage/README.txt"
sed 's/$/\r/' LICENSE >"$stage/LICENSE.txt"

for target in win64 win32; do
  python3 - "$dist/Ombrelk-$version-$target.zip" "ombrelk.exe=build-$target/ombrelk.exe" \
    "README.txt=$stage/README.txt" "LICENSE.txt=$stage/LICENSE.txt" <<'PY'
import os, sys, time, zipfile
stamp = time.gmtime(max(int(os.environ["SOURCE_DATE_EPOCH"]), 315532800))[:6]  # zip starts at 1980
with zipfile.ZipFile(sys.argv[1], "w", zipfile.ZIP_DEFLATED, compresslevel=9) as z:
    for name, path in sorted(a.split("=", 1) for a in sys.argv[2:]):
        info = zipfile.ZipInfo(name, stamp)
        info.compress_type = zipfile.ZIP_DEFLATED
        info.create_system = 0  # MS-DOS: no Unix owner or permissions
        info.external_attr = 0x20  # archive
        with open(path, "rb") as f:
            z.writestr(info, f.read())
PY
done

# The installer is a 32-bit program, so that it starts on every Windows. Wine
# here runs 64-bit programs only: the Wine installer case installs a 64-bit
# build of the same script, made beside the 64-bit program.
nsis() {
  makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" \
    -DEXE64="$PWD/build-win64/ombrelk.exe" -DEXE32="$PWD/build-win32/ombrelk.exe" \
    -DICON="$PWD/build-win64/platform/backends/win32/ombrelk.ico" -DLICENSE="$stage/LICENSE.txt" \
    "$@" packaging/windows/ombrelk.nsi
}
nsis -DOUTFILE="$(realpath "$dist")/Ombrelk-$version-setup.exe"
nsis -DTARGET=amd64-unicode -DOUTFILE="$PWD/build-win64/Ombrelk-$version-setup-amd64.exe"
for f in "$dist/Ombrelk-$version-setup.exe" "$dist/Ombrelk-$version-win64.zip" \
  "$dist/Ombrelk-$version-win32.zip"; do
  echo "$f: $(stat -c %s "$f") bytes"
done
