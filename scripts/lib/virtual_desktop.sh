# shellcheck shell=bash
# A virtual X desktop of a script's own: Xvfb on a free display number and the
# jwm window manager with a panel along the bottom, its notification area
# (tray) when one is wanted. Each step polls until what it started answers,
# so nothing waits a fixed time. Sourcing defines functions and nothing else.
#
# Used by the end-to-end tests (tests/e2e/lib.sh), scripts/screenshot.sh and
# bench/qt/*.sh; a suite of its own starts a desktop with
#   desktop_start_display FOLDER [LOG] [WIDTHxHEIGHT]
#   desktop_start_wm FOLDER tray|no-tray [LOG] [JWM_ELEMENTS]
# and ends $desktop_wm_pid and $desktop_display_pid when done (desktop_stop).

DESKTOP_PANEL_H=28
desktop_display_pid='' desktop_wm_pid=''

# desktop_wait TIMEOUT WHAT COMMAND...: polls COMMAND until it succeeds;
# after TIMEOUT seconds says on stderr what it waited for and returns 1.
desktop_wait() {
  local timeout=$1 what=$2
  shift 2
  local deadline=$((SECONDS + timeout))
  until "$@" >/dev/null 2>&1; do
    if ((SECONDS >= deadline)); then
      printf 'timed out after %ss waiting for: %s\n' "$timeout" "$what" >&2
      return 1
    fi
    sleep 0.05
  done
}

# desktop_start_display FOLDER [LOG] [WIDTHxHEIGHT]: an Xvfb that picks a free
# display number and tells it on fd 3 once it listens; exported as DISPLAY.
# It must not reset when its last client goes (a window manager restarted, a
# probe that came and went), or the next client finds no server.
desktop_start_display() {
  local folder=$1 log=${2:-/dev/null} size=${3:-800x600}
  rm -f "$folder/display"
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$folder/display" 2>"$log" &
  desktop_display_pid=$!
  desktop_wait 20 "the X server" test -s "$folder/display" || return 1
  DISPLAY=":$(head -n1 "$folder/display")"
  export DISPLAY
  desktop_wait 20 "the X server to answer on $DISPLAY" xdpyinfo
}

# desktop_selection owned|free NAME [TIMEOUT]: waits until a client owns
# the X selection NAME (a tray owns _NET_SYSTEM_TRAY_S0 from the moment it
# takes icons), or until none does; without TIMEOUT it looks once. One
# process polls, as starting Python on a busy machine takes a while.
desktop_selection() {
  python3 - "$@" <<'PY'
import ctypes, sys, time
want, name = sys.argv[1] == "owned", sys.argv[2].encode()
deadline = time.monotonic() + float(sys.argv[3] if len(sys.argv) > 3 else 0)
x = ctypes.cdll.LoadLibrary("libX11.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x.XInternAtom.restype = ctypes.c_ulong
x.XGetSelectionOwner.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
x.XGetSelectionOwner.restype = ctypes.c_ulong
display = x.XOpenDisplay(None)
if not display:
    sys.exit(1)
atom = x.XInternAtom(display, name, 0)
while (x.XGetSelectionOwner(display, atom) != 0) != want:
    if time.monotonic() >= deadline:
        sys.exit(1)
    time.sleep(0.05)
PY
}

# True while a window manager runs: the root names a check window that names
# itself (a manager that ended may leave the root's property behind).
desktop_wm_running() {
  local check
  check=$(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | awk '/window id/ {print $NF}')
  [[ -n $check ]] && xprop -id "$check" _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "$check"
}

desktop_tray_ready() { desktop_selection owned _NET_SYSTEM_TRAY_S0; }

# desktop_start_wm FOLDER tray|no-tray [LOG] [JWM_ELEMENTS]: jwm with a panel
# of $DESKTOP_PANEL_H pixels at the bottom, with a dock for tray icons when
# "tray", plus any further elements of its configuration; returns once the
# manager runs and, with a tray, once the tray takes icons.
desktop_start_wm() {
  local folder=$1 tray=$2 log=${3:-/dev/null} extra=${4:-} dock=''
  [[ $tray == tray ]] && dock='<Dock/>'
  cat >"$folder/jwmrc-$tray" <<JWMRC
<?xml version="1.0"?>
<JWM>
  <Tray x="0" y="-1" height="$DESKTOP_PANEL_H" autohide="off"><TaskList maxwidth="200"/>$dock</Tray>
  $extra
</JWM>
JWMRC
  jwm -f "$folder/jwmrc-$tray" >>"$log" 2>&1 &
  desktop_wm_pid=$!
  desktop_wait 20 "the window manager" desktop_wm_running || return 1
  [[ $tray == tray ]] || return 0
  desktop_selection owned _NET_SYSTEM_TRAY_S0 20 || {
    echo "timed out after 20s waiting for: the notification area" >&2
    return 1
  }
}

desktop_not() { ! "$@"; }

# Ends the window manager, and returns once it and its tray are gone.
desktop_stop_wm() {
  kill "$desktop_wm_pid" 2>/dev/null || true
  wait "$desktop_wm_pid" 2>/dev/null || true
  desktop_wm_pid=''
  desktop_wait 10 "the window manager to go" desktop_not desktop_wm_running || return 1
  desktop_selection free _NET_SYSTEM_TRAY_S0 10 || {
    echo "timed out after 10s waiting for: the notification area to go" >&2
    return 1
  }
}

# desktop_stop PID...: ends each process in the order given, waiting for it.
desktop_stop() {
  local pid
  for pid in "$@"; do
    [[ -n $pid ]] || continue
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
}

# desktop_session [JWM_ELEMENTS]: for the scripts that take pictures or
# measure (not the tests): a scratch folder $work and an 800 x 600 desktop
# with a tray; what was started is listed in $pids (add your own) and ended
# in reverse order on exit, the program first and the display last.
desktop_session() {
  work=$(mktemp -d)
  pids=()
  trap desktop_session_end EXIT
  desktop_start_display "$work" || exit 1
  pids+=("$desktop_display_pid")
  desktop_start_wm "$work" tray /dev/null "${1:-}" || exit 1
  pids+=("$desktop_wm_pid")
}
desktop_session_end() {
  local i
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do desktop_stop "${pids[i]}"; done
  rm -rf "$work"
}

# build_program BUILD_DIR: configures and builds ombrelk and prints its path.
build_program() {
  cmake -S . -B "$1" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$1" -j"$(nproc)" --target ombrelk >/dev/null
  echo "$(cd "$1" && pwd)/platform/backends/qt/ombrelk"
}
