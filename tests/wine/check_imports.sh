#!/usr/bin/env bash
# The .exe needs nothing beyond Windows itself: it imports only DLLs that
# every Windows system has, and no C++ runtime or threads DLL of the
# compiler's. Prints the stripped size, which the release notes report.
#   check_imports.sh PROGRAM.exe OBJDUMP STRIP
set -euo pipefail
exe=$1 objdump=$2 strip=$3
allowed='^(KERNEL32|USER32|GDI32|SHELL32|COMCTL32|ole32|OLEACC|OLEAUT32|ADVAPI32|msvcrt)\.dll$'
mapfile -t dlls < <("$objdump" -p "$exe" | awk '/DLL Name:/ {print $3}')
((${#dlls[@]})) || {
  echo "FAIL: no imports found in $exe" >&2
  exit 1
}
status=0
shopt -s nocasematch  # the names' case varies with the linker and the library
for dll in "${dlls[@]}"; do
  if ! [[ $dll =~ $allowed ]]; then
    echo "FAIL: $exe imports $dll, which Windows does not bring" >&2
    status=1
  fi
done
stripped=$(mktemp)
trap 'rm -f "$stripped"' EXIT
"$strip" -o "$stripped" "$exe"
echo "imports: ${dlls[*]}; stripped size: $(stat -c %s "$stripped") bytes"
exit "$status"
