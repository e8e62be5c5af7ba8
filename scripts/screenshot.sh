#!/usr/bin/env bash
# Builds the calendar, starts it on a virtual X display with a small window
# manager and a tray, as it would be on 7 December 2026, and saves a picture of
# its window as docs/screenshot.png and of its settings menu, opened with a
# right click on the calendar, as docs/screenshot-menu.png. Then, as on 21
# September 2026 with today's holiday law chosen, a picture of the tip that
# names the holiday under the pointer, as docs/screenshot-holiday.png.
#   scripts/screenshot.sh [BUILD_DIR]      (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
fake_now='2026-12-07 10:00:00'

scripts/install-deps.sh test
# shellcheck source=scripts/lib/virtual_desktop.sh
source scripts/lib/virtual_desktop.sh
program=$(build_program "$build")

# A window manager with frames and a tray at the bottom of the screen.
desktop_session '<WindowStyle>
    <Font>DejaVu Sans-9:bold</Font>
    <Width>3</Width>
    <Height>22</Height>
    <Active><Foreground>#FFFFFF</Foreground><Background>#3A6EA5</Background></Active>
    <Foreground>#000000</Foreground><Background>#B0B0B0</Background>
  </WindowStyle>
  <Desktops width="1" height="1"><Background type="solid">#3A7070</Background></Desktops>'

# The calendar runs in a folder of its own, as scripts/run.sh runs it, with a
# settings file that puts its window at (20, 20) pixels.
mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
printf 'FORMTOP  :300\r\nFORMLEFT :300\r\nSTARTWDAY:Sunday\r\nMODE_SHOW:1\r\nMODE_TOP :0\r\nMODE_MIN :0\r\n' \
  >"$work/home/Ombrelk.ini"
(cd "$work/home" && exec env XDG_RUNTIME_DIR="$work/runtime" faketime "$fake_now" "$program") &
pids+=($!)

window=$(timeout 30 xdotool search --sync --onlyvisible --name '^2026/12/07$' | head -n1)
pids+=("$(xdotool getwindowpid "$window")")  # faketime's child
sleep 1
mkdir -p docs
import -window "$window" -frame docs/screenshot.png

# The settings menu: a right click on a day cell of the grid.
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove "$((X + 100))" "$((Y + 80))" click 3
sleep 1
import -window root -crop "$((WIDTH + 260))x$((HEIGHT + 140))+$((X - 20))+$((Y - 40))" \
  docs/screenshot-menu.png
xdotool key Escape
kill "${pids[-1]}" "${pids[-2]}" 2>/dev/null || true  # the calendar, through faketime
wait "${pids[-2]}" 2>/dev/null || true

# The law mode on 21 September 2026 (敬老の日), the pointer resting on the 22nd
# (国民の休日): row 3, column 2 of the grid, whose cells step 24 by 12 pixels
# from (0, 40) of the client area.
mkdir -p "$work/law"
printf 'FORMTOP  :300\r\nFORMLEFT :300\r\nSTARTWDAY:Sunday\r\nMODE_SHOW:1\r\nMODE_TOP :0\r\nMODE_MIN :0\r\nMODE_LAW :1\r\n' \
  >"$work/law/Ombrelk.ini"
(cd "$work/law" && exec env XDG_RUNTIME_DIR="$work/runtime" faketime '2026-09-21 10:00:00' "$program") &
pids+=($!)
window=$(timeout 30 xdotool search --sync --onlyvisible --name '^2026/09/21$' | head -n1)
pids+=("$(xdotool getwindowpid "$window")")
sleep 1
eval "$(xdotool getwindowgeometry --shell "$window")"
# xdotool places a framed window by its frame; xwininfo tells the client area's corner.
cx=$(xwininfo -id "$window" | awk '/Absolute upper-left X/ {print $4}')
cy=$(xwininfo -id "$window" | awk '/Absolute upper-left Y/ {print $4}')
xdotool mousemove "$((cx + 30))" "$((cy + 70))"
sleep 0.5
xdotool mousemove "$((cx + 24 * 2 + 16))" "$((cy + 40 + 12 * 3 + 6))"
sleep 1
import -window root -crop "$((WIDTH + 260))x$((HEIGHT + 140))+$((X - 20))+$((Y - 40))" \
  docs/screenshot-holiday.png
echo "Saved docs/screenshot.png, docs/screenshot-menu.png and docs/screenshot-holiday.png"
