# shellcheck shell=bash
# The end-to-end cases, one function each; run_case.sh runs one by name.
# Every case starts from the same settings file: the window's frame at
# (200, 120) pixels, Monday first, three holidays of the user's own.

readonly TOP=1800 LEFT=3000 X=200 Y=120
readonly HOLIDAYS='000001010000050320270506'

# Starts a display, a window manager and the calendar with the given modes.
#   start_with SHOW ONTOP MIN tray|no-tray
start_with() {
  write_settings "$TOP" "$LEFT" Monday "$HOLIDAYS" "$1" "$2" "$3"
  start_display
  start_wm "$4"
  start_calendar
}

wait_for_icon() { wait_for 15 "the tray icon" icon_docked; }
wait_for_shown() { wait_for 15 "the calendar window on screen" calendar_viewable; }
wait_for_hidden() { wait_for 10 "the calendar window to go" calendar_hidden; }
still_running() { holds_for 1 "the calendar keeps running" kill -0 "$prog_pid"; }

# The frame the window manager drew around a window.
frame_of() { xwininfo -tree -id "$1" | awk '/Parent window id/ {print $4}'; }

# True when window a is stacked above window b. xwininfo lists the screen's
# windows from the top down.
stacked_above() {
  local a b
  a=$(printf '0x%x' "$(frame_of "$1")")
  b=$(printf '0x%x' "$(frame_of "$2")")
  xwininfo -root -children | awk -v a="$a" -v b="$b" '
    $1 == a && !seen {found = 1; exit} $1 == b {seen = 1} END {exit !found}'
}

# A framed window of the calendar's other than the calendar itself.
dialog_window() {
  local w calendar o
  calendar=$(calendar_window)
  for w in $(xdotool search --all --onlyvisible --pid "$prog_pid" --classname '^ombrelk$' 2>/dev/null); do
    [[ $w == "$calendar" ]] && continue
    read -r _ _ _ _ o < <(window_box "$w")
    [[ $o == no ]] && {
      printf '%s\n' "$w"
      return 0
    }
  done
  return 1
}

wm_state() { xprop -id "$(calendar_window)" WM_STATE 2>/dev/null; }
wm_state_is() { wm_state | contains "window state: \($1\)"; }

case_icon_in_tray() {
  start_with 1 0 0 tray
  wait_for_icon
  wait_for_shown
  expect_frame_at "$X" "$Y"
  [[ $(tray_icons | wc -l) == 1 ]] || fail "not exactly one tray icon"
  xprop -id "$(calendar_window)" WM_CLASS | contains '"ombrelk"' || fail "the window's class"
}

case_double_click_toggles() {
  start_with 1 0 0 tray
  wait_for_icon
  wait_for_shown
  click_on "$(tray_icon)" 1
  holds_for 1 "a single click leaves the window on screen" calendar_viewable
  double_click_icon
  wait_for_hidden
  still_running
  # Shown again while another program has the focus: the calendar comes to the front.
  start_other_window other
  double_click_icon
  wait_for_shown
  wait_for 10 "the calendar to take the focus" calendar_active
  expect_frame_at "$X" "$Y"
}

case_tray_menu_exit() {
  start_with 1 0 0 tray
  wait_for_icon
  wait_for_shown
  double_click_icon
  wait_for_hidden
  click_on "$(tray_icon)" 3
  wait_for 10 "the tray menu" popup_menu
  holds_for 1 "the window stays in the tray while the menu is open" calendar_hidden
  pick_entry 2
  expect_exit "$prog_pid" "the exit entry to end the calendar"
  expect_settings "$TOP" "$LEFT" Monday "$HOLIDAYS" 1 0 1
  [[ ! -e $XDG_RUNTIME_DIR/ombrelk.lock ]] || fail "the lock outlived the calendar"
}

case_tray_menu_show() {
  start_with 0 0 0 tray
  wait_for_icon
  holds_for 1 "the window starts in the tray" calendar_hidden
  start_other_window other
  tray_menu 1
  wait_for_shown
  expect_frame_at "$X" "$Y"
  wait_for 10 "the calendar above the other window" stacked_above "$(calendar_window)" "$other"
  holds_for 1 "the focus stays with the other window" is_active "$other"
}

