#!/usr/bin/env bash
# What the running calendar costs while nobody uses it, measured from outside:
# CPU time (user + system in clock ticks from /proc/PID/stat, and to the
# nanosecond from /proc/PID/task/*/schedstat) and wake-ups (the voluntary
# and involuntary context switches of all its threads, from
# /proc/PID/task/*/status) over a stretch of idling, first with the window in
# the tray, then with the window on screen; and its resident memory. When
# strace is installed, the system calls of the tray stretch are counted too.
#   bench/qt/idle.sh [BUILD_DIR]      (default: build)
#   IDLE_SECONDS=30                   length of each stretch
#   SETTLE_SECONDS=35                 quiet time before each stretch
# Goals: no periodic wake-ups (0 context switches while idle), under 1 ms CPU.
# Each stretch begins after the program has settled: Qt's pixmap cache wakes
# once, 30 s after the last drawing, to let go of unused pictures, and then
# stops its timer until something is drawn again.
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build}
seconds=${IDLE_SECONDS:-30}
settle=${SETTLE_SECONDS:-35}

# shellcheck source=scripts/lib/virtual_desktop.sh
source scripts/lib/virtual_desktop.sh
program=$(build_program "$build")
desktop_session '<FocusModel>click</FocusModel>'

# Starts in the tray.
mkdir -p "$work/calendar" && mkdir -m 700 "$work/runtime"
printf 'FORMTOP  :1500\r\nFORMLEFT :1500\r\nSTARTWDAY:Sunday\r\nMODE_SHOW:0\r\nMODE_TOP :0\r\nMODE_MIN :0\r\n' \
  >"$work/calendar/Ombrelk.ini"
(cd "$work/calendar" && XDG_RUNTIME_DIR="$work/runtime" exec "$program") >/dev/null 2>&1 &
pid=$!
pids+=("$pid")
sleep "$settle"  # start-up, the icon docked, the first paints and their clean-up done

cpu_ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
cpu_ns() { cat /proc/"$pid"/task/*/schedstat | awk '{n += $1} END {printf "%d", n}'; }
switches() { cat /proc/"$pid"/task/*/status | awk '/ctxt_switches/ {n += $2} END {print n}'; }
per_thread() {
  local t
  for t in /proc/"$pid"/task/*; do
    printf '%s:%s ' "$(cat "$t/comm")" \
      "$(awk '/ctxt_switches/ {n += $2} END {print n}' "$t/status")"
  done
}
rss_kib() { awk '/^VmRSS:/ {print $2}' "/proc/$pid/status"; }

# Idles for a stretch and reports what it cost.
stretch() {
  local name=$1 t0 n0 s0 t1 n1 s1 threads0
  t0=$(cpu_ticks)
  n0=$(cpu_ns)
  s0=$(switches)
  threads0=$(per_thread)
  sleep "$seconds"
  t1=$(cpu_ticks)
  n1=$(cpu_ns)
  s1=$(switches)
  printf '%-22s %d.%03d ms CPU (%d clock ticks), %d context switches in %d s (goals: under 1 ms, 0)\n' \
    "$name:" $(((n1 - n0) / 1000000)) $(((n1 - n0) / 1000 % 1000)) $((t1 - t0)) \
    $((s1 - s0)) "$seconds"
  printf '%-22s before %s\n%-22s after  %s\n' '' "$threads0" '' "$(per_thread)"
}

stretch "in the tray"
if command -v strace >/dev/null; then
  timeout -s INT "$seconds" strace -c -f -p "$pid" -o "$work/strace.txt" 2>/dev/null || true
  calls=$(awk '/^100.00/ || /total/ {print $(NF-1)}' "$work/strace.txt" | tail -n1)
  printf '%-22s %s system calls in %d s (strace -c -f)\n' "in the tray:" "${calls:-0}" "$seconds"
fi

# The window on screen: a double-click on the tray icon.
icon=$(xwininfo -root -tree | awk '/\("ombrelk" "ombrelk"\)/ && / 2[0-9]x2[0-9]\+/ {print $1; exit}')
eval "$(xdotool getwindowgeometry --shell "$icon")"
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click --repeat 2 --delay 60 1
xdotool mousemove 0 0  # away from the window, as a user's pointer would be
sleep "$settle"
xdotool search --all --onlyvisible --pid "$pid" --name '^[0-9]+/' >/dev/null || {
  echo "the calendar window did not come on screen" >&2
  exit 1
}
stretch "window on screen"
printf '%-22s %d KiB resident\n' "memory:" "$(rss_kib)"
