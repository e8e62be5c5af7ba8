# shellcheck shell=bash
# The calendar as a user meets it, on a virtual X display with a window
# manager and a tray: helpers shared by the end-to-end cases. Sourced by
# run_case.sh, which sets PROGRAM, CASE and OUT before calling e2e_setup.

# A Monday, and a public holiday: the start-up date every case runs on.
readonly E2E_NOW='2027-05-03 10:00:00'
readonly E2E_TITLE='2027/05/03'
# shellcheck source-path=SCRIPTDIR/../.. source=scripts/lib/virtual_desktop.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/virtual_desktop.sh"

readonly SCREEN_W=800 SCREEN_H=600 TRAY_H=$DESKTOP_PANEL_H

work='' prog_pid='' wm_pid='' display_pid='' last_pid='' faketime_lib=''
bus_pid='' sni_pid=''  # a case's own session bus and StatusNotifierItem host
panel_pid=''  # Xfce's panel, once a case has started it
fake_now=''    # a case's own start-up time, else E2E_NOW
launcher=''    # a program the calendar is started through (the installed launcher)
settings_path=''  # where the settings file is looked for, else the calendar's folder
other=''    # the window of another program, once a case has started one
helpers=()  # other clients started by a case (xmessage), ended first

log() { printf '%s\n' "$*" >&2; }
fail() {
  log "FAIL: $*"
  exit 1
}

# Polls command until it succeeds, for at most timeout seconds.
#   wait_for TIMEOUT DESCRIPTION COMMAND...
wait_for() {
  local timeout=$1 what=$2
  shift 2
  local deadline=$((SECONDS + timeout))
  until "$@" >/dev/null 2>&1; do
    ((SECONDS < deadline)) || fail "timed out after ${timeout}s waiting for: $what"
    sleep 0.05
  done
}

# Holds for a while that a command keeps succeeding: for what must NOT
# happen (a single click must not hide the window).
#   holds_for SECONDS DESCRIPTION COMMAND...
holds_for() {
  local rounds=$(($1 * 20)) what=$2
  shift 2
  while ((rounds-- > 0)); do
    "$@" >/dev/null 2>&1 || fail "no longer true: $what"
    sleep 0.05
  done
}