case_version_dialog() {
  start_with 0 0 0 tray
  wait_for_icon
  holds_for 1 "the window starts in the tray" calendar_hidden
  tray_menu 3
  wait_for 10 "the version dialog" dialog_window
  local dialog
  dialog=$(dialog_window)
  xprop -id "$dialog" _NET_WM_NAME | contains 'バージョン情報' || fail "the dialog's title"
  xdotool windowactivate --sync "$dialog"
  xdotool key Return
  wait_for 10 "the dialog to close" not dialog_window
  wait_for_hidden
  still_running
  wait_for_icon
}

case_month_keys() {
  start_with 1 0 0 tray
  wait_for_shown
  xdotool windowactivate --sync "$(calendar_window)"
  wait_for 10 "the calendar to take the focus" calendar_active
  local line='179x22+0+0' may june april
  wait_for 5 "the year and month drawn" strip_painted "$line"
  may=$(strip_sum "$line")
  xdotool key ctrl+Right
  wait_for 5 "Ctrl+Right to show the next month" strip_is_not "$line" "$may"
  june=$(strip_sum "$line")
  xdotool key ctrl+Up
  wait_for 5 "Ctrl+Up to show this month again" strip_is "$line" "$may"
  xdotool key ctrl+Left
  wait_for 5 "Ctrl+Left to show the month before" strip_is_not "$line" "$may"
  april=$(strip_sum "$line")
  [[ $april != "$june" ]] || fail "April looks like June"
  xdotool key ctrl+n ctrl+n
  wait_for 5 "Ctrl+N twice to reach June" strip_is "$line" "$june"
  xdotool key ctrl+c
  wait_for 5 "Ctrl+C to show this month" strip_is "$line" "$may"
  [[ -n $(calendar_window) ]] || fail "the title no longer shows today"
}

case_always_on_top() {
  start_with 1 0 0 tray
  wait_for_icon
  wait_for_shown
  local first
  first=$(calendar_window)
  settings_menu 2
  wait_for 10 "the window to enter the topmost band" above
  [[ $(calendar_window) == "$first" ]] || fail "the window was made anew"
  expect_frame_at "$X" "$Y"
  settings_menu 2
  wait_for 10 "the window to leave the topmost band" not above
  expect_frame_at "$X" "$Y"
  settings_menu 2
  wait_for 10 "the window to enter the topmost band again" above
  # Through the tray and back: still on top, still in its place.
  double_click_icon
  wait_for_hidden
  double_click_icon
  wait_for_shown
  wait_for 10 "the window to be on top after coming back" above
  expect_frame_at "$X" "$Y"
  kill -TERM "$prog_pid"
  expect_exit "$prog_pid" "SIGTERM to end the calendar"
  expect_settings "$TOP" "$LEFT" Monday "$HOLIDAYS" 1 1 0
}

case_minimise_to_tray() {
  start_with 1 0 0 tray
  wait_for_icon
  wait_for_shown
  xdotool windowminimize "$(calendar_window)"
  wait_for_hidden
  # Sent to the tray, the window is withdrawn, not an icon of the window manager's.
  wait_for 10 "the window to leave the window manager" not wm_state_is 'Iconic\|Normal'
  ! wmctrl -l | contains "$E2E_TITLE" || fail "the task list still holds the window"
  still_running
  double_click_icon
  wait_for_shown
  wm_state_is Normal || fail "the window came back $(wm_state)"
  expect_frame_at "$X" "$Y"
  kill -TERM "$prog_pid"
  expect_exit "$prog_pid" "SIGTERM to end the calendar"
  expect_settings "$TOP" "$LEFT" Monday "$HOLIDAYS" 1 0 0
}

case_second_instance() {
  start_with 1 0 0 tray
  wait_for_icon
  wait_for_shown
  cp "$(settings_file)" "$work/before.ini"
  start_program
  local second=$last_pid box
  helpers+=("$second")
  wait_for 15 "the message of the second start" \
    xdotool search --all --onlyvisible --pid "$second" --name '^Ombrelk$'
  box=$(xdotool search --all --onlyvisible --pid "$second" --name '^Ombrelk$' | awk 'NR == 1')
  xprop -id "$box" _NET_WM_WINDOW_TYPE | contains DIALOG || fail "the message is no dialog"
  [[ -z $(calendar_window "$second") ]] || fail "the second start made a calendar window"
  ! icon_docked "$second" || fail "the second start added a tray icon"
  xdotool windowactivate --sync "$box"
  xdotool key Return
  expect_exit "$second" "the second start to end after its message"
  cmp -s "$work/before.ini" "$(settings_file)" || fail "the second start touched the settings"
  kill -0 "$prog_pid" || fail "the first calendar ended"
  icon_docked || fail "the first calendar lost its icon"
  calendar_viewable || fail "the first calendar lost its window"
}

