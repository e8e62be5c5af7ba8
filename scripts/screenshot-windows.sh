#!/usr/bin/env bash
# Builds the 64-bit Windows program, starts it under Wine on a virtual X
# display with a window manager and a tray, as it would be on 7 December
# 2026 on a Japanese Windows, and saves a picture of its window as
# docs/screenshot-windows.png.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

scripts/install-deps.sh wine
scripts/build-windows.sh win64 >/dev/null
template=$(mktemp -d) out=$(mktemp -d)
tests/wine/make_prefix.sh "$template"

CASE=screenshot PROGRAM=$root/build-win64/platform/backends/win32/ombrelk.exe TRAY_TOOL=''
TEMPLATE=$template OUT=$out/screenshot
# shellcheck source=tests/wine/lib.sh
source tests/wine/lib.sh
wine_setup
trap 'rm -rf "$template" "$out"; wine_finish' EXIT

printf 'FORMTOP  :300\r\nFORMLEFT :300\r\nSTARTWDAY:Sunday\r\nMODE_SHOW:1\r\nMODE_TOP :0\r\nMODE_MIN :0\r\n' \
  >"$work/calendar/Ombrelk.ini"
start_display
start_wm tray
start_program FAKETIME='@2026-12-07 10:00:00'
prog_pid=$last_pid
wait_for 90 "the calendar window" xdotool search --onlyvisible --name '^2026/12/07$'
window=$(xdotool search --onlyvisible --name '^2026/12/07$' | head -n1)
sleep 1
mkdir -p "$root/docs"
import -window "$window" -frame "$root/docs/screenshot-windows.png"
echo "Saved docs/screenshot-windows.png"
