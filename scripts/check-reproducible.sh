#!/usr/bin/env bash
# Checks that the packages are reproducible: each is built twice from the
# current commit, in two fresh copies of it at different paths (and with
# different umasks), and the two builds must be the same bytes.
#   scripts/check-reproducible.sh [deb]...   (default: every package)
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

# The Debian package, scripts/package.sh's dist/ombrelk_*.deb. On a
# difference, both builds' unpacked trees are compared file by file.
check_deb() {
  local tmp epoch a b
  tmp=$(mktemp -d "${TMPDIR:-/tmp}/ombrelk-reproducible.XXXXXX")
  epoch=$(git log -1 --format=%ct)
  a=$tmp/a
  b=$tmp/second-build
  (umask 022 && export_commit "$a")
  (umask 077 && export_commit "$b")
  echo "Building the .deb in $a and in $b"
  (cd "$a" && SOURCE_DATE_EPOCH=$epoch scripts/package.sh >"$tmp/a.log" 2>&1) ||
    { echo "FAIL: the first build failed, see $tmp/a.log" >&2; return 1; }
  (cd "$b" && SOURCE_DATE_EPOCH=$epoch scripts/package.sh >"$tmp/b.log" 2>&1) ||
    { echo "FAIL: the second build failed, see $tmp/b.log" >&2; return 1; }
  local debs=("$a"/dist/ombrelk_*.deb)
  local name=${debs[0]##*/}
  if ! same_bytes "$name" "$a/dist/$name" "$b/dist/$name"; then
    dpkg-deb -R "$a/dist/$name" "$tmp/a-unpacked"
    dpkg-deb -R "$b/dist/$name" "$tmp/b-unpacked"
    diff -r "$tmp/a-unpacked" "$tmp/b-unpacked" >&2 || true
    diff <(dpkg-deb -c "$a/dist/$name") <(dpkg-deb -c "$b/dist/$name") >&2 || true
    echo "both builds are kept in $tmp" >&2
    return 1
  fi
  rm -rf "$tmp"
}

main() {
  local what
  for what in "${@:-deb}"; do
    case $what in
      deb) check_deb ;;
      *)
        echo "usage: check-reproducible.sh [deb]..." >&2
        exit 2
        ;;
    esac
  done
}

main "$@"