case_close_by_window_manager() {
  start_with 1 0 0 tray
  wait_for_icon
  wait_for_shown
  local w
  w=$(calendar_window)
  # The user moves the window and picks another first weekday.
  xdotool windowmove "$w" 330 260
  wait_for 10 "the window to move" not frame_at "$X" "$Y"
  xdotool windowactivate --sync "$w"
  wait_for 10 "the calendar to take the focus" calendar_active
  xdotool key Down  # the weekday selector has the focus: Monday to Tuesday
  local x y
  read -r x y < <(frame_position "$w")
  wmctrl -i -c "$w"
  expect_exit "$prog_pid" "closing the window to end the calendar"
  expect_settings $((y * 15)) $((x * 15)) Tuesday "$HOLIDAYS" 1 0 0
}

case_sigterm_in_tray() {
  start_with 1 0 1 tray
  wait_for_icon
  holds_for 1 "the window starts in the tray, as it was left" calendar_hidden
  kill -TERM "$prog_pid"
  expect_exit "$prog_pid" "SIGTERM to end the calendar"
  expect_settings "$TOP" "$LEFT" Monday "$HOLIDAYS" 1 0 1
}

case_sighup_and_sigint() {
  start_with 1 0 0 tray
  local signal
  for signal in HUP INT; do
    wait_for_icon
    wait_for_shown
    kill -"$signal" "$prog_pid"
    expect_exit "$prog_pid" "SIG$signal to end the calendar"
    expect_settings "$TOP" "$LEFT" Monday "$HOLIDAYS" 1 0 0
    if [[ $signal == HUP ]]; then start_calendar; fi
  done
}

case_starts_in_tray() {
  start_with 0 0 0 tray
  wait_for_icon
  holds_for 1 "the window starts in the tray" calendar_hidden
  start_other_window other
  double_click_icon
  wait_for_shown
  wait_for 10 "the calendar to take the focus" calendar_active
  expect_frame_at "$X" "$Y"
  tray_menu 2
  expect_exit "$prog_pid" "the exit entry to end the calendar"
  expect_settings "$TOP" "$LEFT" Monday "$HOLIDAYS" 0 0 0
}

case_no_tray() {
  # Neither "start in the tray" nor "hidden at the last exit" can hide the
  # window where there is no tray to bring it back from.
  start_with 0 0 1 no-tray
  wait_for_shown
  expect_frame_at "$X" "$Y"
  holds_for 1 "no icon without a tray" not icon_docked
  xdotool windowminimize "$(calendar_window)"
  wait_for 10 "the window to be minimised the ordinary way" wm_state_is Iconic
  still_running
  wmctrl -i -a "$(calendar_window)"
  wait_for_shown
  # The tray menu's entries have joined the settings menu: the eighth is the exit.
  settings_menu 8
  expect_exit "$prog_pid" "the exit entry of the settings menu to end the calendar"
  expect_settings "$TOP" "$LEFT" Monday "$HOLIDAYS" 0 0 0
}

case_tray_appears_later() {
  start_with 1 0 0 no-tray
  wait_for_shown
  holds_for 1 "no icon without a tray" not icon_docked
  stop_wm
  start_wm tray
  wait_for_icon
  double_click_icon
  wait_for_hidden
  double_click_icon
  wait_for_shown
}

case_tray_restarts() {
  start_with 1 0 0 tray
  wait_for_icon
  wait_for_shown
  stop_wm
  holds_for 1 "the calendar outlives its tray" kill -0 "$prog_pid"
  start_wm tray
  wait_for_icon
  double_click_icon
  wait_for_hidden
  tray_menu 2
  expect_exit "$prog_pid" "the exit entry to end the calendar"
  local saved
  saved=$(tr -d '\r' <"$(settings_file)" | grep -c '^MODE_MIN :1$' || true)
  [[ $saved == 1 ]] || fail "the window's place in the tray was not saved"
}

