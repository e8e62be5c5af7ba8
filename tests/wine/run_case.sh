#!/usr/bin/env bash
# Runs one end-to-end case of the Windows program under Wine, on a display
# and in a Wine prefix of its own.
#   run_case.sh CASE PROGRAM.exe TRAY_TOOL.exe TEMPLATE_DIR OUTPUT_DIR
# Exit status 0 passed, 1 failed (a screenshot of the screen is kept in
# OUTPUT_DIR/CASE/failure.png).
set -euo pipefail
CASE=$1
PROGRAM=$(realpath "$2")
TRAY_TOOL=$(realpath "$3")
TEMPLATE=$(realpath "$4")
OUT=$5/$1
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
source "$here/lib.sh"
# shellcheck source=cases.sh
source "$here/cases.sh"
declare -F "case_$CASE" >/dev/null || {
  echo "no such case: $CASE" >&2
  exit 2
}
wine_setup
"case_$CASE"