need_tools() {
  local tool
  for tool in Xvfb jwm xdotool wmctrl xprop xwininfo xdpyinfo import xmessage dbus-daemon dbus-send; do
    command -v "$tool" >/dev/null || {
      log "FAIL: $tool is not installed (scripts/install-deps.sh test)"
      exit 1
    }
  done
  local libs=(/usr/lib/*/faketime/libfaketime.so.1)
  faketime_lib=${libs[0]}
  [[ -e $faketime_lib ]] || {
    log "FAIL: libfaketime is not installed (scripts/install-deps.sh test)"
    exit 1
  }
  /usr/bin/python3 -c 'import dbus_next' 2>/dev/null || {
    log "FAIL: python3-dbus-next is not installed (scripts/install-deps.sh test)"
    exit 1
  }
}

e2e_setup() {
  need_tools
  work=$(mktemp -d "${TMPDIR:-/tmp}/ombrelk-e2e.XXXXXX")
  rm -rf "$OUT"
  mkdir -p "$OUT" "$work/home" "$work/config" "$work/cache" "$work/data" "$work/calendar"
  mkdir -m 700 "$work/runtime"
  # The case's own user folders, so that its lock and files touch nothing else,
  # and none of the desktop session the tests may be started from.
  export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache
  export XDG_DATA_HOME=$work/data XDG_RUNTIME_DIR=$work/runtime
  unset DISPLAY DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER WAYLAND_DISPLAY XDG_SESSION_TYPE
  unset QT_QPA_PLATFORM QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR
  export LC_ALL=C.UTF-8
  trap e2e_finish EXIT
}

e2e_finish() {
  local rc=$?
  trap - EXIT
  if ((rc != 0)) && [[ -n ${DISPLAY:-} ]]; then
    import -window root "$OUT/failure.png" 2>/dev/null &&
      log "screenshot of the failure: $OUT/failure.png"
    xwininfo -root -tree >"$OUT/windows.txt" 2>&1 || true
  fi
  if [[ -f $work/calendar/Ombrelk.ini ]]; then cp "$work/calendar/Ombrelk.ini" "$OUT/"; fi
  # The clients first, the window manager next, the display last.
  local pid
  for pid in "${helpers[@]}" "$prog_pid" "$sni_pid" "$panel_pid" "$bus_pid" "$wm_pid" "$display_pid"; do
    [[ -n $pid ]] || continue
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$work"
  exit "$rc"
}

# A display of the case's own, on a free number.
start_display() {
  desktop_start_display "$work" "$OUT/xvfb.log" "${SCREEN_W}x${SCREEN_H}" ||
    fail "no virtual display"
  display_pid=$desktop_display_pid
}

# The window manager; with "tray" its panel carries a notification area.
#   start_wm tray|no-tray
start_wm() {
  desktop_start_wm "$work" "$1" "$OUT/jwm.log" '<FocusModel>click</FocusModel>
  <Desktops width="1" height="1"><Background type="solid">#3A7070</Background></Desktops>' ||
    fail "no window manager"
  wm_pid=$desktop_wm_pid
  wait_for 20 "the panel" panel_window
}

stop_wm() {
  desktop_wm_pid=$wm_pid
  desktop_stop_wm || fail "the window manager did not go"
  wm_pid=''
  wait_for 10 "the panel to go" not panel_window
}

not() { ! "$@"; }

# grep for a pipe's end: reads all its input, so that the writer never dies of
# a closed pipe (which pipefail would report as a failure).
contains() { grep -e "$1" >/dev/null; }

# True once a child process has ended (it stays a zombie until waited for).
process_ended() {
  local state
  state=$(awk '{print $3}' "/proc/$1/stat" 2>/dev/null) || return 0
  [[ -z $state || $state == Z ]]
}

# A session bus of the case's own, told to the programs started after it.
start_session_bus() {
  dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$work/bus" 2>>"$OUT/dbus.log" &
  bus_pid=$!
  wait_for 10 "the session bus" test -s "$work/bus"
  DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$work/bus")
  export DBUS_SESSION_BUS_ADDRESS
}

sni_watcher_up() {
  dbus-send --session --print-reply --dest=org.freedesktop.DBus / \
    org.freedesktop.DBus.NameHasOwner string:org.kde.StatusNotifierWatcher | contains 'boolean true'
}

# The tests' StatusNotifierItem host (a panel's tray on the D-Bus protocol);
# it records each item that registers in $work/sni-items.
start_sni_host() {
  /usr/bin/python3 "$here/sni_host.py" host "$work/sni-items" >>"$OUT/sni.log" 2>&1 &
  sni_pid=$!
  wait_for 10 "the StatusNotifierWatcher" sni_watcher_up
}

stop_sni_host() {
  kill "$sni_pid"
  wait "$sni_pid" 2>/dev/null || true
  sni_pid=''
  wait_for 10 "the StatusNotifierWatcher to go" not sni_watcher_up
}

# Xfce's panel (xfce4-panel 4.18) along the top of the screen, holding its
# status tray alone, on the case's session bus; the bus starts its settings
# daemon, xfconfd, which reads the configuration written here before the
# first start. The tray is the StatusNotifierWatcher and shows a new item
# without being told of it (the plugin's known-items and hidden-items only
# matter once "hide new items" is on).
start_xfce_panel() {
  command -v xfce4-panel >/dev/null ||
    fail "xfce4-panel is not installed (scripts/install-deps.sh test)"
  [[ -e /usr/share/dbus-1/services/org.xfce.Xfconf.service ]] ||
    fail "xfconf is not installed (scripts/install-deps.sh test)"
  local config=$XDG_CONFIG_HOME/xfce4/xfconf/xfce-perchannel-xml
  if [[ ! -e $config/xfce4-panel.xml ]]; then
    mkdir -p "$config"
    cat >"$config/xfce4-panel.xml" <<XML
<?xml version="1.0" encoding="UTF-8"?>
<channel name="xfce4-panel" version="1.0">
  <property name="configver" type="int" value="2"/>
  <property name="panels" type="array">
    <value type="int" value="1"/>
    <property name="panel-1" type="empty">
      <property name="position" type="string" value="p=6;x=0;y=0"/>
      <property name="length" type="uint" value="100"/>
      <property name="position-locked" type="bool" value="true"/>
      <property name="size" type="uint" value="$TRAY_H"/>
      <property name="plugin-ids" type="array">
        <value type="int" value="1"/>
      </property>
    </property>
  </property>
  <property name="plugins" type="empty">
    <property name="plugin-1" type="string" value="systray"/>
  </property>
</channel>
XML
  fi
  # NO_AT_BRIDGE: no accessibility bus, whose daemons would outlive the case.
  NO_AT_BRIDGE=1 xfce4-panel >>"$OUT/xfce4-panel.log" 2>&1 &
  panel_pid=$!
  wait_for 20 "the Xfce panel's status tray" sni_watcher_up
  wait_for 20 "the Xfce panel" xfce_tray
}

# Ends the panel; its plugin's process and the watcher go with it.
stop_xfce_panel() {
  kill "$panel_pid"
  wait "$panel_pid" 2>/dev/null || true
  panel_pid=''
  wait_for 10 "the Xfce status tray to go" not sni_watcher_up
}

# The status tray in Xfce's panel: the plugin's own process draws it into a
# window of the panel, at its top edge.
xfce_tray() {
  local w y ht
  for w in $(xdotool search --all --onlyvisible --classname '^wrapper-2.0$' 2>/dev/null); do
    read -r _ y _ ht _ < <(window_box "$w")
    if ((y == 0 && ht >= TRAY_H - 2)); then
      printf '%s\n' "$w"
      return 0
    fi
  done
  return 1
}

# The calendar's icon is drawn in the status tray, its only item (the empty
# tray is a strip of one colour, the icon more than a hundred).
xfce_icon_drawn() {
  local colours
  colours=$(import -window "$(xfce_tray)" -format '%k' info: 2>/dev/null)
  ((${colours:-0} > 4))
}

# A menu of the status tray on screen, below the panel.
xfce_menu() {
  local w y o
  for w in $(xdotool search --all --onlyvisible --classname '^wrapper-2.0$' 2>/dev/null); do
    read -r _ y _ _ o < <(window_box "$w")
    [[ $o == yes ]] && ((y >= TRAY_H - 2)) && return 0
  done
  return 1
}

# A right click on the icon in Xfce's panel, which opens the menu the icon
# exports; the entry picked as in tray_menu.
xfce_tray_menu() {
  click_on "$(xfce_tray)" 3
  wait_for 10 "the status tray's menu" xfce_menu
  if [[ -n ${2:-} ]]; then import -window root "$OUT/$2"; fi
  pick_entry "$1" xfce_menu
}

# How many times an item has registered with the host.
sni_items() { if [[ -f $work/sni-items ]]; then wc -l <"$work/sni-items"; else echo 0; fi; }
sni_registered() { (($(sni_items) >= $1)); }

# Activate, ContextMenu or SecondaryActivate on the item, as the host's panel does.
sni_call() { /usr/bin/python3 "$here/sni_host.py" call "$1" "$work/sni-items"; }

# The panel: the window along the bottom of the screen.
panel_window() {
  xwininfo -root -children | contains " ${SCREEN_W}x${TRAY_H}+0+$((SCREEN_H - TRAY_H)) "
}

# The notification area takes icons: the panel owns the tray selection.
dock_ready() { desktop_tray_ready; }

# Writes the settings file the calendar starts with.
#   write_settings TOP LEFT WEEKDAY HOLIDAYS SHOW ONTOP MIN   (empty MIN: no line)
write_settings() {
  {
    printf 'FORMTOP  :%s\r\nFORMLEFT :%s\r\nSTARTWDAY:%s\r\nHOLIDAY  :%s\r\n' "$1" "$2" "$3" "$4"
    printf 'MODE_SHOW:%s\r\nMODE_TOP :%s\r\n' "$5" "$6"
    if [[ -n $7 ]]; then printf 'MODE_MIN :%s\r\n' "$7"; fi
  } >"$work/calendar/Ombrelk.ini"
}

settings_file() { printf '%s' "${settings_path:-$work/calendar/Ombrelk.ini}"; }

# The file the calendar writes at exit: exactly these seven lines, then the
# optional lines given after them (an option's line such as "MODE_REKI:1").
#   expect_settings TOP LEFT WEEKDAY HOLIDAYS SHOW ONTOP MIN [LINE...]
expect_settings() {
  {
    printf 'FORMTOP  :%s\r\nFORMLEFT :%s\r\nSTARTWDAY:%s\r\nHOLIDAY  :%s\r\nMODE_SHOW:%s\r\nMODE_TOP :%s\r\nMODE_MIN :%s\r\n' \
      "${@:1:7}"
    local line
    for line in "${@:8}"; do printf '%s\r\n' "$line"; done
  } >"$work/expected.ini"
  cmp -s "$work/expected.ini" "$(settings_file)" || {
    log "expected settings:"
    cat -A "$work/expected.ini" >&2
    log "saved settings:"
    cat -A "$(settings_file)" >&2
    fail "the saved settings differ"
  }
}

# Starts the calendar in its folder on the fixed date, as a desktop launcher
# would: the end signals at their default actions. Extra NAME=VALUE
# arguments go into its environment.
start_program() {
  (cd "$work/calendar" &&
    exec env --default-signal=TERM,INT,HUP LD_PRELOAD="$faketime_lib" \
      FAKETIME="@${fake_now:-$E2E_NOW}" FAKETIME_DONT_FAKE_MONOTONIC=1 "$@" \
      ${launcher:+"$launcher"} "$PROGRAM") \
    >>"$OUT/program.log" 2>&1 &
  last_pid=$!
}

start_calendar() {
  start_program "$@"
  prog_pid=$last_pid
}

# Waits for the calendar's process to end; fails unless it ended by itself
# with status 0.
expect_exit() {
  local pid=$1 what=$2
  wait_for 15 "$what" process_ended "$pid"
  local status=0
  wait "$pid" || status=$?
  ((status == 0)) || fail "$what: exit status $status"
  if [[ $pid == "$prog_pid" ]]; then prog_pid=''; fi
}

# The calendar window of a process (on X11 it may be made anew, so it is
# looked up each time): its title is today's date.
calendar_window() {
  xdotool search --all --pid "${1:-$prog_pid}" --name "^${E2E_TITLE}\$" 2>/dev/null | awk 'NR == 1'
}

viewable() {
  [[ -n $1 ]] && xwininfo -id "$1" 2>/dev/null | contains 'Map State: IsViewable'
}

calendar_viewable() { viewable "$(calendar_window "$@")"; }
calendar_hidden() {
  local w
  w=$(calendar_window "$@")
  [[ -z $w ]] || ! viewable "$w"
}

# The place and size of a window, "x y width height override-redirect".
window_box() {
  xwininfo -id "$1" 2>/dev/null | awk '
    /Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
    /Width:/ {w = $2} /Height:/ {h = $2} /Override Redirect State/ {o = $4}
    END {print x, y, w, h, o}'
}

# The tray icons: small windows of the process inside the panel's strip,
# where only docked icons can be.
tray_icons() {
  local pid=${1:-$prog_pid} w y wd
  for w in $(xdotool search --all --onlyvisible --pid "$pid" --classname '^ombrelk$' 2>/dev/null); do
    read -r _ y wd _ _ < <(window_box "$w")
    if ((y >= SCREEN_H - TRAY_H && wd <= TRAY_H)); then printf '%s\n' "$w"; fi
  done
}

# The tray icon of the process; fails while it has none.
tray_icon() {
  local icons
  icons=$(tray_icons "$@")
  [[ -n $icons ]] && printf '%s\n' "${icons%%$'\n'*}"
}

icon_docked() { tray_icon "$@" >/dev/null; }

pointer_at() { [[ $(xdotool getmouselocation) == "x:$1 y:$2 "* ]]; }

# Moves the pointer and waits until the server has it there.
move_pointer() {
  xdotool mousemove "$1" "$2"
  wait_for 5 "the pointer at $1,$2" pointer_at "$1" "$2"
}

# Clicks on the middle of a window: click_on WINDOW BUTTON [COUNT]
click_on() {
  local w=$1 button=$2 count=${3:-1} info x y wd ht
  info=$(xwininfo -id "$w")
  x=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
  y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
  wd=$(awk '/Width:/ {print $2}' <<<"$info")
  ht=$(awk '/Height:/ {print $2}' <<<"$info")
  move_pointer $((x + wd / 2)) $((y + ht / 2))
  xdotool click --repeat "$count" --delay 60 "$button"
}

double_click_icon() { click_on "$(tray_icon)" 1 2; }

# A pop-up menu of the calendar's on screen: a window of the process that
# the window manager does not frame, outside the panel.
popup_menu() {
  local w y o
  for w in $(xdotool search --all --onlyvisible --pid "$prog_pid" --classname '^ombrelk$' 2>/dev/null); do
    read -r _ y _ _ o < <(window_box "$w")
    [[ $o == yes ]] && ((y < SCREEN_H - TRAY_H)) && return 0
  done
  return 1
}

# Opens the tray menu with a right click and picks the entry that many Down
# presses away: 1 "Ombrelk 表示", 2 "Ombrelk 終了", 3 "バージョン情報".
tray_menu() {
  click_on "$(tray_icon)" 3
  wait_for 10 "the tray menu" popup_menu
  pick_entry "$1"
}

# The settings menu: a right click on the day grid.
settings_menu() {
  local w
  w=$(calendar_window)
  local info x y
  info=$(xwininfo -id "$w")
  x=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
  y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
  move_pointer $((x + 90)) $((y + 70))
  xdotool click 3
  wait_for 10 "the settings menu" popup_menu
  pick_entry "$1"
}

# Picks the entry that many Down presses away in the open menu, the
# calendar's own pop-up unless another test for an open menu is named.
#   pick_entry N [MENU_OPEN]
pick_entry() {
  local i
  for ((i = 0; i < $1; i++)); do xdotool key Down; done
  xdotool key Return
  wait_for 10 "the menu to close" not "${2:-popup_menu}"
}

# The outer frame's place on screen, "x y": the client's place less its
# place inside the frame the window manager drew.
frame_position() {
  local info
  info=$(xwininfo -id "$1")
  local ax ay rx ry
  ax=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
  ay=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
  rx=$(awk '/Relative upper-left X/ {print $4}' <<<"$info")
  ry=$(awk '/Relative upper-left Y/ {print $4}' <<<"$info")
  printf '%d %d\n' $((ax - rx)) $((ay - ry))
}

frame_at() { [[ $(frame_position "$(calendar_window)") == "$1 $2" ]]; }

expect_frame_at() {
  frame_at "$1" "$2" ||
    fail "the window's frame is at $(frame_position "$(calendar_window)"), expected $1 $2"
}

active_window() {
  xprop -root _NET_ACTIVE_WINDOW | awk '{print $NF}'
}

# Window ids compare as numbers: xprop gives hex, xdotool decimal.
is_active() {
  local active
  active=$(active_window)
  [[ $active == 0x* ]] && (($1 == active))
}

calendar_active() {
  local w
  w=$(calendar_window)
  [[ -n $w ]] && is_active "$w"
}

net_wm_state() { xprop -id "$(calendar_window)" _NET_WM_STATE 2>/dev/null; }
above() { net_wm_state | contains _NET_WM_STATE_ABOVE; }

# Another program's window that holds the focus: start_other_window NAME
start_other_window() {
  xmessage -name "$1" -geometry +420+300 "$1" &
  helpers+=($!)
  wait_for 10 "the other window" xdotool search --onlyvisible --classname "^$1\$"
  other=$(xdotool search --onlyvisible --classname "^$1\$" | awk 'NR == 1')
  xdotool windowactivate --sync "$other"
  wait_for 10 "the other window to take the focus" is_active "$other"
}

# A strip of the calendar window drawn: more than a couple of colours.
strip_painted() {
  local colours
  colours=$(import -window "$(calendar_window)" -crop "$1" -format '%k' info: 2>/dev/null)
  ((${colours:-0} > 2))
}

# The pixels of a strip of the calendar window, as a checksum.
strip_sum() {
  import -window "$(calendar_window)" -crop "$1" rgb:- 2>/dev/null | md5sum | cut -c1-32
}
strip_is() { [[ $(strip_sum "$1") == "$2" ]]; }
strip_is_not() { [[ $(strip_sum "$1") != "$2" ]]; }