case_stale_lock() {
  start_with 1 0 0 tray
  wait_for_icon
  wait_for_shown
  cp "$(settings_file)" "$work/before.ini"
  kill -KILL "$prog_pid"
  wait "$prog_pid" 2>/dev/null || true
  prog_pid=''
  [[ -e $XDG_RUNTIME_DIR/ombrelk.lock ]] || fail "no lock in the runtime folder"
  cmp -s "$work/before.ini" "$(settings_file)" || fail "a killed calendar changed its settings"
  start_calendar
  wait_for_icon
  wait_for_shown
  ! xdotool search --all --onlyvisible --pid "$prog_pid" --name '^Ombrelk$' >/dev/null ||
    fail "the stale lock was taken for a running calendar"
  tray_menu 2
  expect_exit "$prog_pid" "the exit entry to end the calendar"
  expect_settings "$TOP" "$LEFT" Monday "$HOLIDAYS" 1 0 0
}

case_wayland_session() {
  write_settings "$TOP" "$LEFT" Monday "$HOLIDAYS" 1 0 0
  start_display
  start_wm tray
  # A Wayland desktop with XWayland: the calendar goes to the X server, where
  # it can place its window.
  start_calendar WAYLAND_DISPLAY=wayland-ombrelk-e2e XDG_SESSION_TYPE=wayland
  wait_for_icon
  wait_for_shown
  expect_frame_at "$X" "$Y"
  kill -TERM "$prog_pid"
  expect_exit "$prog_pid" "SIGTERM to end the calendar"
  expect_settings "$TOP" "$LEFT" Monday "$HOLIDAYS" 1 0 0
}

# A StatusNotifierItem tray (a panel on the D-Bus protocol): the host's
# activation toggles the window, its context-menu request opens the tray
# menu, a secondary activation does nothing.
start_on_sni_tray() {
  write_settings "$TOP" "$LEFT" Monday "$HOLIDAYS" "$1" 0 0
  start_display
  start_session_bus
  start_sni_host
  start_wm no-tray
  start_calendar
  wait_for 15 "the icon to register with the host" sni_registered 1
}

case_sni_activation() {
  start_on_sni_tray 1
  wait_for_shown
  sni_call Activate
  wait_for_hidden
  start_other_window other
  sni_call Activate
  wait_for_shown
  wait_for 10 "the calendar to take the focus" calendar_active
  expect_frame_at "$X" "$Y"
  sni_call SecondaryActivate
  holds_for 1 "a secondary activation leaves the window on screen" calendar_viewable
  sni_call ContextMenu
  wait_for 10 "the tray menu" popup_menu
  import -window root "$OUT/sni-tray-menu.png"
  pick_entry 2
  expect_exit "$prog_pid" "the exit entry to end the calendar"
  expect_settings "$TOP" "$LEFT" Monday "$HOLIDAYS" 1 0 0
}

# The day in the icon on a StatusNotifierItem tray: the item offers the
# page drawn at each size a panel may show, not one picture to scale, and
# changes it when the option is turned on.
sni_pixmaps() { /usr/bin/python3 "$here/sni_host.py" pixmaps "$work/sni-items" "$OUT"; }
sni_offers_day() { [[ $(sni_pixmaps | sort -n | tr '\n' ' ') == "$1" ]]; }

case_sni_day_icon() {
  start_on_sni_tray 1
  local plain
  plain=$(sni_pixmaps | tr '\n' ' ')
  settings_menu 5  # トレイアイコンに日付を表示: on
  wait_for 10 "the item to offer the day's page at every panel size" \
    sni_offers_day "16x16 22x22 24x24 32x32 48x48 64x64 "
  [[ $plain != "16x16 22x22 24x24 32x32 48x48 64x64 " ]] ||
    fail "the program's own icon already offered the drawn sizes"
  kill -TERM "$prog_pid"
  expect_exit "$prog_pid" "SIGTERM to end the calendar"
  expect_settings "$TOP" "$LEFT" Monday "$HOLIDAYS" 1 0 0 "MODE_ICON:1"
}

case_sni_tray_vanishes() {
  start_on_sni_tray 0
  holds_for 1 "the window starts in the tray" calendar_hidden
  stop_sni_host
  wait_for_shown
  expect_frame_at "$X" "$Y"
  start_sni_host
  wait_for 15 "the icon to register again" sni_registered 2
  wait_for_hidden
  sni_call Activate
  wait_for_shown
}

