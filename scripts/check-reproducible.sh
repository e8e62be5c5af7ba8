#!/usr/bin/env bash
# Checks that the packages are reproducible: each is built twice from the
# current commit at two different paths (and with different umasks), and the
# two builds must be the same bytes.
#   scripts/check-reproducible.sh [--against-this-checkout] [deb|windows]...
# (default: every package). Both builds are made in fresh copies of the
# commit, so uncommitted changes are not part of the check. With
# --against-this-checkout the first build is the one this checkout already
# made (scripts/package.sh's and scripts/package-windows.sh's outputs, as CI
# has them at that point) and only the second is built anew; the checkout
# must then hold no changes, or its build would not be the commit's.
set -euo pipefail
cd "$(dirname "$0")/.."

# Where the first build is: a fresh copy, or "" for this checkout.
first_build=fresh

# A copy of the current commit's files in a new folder.
export_commit() {
  mkdir -p "$1"
  git archive --format=tar HEAD | tar -x -C "$1"
}

# Builds WHAT with SCRIPT in the folders FIRST and SECOND: a fresh copy each,
# or for FIRST this checkout as it stands.
#   build_twice WHAT SCRIPT FIRST SECOND LOGS
build_twice() {
  local what=$1 script=$2 a=$3 b=$4 logs=$5 epoch
  epoch=$(git log -1 --format=%ct)
  if [[ $first_build == fresh ]]; then
    (umask 022 && export_commit "$a")
    echo "Building $what in $a"
    (cd "$a" && SOURCE_DATE_EPOCH=$epoch "$script" >"$logs/a.log" 2>&1) ||
      { echo "FAIL: the first build failed, see $logs/a.log" >&2; return 1; }
  fi
  (umask 077 && export_commit "$b")
  echo "Building $what in $b"
  (cd "$b" && SOURCE_DATE_EPOCH=$epoch "$script" >"$logs/b.log" 2>&1) ||
    { echo "FAIL: the second build failed, see $logs/b.log" >&2; return 1; }
}

# The first build's folder under TMP.
first_folder() {
  if [[ $first_build == fresh ]]; then echo "$1/a"; else echo "$PWD"; fi
}

# Two files the same, or the packages' differing members named.
#   same_bytes WHAT FIRST SECOND
same_bytes() {
  sha256sum "$2" "$3"
  if cmp -s "$2" "$3"; then
    echo "$1: reproducible ($(stat -c %s "$2") bytes)"
    return 0
  fi
  echo "FAIL: $1 differs between the two builds" >&2
  return 1
}

# The Debian package, scripts/package.sh's dist/ombrelk_*.deb. On a
# difference, both builds' unpacked trees are compared file by file.
check_deb() {
  local tmp a b
  tmp=$(mktemp -d "${TMPDIR:-/tmp}/ombrelk-reproducible.XXXXXX")
  a=$(first_folder "$tmp")
  b=$tmp/second-build
  build_twice "the .deb" scripts/package.sh "$a" "$b" "$tmp" || return 1
  local debs=("$a"/dist/ombrelk_*.deb)
  local name=${debs[0]##*/}
  if ! same_bytes "$name" "$a/dist/$name" "$b/dist/$name"; then
    dpkg-deb -R "$a/dist/$name" "$tmp/a-unpacked"
    dpkg-deb -R "$b/dist/$name" "$tmp/b-unpacked"
    diff -r "$tmp/a-unpacked" "$tmp/b-unpacked" >&2 || true
    diff <(dpkg-deb -c "$a/dist/$name") <(dpkg-deb -c "$b/dist/$name") >&2 || true
    echo "the two builds are in $a and $b" >&2
    return 1
  fi
  rm -rf "$tmp"
}

# The Windows programs (both stripped .exe), the installer and the two zips,
# scripts/package-windows.sh's dist/. The build paths differ, so a path left
# in a program shows as a difference; a program naming its build folder
# fails even when both happen to agree.
check_windows() {
  local tmp a b status=0
  tmp=$(mktemp -d "${TMPDIR:-/tmp}/ombrelk-reproducible.XXXXXX")
  a=$(first_folder "$tmp")
  b=$tmp/second-build
  build_twice "the Windows packages" scripts/package-windows.sh "$a" "$b" "$tmp" || return 1
  local file name
  for file in build-win64/ombrelk.exe build-win32/ombrelk.exe "$a"/dist/Ombrelk-*; do
    file=${file#"$a"/}
    same_bytes "$file" "$a/$file" "$b/$file" || status=1
  done
  for file in build-win64/ombrelk.exe build-win32/ombrelk.exe; do
    if strings -a "$a/$file" "$b/$file" | grep -F -e "$a" -e "$b" -e "$tmp" >&2; then
      echo "FAIL: $file names the folder it was built in" >&2
      status=1
    fi
  done
  if ((status != 0)); then
    echo "the two builds are in $a and $b" >&2
    return 1
  fi
  rm -rf "$tmp"
}

main() {
  if [[ ${1:-} == --against-this-checkout ]]; then
    shift
    first_build=checkout
    if [[ -n $(git status --porcelain --untracked-files=no) ]]; then
      echo "FAIL: this checkout has changes; its build is not the commit's" >&2
      exit 1
    fi
  fi
  local what
  local all=(deb windows)
  for what in "${@:-${all[@]}}"; do
    if declare -F "check_$what" >/dev/null; then
      "check_$what"
    else
      echo "usage: check-reproducible.sh [--against-this-checkout] [deb|windows]..." >&2
      exit 2
    fi
  done
}

main "$@"
