#!/usr/bin/env bash
# Checks that the packages are reproducible: each is built twice from the
# current commit, in two fresh copies of it at different paths (and with
# different umasks), and the two builds must be the same bytes.
#   scripts/check-reproducible.sh [windows]...   (default: every package)
# Uncommitted changes are not part of the check: it builds the commit.
set -euo pipefail
cd "$(dirname "$0")/.."

# A copy of the current commit's files in a new folder.
export_commit() {
  mkdir -p "$1"
  git archive --format=tar HEAD | tar -x -C "$1"
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

# The Windows programs (both stripped .exe), the installer and the two zips,
# scripts/package-windows.sh's dist/. The build paths differ, so a path left
# in a program shows as a difference; a program naming its build folder
# fails even when both happen to agree.
check_windows() {
  local tmp epoch a b status=0
  tmp=$(mktemp -d "${TMPDIR:-/tmp}/ombrelk-reproducible.XXXXXX")
  epoch=$(git log -1 --format=%ct)
  a=$tmp/a
  b=$tmp/second-build
  (umask 022 && export_commit "$a")
  (umask 077 && export_commit "$b")
  echo "Building the Windows packages in $a and in $b"
  (cd "$a" && SOURCE_DATE_EPOCH=$epoch scripts/package-windows.sh >"$tmp/a.log" 2>&1) ||
    { echo "FAIL: the first build failed, see $tmp/a.log" >&2; return 1; }
  (cd "$b" && SOURCE_DATE_EPOCH=$epoch scripts/package-windows.sh >"$tmp/b.log" 2>&1) ||
    { echo "FAIL: the second build failed, see $tmp/b.log" >&2; return 1; }
  local file name
  for file in build-win64/ombrelk.exe build-win32/ombrelk.exe "$a"/dist/*; do
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
    echo "both builds are kept in $tmp" >&2
    return 1
  fi
  rm -rf "$tmp"
}

main() {
  local what
  local all=(windows)
  declare -F check_deb >/dev/null && all=(deb windows)
  for what in "${@:-${all[@]}}"; do
    if declare -F "check_$what" >/dev/null; then
      "check_$what"
    else
      echo "usage: check-reproducible.sh [${all[*]// /|}]..." >&2
      exit 2
    fi
  done
}

main "$@"