# Xfce's panel: its status tray activates the item on a left click and, on
# a right click, shows the menu the item exports; it never asks the item for
# a pop-up of its own.
start_on_xfce_panel() {
  write_settings "$TOP" "$LEFT" Monday "$HOLIDAYS" "$1" 0 0
  start_display
  start_session_bus
  start_wm no-tray
  start_xfce_panel
  start_calendar
  wait_for 15 "the icon in the Xfce panel" xfce_icon_drawn
}

case_xfce_tray_menu() {
  start_on_xfce_panel 1
  wait_for_shown
  click_on "$(xfce_tray)" 1
  wait_for_hidden
  click_on "$(xfce_tray)" 1
  wait_for_shown
  xfce_tray_menu 3 xfce-tray-menu.png
  wait_for 10 "the version dialog" dialog_window
  xdotool windowactivate --sync "$(dialog_window)"
  xdotool key Return
  wait_for 10 "the dialog to close" not dialog_window
  xfce_tray_menu 2
  expect_exit "$prog_pid" "the exit entry to end the calendar"
  expect_settings "$TOP" "$LEFT" Monday "$HOLIDAYS" 1 0 0
}

# The icon registers with the restarted panel and exports its menu again.
case_xfce_panel_restarts() {
  start_on_xfce_panel 0
  holds_for 1 "the window starts in the tray" calendar_hidden
  stop_xfce_panel
  wait_for_shown
  start_xfce_panel
  wait_for 15 "the icon in the restarted panel" xfce_icon_drawn
  wait_for_hidden
  xfce_tray_menu 1 xfce-menu-after-restart.png
  wait_for_shown
}

case_tray_vanishes() {
  start_with 0 0 0 tray
  wait_for_icon
  holds_for 1 "the window starts in the tray" calendar_hidden
  stop_wm
  wait_for_shown
  start_wm tray
  wait_for_icon
  wait_for_hidden
  double_click_icon
  wait_for_shown
}

# A watcher that appears after start-up is not followed: the icon stays on
# XEmbed and docks in the XEmbed tray that comes with it, and the window,
# untouched since a start that was to put it in the tray, goes there.
case_late_tray_takes_the_window() {
  write_settings "$TOP" "$LEFT" Monday "$HOLIDAYS" 0 0 0
  start_display
  start_session_bus
  start_wm no-tray
  start_calendar
  wait_for_shown
  holds_for 1 "no icon without a tray" not icon_docked
  start_sni_host
  stop_wm
  start_wm tray
  wait_for_icon
  wait_for_hidden
  import -window root "$OUT/xembed-tray.png"
  [[ $(sni_items) == 0 ]] || fail "the icon registered with a watcher that came late"
  double_click_icon
  wait_for_shown
}

# The exit from the tray never brings the window on screen, so the window
# manager never manages it.
case_exit_never_maps() {
  start_with 0 0 0 tray
  wait_for_icon
  holds_for 1 "the window starts in the tray" calendar_hidden
  xprop -root -spy _NET_CLIENT_LIST >"$work/clients" 2>/dev/null &
  helpers+=($!)
  wait_for 5 "the client list" test -s "$work/clients"
  tray_menu 2
  expect_exit "$prog_pid" "the exit entry to end the calendar"
  sleep 0.5
  [[ $(sort -u "$work/clients" | wc -l) == 1 ]] || fail "the window was mapped: $(cat "$work/clients")"
  expect_settings "$TOP" "$LEFT" Monday "$HOLIDAYS" 0 0 1
}

grid_differs() {
  [[ $(import -window "$1" -crop 179x149+0+0 rgb:- 2>/dev/null | md5sum | cut -c1-32) != "$2" ]]
}

case_midnight() {
  fake_now='2027-05-03 23:59:40'  # room for a slow start before midnight
  start_with 1 0 0 tray
  wait_for_shown
  local may3
  wait_for 5 "the year and month drawn" strip_painted 179x22+0+0
  may3=$(strip_sum 179x149+0+0)
  wait_for 40 "the caption to show the new day" \
    xdotool search --all --onlyvisible --pid "$prog_pid" --name '^2027/05/04$'
  local w
  w=$(xdotool search --all --onlyvisible --pid "$prog_pid" --name '^2027/05/04$' | awk 'NR == 1')
  # Today's yellow moves from the 3rd to the 4th.
  wait_for 5 "the day grid redrawn" grid_differs "$w" "$may3"
  import -window "$w" "$OUT/after-midnight.png"
}

