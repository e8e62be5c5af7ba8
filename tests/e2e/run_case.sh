#!/usr/bin/env bash
# Runs one end-to-end case of the calendar on a display of its own.
#   run_case.sh CASE PROGRAM OUTPUT_DIR
# Exit status 0 passed, 1 failed (a screenshot of the screen is kept in
# OUTPUT_DIR/CASE/failure.png); a missing tool fails the case.
set -euo pipefail
CASE=$1
PROGRAM=$2
OUT=$3/$1
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
source "$here/lib.sh"
# shellcheck source=cases.sh
source "$here/cases.sh"
declare -F "case_$CASE" >/dev/null || {
  echo "no such case: $CASE" >&2
  exit 2
}
e2e_setup
"case_$CASE"