# The day in the icon docked in an XEmbed tray: turned on from the settings
# menu, the icon's picture changes, and again at midnight as the day does.
icon_sum() { import -window "$(tray_icon)" rgb:- 2>/dev/null | md5sum | cut -c1-32; }
icon_differs() { [[ $(icon_sum) != "$1" ]]; }

case_xembed_day_icon() {
  fake_now='2027-05-03 23:59:35'  # room for a slow start before midnight
  start_with 1 0 0 tray
  wait_for_icon
  wait_for_shown
  sleep 0.5  # the icon painted
  local plain dated
  plain=$(icon_sum)
  settings_menu 5  # トレイアイコンに日付を表示: on
  wait_for 5 "the icon to show the day" icon_differs "$plain"
  sleep 0.5
  dated=$(icon_sum)
  import -window root "$OUT/xembed-day-3.png"
  wait_for 40 "the icon to follow the date" icon_differs "$dated"
  sleep 0.5
  import -window root "$OUT/xembed-day-4.png"
  kill -TERM "$prog_pid"
  expect_exit "$prog_pid" "SIGTERM to end the calendar"
  expect_settings "$TOP" "$LEFT" Monday "$HOLIDAYS" 1 0 0 "MODE_ICON:1"
}

# The start at login: an autostart entry that runs the launcher beside the
# program, written and removed from the settings menu.
case_login_start() {
  local entry=$XDG_CONFIG_HOME/autostart/ombrelk.desktop
  start_with 1 0 0 tray
  wait_for_icon
  wait_for_shown
  settings_menu 6  # ログイン時に起動: on
  wait_for 10 "the autostart entry" test -f "$entry"
  local exec
  exec=$(sed -n 's/^Exec=//p' "$entry")
  [[ $exec == "$(cd "$(dirname "$PROGRAM")" && pwd)/ombrelk-launch" && -x $exec ]] ||
    fail "the entry runs '$exec', not the launcher beside $PROGRAM"
  settings_menu 6  # off
  wait_for 10 "the autostart entry to go" not test -e "$entry"
  tray_menu 2
  expect_exit "$prog_pid" "the exit entry to end the calendar"
  expect_settings "$TOP" "$LEFT" Monday "$HOLIDAYS" 1 0 0
}

# The menu entry's launcher: the calendar runs in its settings folder, and a
# file left in the home folder is copied there once.
case_launcher() {
  write_settings "$TOP" "$LEFT" Monday "$HOLIDAYS" 1 0 0
  mv "$work/calendar/Ombrelk.ini" "$HOME/Ombrelk.ini"
  cp "$HOME/Ombrelk.ini" "$work/home-before.ini"
  launcher=$here/../../platform/backends/qt/ombrelk-launch
  settings_path=$XDG_CONFIG_HOME/ombrelk/Ombrelk.ini
  start_display
  start_wm tray
  start_calendar
  wait_for_icon
  wait_for_shown
  expect_frame_at "$X" "$Y"
  settings_menu 1  # no longer shown at start-up
  tray_menu 2
  expect_exit "$prog_pid" "the exit entry to end the calendar"
  expect_settings "$TOP" "$LEFT" Monday "$HOLIDAYS" 0 0 0
  cmp -s "$work/home-before.ini" "$HOME/Ombrelk.ini" || fail "the home folder's file changed"
  # Once: the settings folder's own file wins from now on.
  start_calendar
  wait_for_icon
  holds_for 1 "the window starts in the tray" calendar_hidden
  tray_menu 2
  expect_exit "$prog_pid" "the exit entry to end the calendar"
}

# A clean start prints nothing, on X and offscreen.
case_quiet_start() {
  write_settings "$TOP" "$LEFT" Monday "$HOLIDAYS" 1 0 0
  start_display
  start_wm tray
  start_calendar QT_QPA_PLATFORM=offscreen
  holds_for 2 "the offscreen calendar keeps running" kill -0 "$prog_pid"
  kill -TERM "$prog_pid"
  expect_exit "$prog_pid" "SIGTERM to end the calendar"
  start_calendar
  wait_for_icon
  wait_for_shown
  kill -TERM "$prog_pid"
  expect_exit "$prog_pid" "SIGTERM to end the calendar"
  [[ ! -s $OUT/program.log ]] || fail "the calendar printed: $(cat "$OUT/program.log")"
}

# The era date and the 六曜 from the settings menu's fourth entry: the tip
# over a day gives them, and the option is saved.
case_reki_tip() {
  start_with 1 0 0 tray
  wait_for_icon
  wait_for_shown
  settings_menu 4
  # Monday first: 1 May 2027 is a Saturday, so Wednesday the 12th lies in the
  # third column of the third row (24 by 12 pixels a step, from 0 by 40).
  local info x y
  info=$(xwininfo -id "$(calendar_window)")
  x=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
  y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
  move_pointer $((x + 2 * 24 + 12)) $((y + 40 + 2 * 12 + 6))
  xdotool mousemove_relative 1 0
  wait_for 10 "the tip over the 12th" popup_menu
  sleep 0.3  # painted
  import -window root "$OUT/reki-tip.png"
  kill -TERM "$prog_pid"
  expect_exit "$prog_pid" "SIGTERM to end the calendar"
  expect_settings "$TOP" "$LEFT" Monday "$HOLIDAYS" 1 0 0 "MODE_REKI:1"
}

# The accessibility bus on the case's own session bus, as a desktop session
# starts it before its programs.
start_atspi_bus() {
  [[ -x /usr/libexec/at-spi-bus-launcher ]] ||
    fail "at-spi2-core is not installed (scripts/install-deps.sh test)"
  /usr/bin/python3 -c 'import pyatspi' 2>/dev/null ||
    fail "python3-pyatspi is not installed (scripts/install-deps.sh test)"
  start_session_bus
  /usr/libexec/at-spi-bus-launcher --launch-immediately >>"$OUT/atspi.log" 2>&1 &
  helpers+=("$!")
  wait_for 10 "the accessibility bus" dbus-send --session --print-reply --dest=org.a11y.Bus \
    /org/a11y/bus org.a11y.Bus.GetAddress
}

# What a screen reader finds of the calendar, one line per object.
reader_tree() { /usr/bin/python3 "$here/atspi_tree.py" ombrelk 20; }

expect_reader_tree() {
  local name=$1 expected=$2
  reader_tree >"$OUT/$name.txt" || fail "the calendar is not on the accessibility bus"
  diff -u <(printf '%s\n' "$expected") "$OUT/$name.txt" >"$OUT/$name.diff" ||
    fail "what a screen reader finds in $name differs: $OUT/$name.diff"
}

# The days of a month as a reader lists them: "M月D日 W曜日" from day 1 on
# the given weekday, with extra words for the days given as DAY=WORDS.
reader_days() {
  local month=$1 days=$2 weekday=$3 d words
  shift 3
  local -A extra=()
  for words in "$@"; do extra[${words%%=*}]=${words#*=}; done
  local names=(日 月 火 水 木 金 土)
  for ((d = 1; d <= days; d++)); do
    printf '  label: %s月%s日 %s曜日%s\n' "$month" "$d" "${names[weekday]}" "${extra[$d]:+ ${extra[$d]}}"
    weekday=$(((weekday + 1) % 7))
  done
}

# A screen reader walks the calendar through AT-SPI: the month in words, the
# weekdays in full, each day by its date and what its colour says, then the
# controls in tab order; after Ctrl+Right it finds the next month.
case_screen_reader() {
  write_settings "$TOP" "$LEFT" Monday "$HOLIDAYS" 1 0 0
  start_display
  start_wm tray
  start_atspi_bus
  start_calendar QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
  wait_for_shown
  local header controls
  header=$(printf '  label: %s\n' 月曜日 火曜日 水曜日 木曜日 金曜日 土曜日 日曜日)
  controls="  combo box: Monday (はじまりの曜日)
    list: 
$(printf '      list item: %s\n' Sunday Monday Tuesday Wednesday Thursday Friday Saturday)
  push button: 前月 (前月)
  push button: 今月 (今月)
  push button: 翌月 (翌月)
  push button: Trevask HomePageへ (Trevask HomePageへ)"
  expect_reader_tree may "frame: 2027/05/03
  label: 2027年5月
$header
$(reader_days 5 31 6 '3=今日 祝日' 6=祝日)
$controls"
  xdotool windowactivate --sync "$(calendar_window)"
  wait_for 10 "the calendar to take the focus" calendar_active
  xdotool key ctrl+Right
  wait_for 10 "the next month on the accessibility bus" eval 'reader_tree | contains 2027年6月'
  expect_reader_tree june "frame: 2027/05/03
  label: 2027年6月
$header
$(reader_days 6 30 2)
$controls"
}
