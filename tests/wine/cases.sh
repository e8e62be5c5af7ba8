# shellcheck shell=bash
# The Windows program's end-to-end cases under Wine, one function each;
# run_case.sh runs one by name. The Linux cases' settings (the window's frame
# at (200, 120) pixels at 96 DPI, Monday first, three holidays of the user's
# own) and helpers are used as they are; what differs under Wine follows.

# shellcheck source=../e2e/cases.sh
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/cases.sh"

# Wine starts its own processes along with the program's first window.
wait_for_icon() { wait_for 90 "the tray icon" icon_docked; }
wait_for_shown() { wait_for 90 "the calendar window on screen" calendar_viewable; }

# The calendar's other framed window: the version dialog.
dialog_window() {
  xdotool search --all --onlyvisible --name 'バージョン情報$' 2>/dev/null | awk 'NR == 1' | grep .
}

# The year-and-month line and the day grid, in client pixels at 96 DPI.
readonly YM_LINE='179x18+0+2' GRID='179x80+0+40'

# The calendar's window sizes to its client area: 2685 x 2235 twips.
expect_client_size() {
  local size
  size=$(xwininfo -id "$(calendar_window)" | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w "x" h}')
  [[ $size == "$1" ]] || fail "the client area is $size, expected $1"
}

case_window_and_grid() {
  start_with 1 0 0 tray
  wait_for_icon
  wait_for_shown
  expect_frame_at "$X" "$Y"
  expect_client_size 179x149
  wait_for 10 "the month drawn" strip_painted "$GRID"
  # 3 May 2027 is today (yellow) and a holiday; Sundays and holidays are dark
  # red, Saturdays blue.
  (($(colour_count FFFF00) > 5)) || fail "no yellow day"
  (($(colour_count C00000) > 20)) || fail "no dark red days"
  (($(colour_count 0000FF) > 20)) || fail "no blue days"
  [[ $(tray_icons | wc -l) == 1 ]] || fail "not exactly one tray icon"
}

case_month_keys() {
  start_with 1 0 0 tray
  wait_for_shown
  xdotool windowactivate --sync "$(calendar_window)"
  wait_for 10 "the calendar to take the focus" calendar_active
  wait_for 10 "the year and month drawn" strip_painted "$YM_LINE"
  local may june
  may=$(strip_sum "$YM_LINE")
  xdotool key ctrl+Right
  wait_for 5 "Ctrl+Right to show the next month" strip_is_not "$YM_LINE" "$may"
  june=$(strip_sum "$YM_LINE")
  xdotool key ctrl+b
  wait_for 5 "Ctrl+B to show the month before" strip_is "$YM_LINE" "$may"
  xdotool key ctrl+b
  wait_for 5 "Ctrl+B to show April" strip_is_not "$YM_LINE" "$may"
  [[ $(strip_sum "$YM_LINE") != "$june" ]] || fail "April looks like June"
  xdotool key ctrl+Home
  wait_for 15 "Ctrl+Home to open the home page" grep -q '^https\?://' "$work/opened"
}

# The month buttons, in client pixels at 96 DPI: 前月 and 翌月's middles.
readonly PREV_MONTH=(88 132) NEXT_MONTH=(136 132)

case_month_double_click() {
  start_with 1 0 0 tray
  wait_for_shown
  wait_for 10 "the year and month drawn" strip_painted "$YM_LINE"
  local may june july
  may=$(strip_sum "$YM_LINE")
  # Two slow clicks on 翌月, well apart from a double-click: July.
  click_at "${NEXT_MONTH[@]}" 1
  wait_for 5 "翌月 to show June" strip_is_not "$YM_LINE" "$may"
  june=$(strip_sum "$YM_LINE")
  sleep 1
  click_at "${NEXT_MONTH[@]}" 1
  wait_for 5 "翌月 to show July" strip_is_not "$YM_LINE" "$june"
  july=$(strip_sum "$YM_LINE")
  sleep 1
  click_at "${PREV_MONTH[@]}" 1
  wait_for 5 "前月 to show June" strip_is "$YM_LINE" "$june"
  sleep 1
  click_at "${PREV_MONTH[@]}" 1
  wait_for 5 "前月 to show May" strip_is "$YM_LINE" "$may"
  sleep 1
  # The same two clicks in quick succession move as far.
  local x y
  read -r x y < <(client_origin "$(calendar_window)")
  move_pointer $((x + NEXT_MONTH[0])) $((y + NEXT_MONTH[1]))
  xdotool click --repeat 2 --delay 60 1
  wait_for 5 "a double-click on 翌月 to show July" strip_is "$YM_LINE" "$july"
}

# The calendar shown at start takes the keys without a click.
# Wine's shell activates its tray for a moment as it docks a new icon, some
# time after the calendar came up active; the activation it takes with no
# key or click since is taken back. The tray tool takes it again, as the
# shell may, later than the window manager focused the calendar.
case_keys_at_start() {
  start_with 1 0 0 tray
  wait_for_shown
  wait_for 10 "the calendar to take the focus" calendar_active
  wait_for 10 "the year and month drawn" strip_painted "$YM_LINE"
  wait_for_icon
  run_wine "$TRAY_TOOL" activate || fail "the taskbar could not be activated"
  local may
  may=$(strip_sum "$YM_LINE")
  xdotool key ctrl+Right
  wait_for 5 "Ctrl+Right to show the next month" strip_is_not "$YM_LINE" "$may"
}

case_weekday_dropdown() {
  start_with 1 0 0 tray
  wait_for_shown
  local grid
  wait_for 10 "the month drawn" strip_painted "$GRID"
  grid=$(strip_sum "$GRID")
  click_at 30 125 1
  wait_for 10 "the drop-down list" popup_list
  xdotool key Down Return
  wait_for 10 "the list to close" not popup_list
  wait_for 5 "the month redrawn from Tuesday" strip_is_not "$GRID" "$grid"
  wmctrl -i -c "$(calendar_window)"
  expect_exit "$prog_pid" "the close button to end the calendar"
  expect_settings "$TOP" "$LEFT" Tuesday "$HOLIDAYS" 1 0 0
}

# The combo box's list: a window of the program the window manager does not
# frame, over the calendar.
popup_list() {
  local w y o
  for w in $(xdotool search --all --onlyvisible --classname '^ombrelk.exe$' 2>/dev/null); do
    read -r _ y _ _ o < <(window_box "$w")
    [[ $o == yes ]] && ((y > Y)) && return 0
  done
  return 1
}

case_options_menu() {
  start_with 1 0 0 tray
  wait_for_icon
  wait_for_shown
  click_at 90 70 1
  holds_for 1 "a left click on the grid opens nothing" not popup_menu
  settings_menu 1  # 起動時にウィンドウを表示: off
  settings_menu 2  # 常に手前に表示: on
  wait_for 10 "the window to enter the topmost band" above
  expect_frame_at "$X" "$Y"
  settings_menu 2
  wait_for 10 "the window to leave the topmost band" not above
  expect_frame_at "$X" "$Y"
  settings_menu 2
  wait_for 10 "the window to enter the topmost band again" above
  tray_menu 2
  expect_exit "$prog_pid" "the exit entry to end the calendar"
  expect_settings "$TOP" "$LEFT" Monday "$HOLIDAYS" 0 1 0
}

# The day in the icon: turned on from the settings menu, the icon docked in
# the tray turns to the page with today's number, and the option is saved.
case_day_icon() {
  start_with 1 0 0 tray
  wait_for_icon
  wait_for_shown
  sleep 0.5  # the icon painted
  local plain
  plain=$(icon_sum)
  settings_menu 5  # トレイアイコンに日付を表示: on
  wait_for 10 "the docked icon to show the day" icon_differs "$plain"
  sleep 0.5
  import -window root "$OUT/day-icon.png"
  tray_menu 2
  expect_exit "$prog_pid" "the exit entry to end the calendar"
  expect_settings "$TOP" "$LEFT" Monday "$HOLIDAYS" 1 0 0 "MODE_ICON:1"
}

# The login entry: a shortcut in the user's Startup folder that starts this
# .exe in the folder the calendar started in, where its Ombrelk.ini is.
startup_link() { find "$WINEPREFIX/drive_c/users" -ipath '*/Startup/Ombrelk.lnk' | grep .; }

case_login_start() {
  start_with 1 0 0 tray
  wait_for_icon
  wait_for_shown
  holds_for 1 "no shortcut before the entry is chosen" not startup_link
  settings_menu 6  # ログイン時に起動: on
  wait_for 10 "the shortcut in the Startup folder" startup_link
  # The target's path is kept as ANSI text, the working folder as UTF-16.
  local link texts want
  link=$(startup_link)
  texts=$({ strings -a "$link"; strings -a -el "$link"; } | tr '[:upper:]' '[:lower:]')
  for want in "$(winepath -w "$exe")" "$(winepath -w "$work/calendar")"; do
    [[ $want == ?:\\* ]] || fail "winepath gave no Windows path: '$want'"
    grep -qF -- "${want,,}" <<<"$texts" || fail "the shortcut does not name $want: $texts"
    log "the shortcut names $want"
  done
  settings_menu 6  # off
  wait_for 10 "the shortcut to go" not startup_link
  tray_menu 2
  expect_exit "$prog_pid" "the exit entry to end the calendar"
  expect_settings "$TOP" "$LEFT" Monday "$HOLIDAYS" 1 0 0
}

case_tray_double_click() {
  start_with 1 0 0 tray
  wait_for_icon
  wait_for_shown
  click_on "$(tray_icon)" 1
  holds_for 1 "a single click leaves the window on screen" calendar_viewable
  double_click_icon
  wait_for_hidden
  still_running
  double_click_icon
  wait_for_shown
  wait_for 10 "the calendar to take the focus" calendar_active
  expect_frame_at "$X" "$Y"
}

case_tray_menu_show() {
  start_with 0 0 0 tray
  wait_for_icon
  holds_for 2 "the window starts in the tray" calendar_hidden
  tray_menu 1
  wait_for_shown
  expect_frame_at "$X" "$Y"
}

case_minimise_to_tray() {
  start_with 1 0 0 tray
  wait_for_icon
  wait_for_shown
  xdotool windowminimize "$(calendar_window)"
  wait_for_hidden
  still_running
  double_click_icon
  wait_for_shown
  expect_frame_at "$X" "$Y"
  tray_menu 2
  expect_exit "$prog_pid" "the exit entry to end the calendar"
  expect_settings "$TOP" "$LEFT" Monday "$HOLIDAYS" 1 0 0
}

case_version_dialog() {
  start_with 0 0 0 tray
  wait_for_icon
  holds_for 1 "the window starts in the tray" calendar_hidden
  tray_menu 3
  wait_for 10 "the version dialog" dialog_window
  calendar_viewable || fail "the calendar is not shown under the dialog"
  local dialog
  dialog=$(dialog_window)
  xdotool windowactivate --sync "$dialog"
  xdotool key Return
  wait_for 10 "the dialog to close" not dialog_window
  wait_for_hidden
  still_running
}

# In the dialog's client area, in pixels at 96 DPI: the link and OK.
readonly LINK=(128 44) OK_BUTTON=(234 28)

case_version_dialog_focus() {
  start_with 1 0 0 tray
  wait_for_icon
  wait_for_shown
  wait_for 10 "the year and month drawn" strip_painted "$YM_LINE"
  tray_menu 3
  wait_for 10 "the version dialog" dialog_window
  local x y
  read -r x y < <(client_origin "$(dialog_window)")
  move_pointer $((x + LINK[0])) $((y + LINK[1]))
  xdotool click --repeat 2 --delay 60 1
  wait_for 15 "the link to open the home page" grep -q '^https\?://' "$work/opened"
  holds_for 2 "a double-click on the link to open it once" \
    test "$(wc -l <"$work/opened")" -eq 1
  move_pointer $((x + OK_BUTTON[0])) $((y + OK_BUTTON[1]))
  xdotool click 1
  wait_for 10 "the dialog to close" not dialog_window
  # Wine leaves the X input focus to the window manager, which gives it to no
  # window here: the weekday box drawn focused shows the calendar active, and
  # a key handed to its X window reaches whichever window Windows has
  # focused.
  wait_for 10 "the calendar to take the focus back" weekday_box_focused
  local may
  may=$(strip_sum "$YM_LINE")
  xdotool key --window "$(calendar_window)" ctrl+Right
  wait_for 5 "Ctrl+Right to reach the calendar" strip_is_not "$YM_LINE" "$may"
}

# The weekday box's text on the selection colour, as it is drawn focused.
weekday_box_focused() { (($(colour_count 3096FA) > 100)); }

case_exit_entry_in_tray() {
  start_with 1 0 0 tray
  wait_for_icon
  wait_for_shown
  double_click_icon
  wait_for_hidden
  tray_menu 2
  expect_exit "$prog_pid" "the exit entry to end the calendar"
  expect_settings "$TOP" "$LEFT" Monday "$HOLIDAYS" 1 0 1
}

case_close_button() {
  start_with 1 0 0 tray
  wait_for_icon
  wait_for_shown
  # How far the window manager's frame lies from the Windows frame Wine placed.
  local x0 y0 x y
  read -r x0 y0 < <(frame_position "$(calendar_window)")
  xdotool windowmove "$(calendar_window)" 330 260
  wait_for 10 "the window to move" not frame_near "$X" "$Y"
  read -r x y < <(frame_position "$(calendar_window)")
  wmctrl -i -c "$(calendar_window)"
  expect_exit "$prog_pid" "the close button to end the calendar"
  wait_for 10 "the tray icon to go" not icon_docked
  expect_settings $(((y + Y - y0) * 15)) $(((x + X - x0) * 15)) Monday "$HOLIDAYS" 1 0 0
}

# Starts the calendar on whatever settings file the case left (none, or a
# damaged one), exits from the tray menu and checks the fresh file it wrote:
# seven CRLF lines, the fifteen fixed holidays of the defaults.
start_and_exit_with_defaults() {
  start_display
  start_wm tray
  start_calendar
  wait_for_icon
  wait_for_shown
  tray_menu 2
  expect_exit "$prog_pid" "the exit entry to end the calendar"
  [[ $(grep -c $'\r$' "$(settings_file)") == 7 ]] || fail "not seven CRLF lines"
  tr -d '\r' <"$(settings_file)" | grep -q '^HOLIDAY  :00000101[0-9]\{112\}$' ||
    fail "no default holidays"
}

case_missing_settings() {
  start_and_exit_with_defaults
}

case_damaged_settings() {
  printf 'FORMTOP  :abc\r\n\x01\x02garbage' >"$work/calendar/Ombrelk.ini"
  start_and_exit_with_defaults
  ! grep -q garbage "$(settings_file)" || fail "the damaged file was kept"
}

case_taskbar_created() {
  start_with 1 0 0 tray
  wait_for_icon
  wait_for_shown
  run_wine "$TRAY_TOOL" remove
  wait_for 10 "the icon to leave the tray" not icon_docked
  run_wine "$TRAY_TOOL" broadcast
  wait_for 30 "the icon to come back" icon_docked
  double_click_icon
  wait_for_hidden
  double_click_icon
  wait_for_shown
}

case_high_dpi() {
  reg_add 'HKCU\Control Panel\Desktop' LogPixels REG_DWORD 192
  write_settings 900 1500 Monday "$HOLIDAYS" 1 0 0
  start_display
  start_wm tray
  start_calendar
  wait_for_icon
  wait_for_shown
  # Twice the pixels for the same twips: the client area, and the frame's
  # left edge at 1500 twips (the window manager's title bar is lower than
  # Windows' at this resolution, so the top is checked in the saved file).
  expect_client_size 358x298
  local x y
  read -r x y < <(frame_position "$(calendar_window)")
  ((x >= 197 && x <= 203)) || fail "the window's frame is at x $x, expected about 200"
  double_click_icon
  wait_for_hidden
  double_click_icon
  wait_for_shown
  [[ $(frame_position "$(calendar_window)") == "$x $y" ]] || fail "the window moved"
  # Wine (8.0) opens the tray menu below the pointer at this resolution, off
  # the screen's bottom edge: the close button ends the calendar here.
  wmctrl -i -c "$(calendar_window)"
  expect_exit "$prog_pid" "the close button to end the calendar"
  expect_settings 900 1500 Monday "$HOLIDAYS" 1 0 0
}

# Real pointer moves are never tray notifications, which the calendar reads
# from its mouse-move handler: 515 pixels right is where the shell's message
# for a double-click on the icon would stand, 516 a right press.
pointer_far_right() {
  local x y
  read -r x y < <(client_origin "$(calendar_window)")
  move_pointer $((x + 515)) $((y + $1))
  move_pointer $((x + 516)) $((y + $1))
}

case_drag_off_day() {
  start_with 1 0 0 tray
  wait_for_icon
  wait_for_shown
  local x y
  read -r x y < <(client_origin "$(calendar_window)")
  move_pointer $((x + 90)) $((y + 70))
  xdotool mousedown 1
  pointer_far_right 70
  holds_for 1 "a drag far past the window leaves it on screen" calendar_viewable
  not popup_menu || fail "a drag opened the tray menu"
  xdotool mouseup 1
  holds_for 1 "the release leaves the window on screen" calendar_viewable
}

# At 288 DPI the client area is 537 pixels wide: its top edge, outside the
# labels, reaches past 516.
case_hover_at_288_dpi() {
  reg_add 'HKCU\Control Panel\Desktop' LogPixels REG_DWORD 288
  write_settings 300 300 Monday "$HOLIDAYS" 1 0 0
  start_display
  start_wm tray
  start_calendar
  wait_for_icon
  wait_for_shown
  expect_client_size 537x447
  pointer_far_right 2
  holds_for 1 "hovering leaves the window on screen" calendar_viewable
  not popup_menu || fail "hovering opened the tray menu"
  # The icon's own notifications still arrive.
  double_click_icon
  wait_for_hidden
}

case_midnight() {
  write_settings "$TOP" "$LEFT" Monday "$HOLIDAYS" 1 0 0
  start_display
  start_wm tray
  # Ninety seconds before the night from Monday 3 to Tuesday 4 May 2027: time
  # enough for Wine to start on a busy machine, so that the calendar is seen
  # on the Monday first.
  start_calendar FAKETIME='@2027-05-03 23:58:30'
  wait_for_icon
  wait_for_shown
  wait_for 120 "the caption to turn to the next day" \
    xdotool search --all --onlyvisible --pid "$prog_pid" --name '^2027/05/04$'
}

# A tool tip of the program's: a small window the window manager does not frame.
tool_tip_shown() {
  local w ht o
  for w in $(xdotool search --all --onlyvisible --classname '^ombrelk.exe$' 2>/dev/null); do
    read -r _ _ _ ht o < <(window_box "$w")
    [[ $o == yes ]] && ((ht > 8 && ht < 40)) && return 0
  done
  return 1
}

case_holiday_tip() {
  start_with 1 0 0 tray
  wait_for_icon
  wait_for_shown
  settings_menu 3  # 現行の祝日法で表示: the holidays' names as tips
  # Monday 3 May 2027, Constitution Memorial Day: the first cell of the second row.
  local x y
  read -r x y < <(client_origin "$(calendar_window)")
  move_pointer $((x + 10)) $((y + 58))
  move_pointer $((x + 12)) $((y + 58))
  wait_for 15 "the holiday's name as a tip" tool_tip_shown
}

# What a screen reader finds of the calendar through MSAA (ombrelk_msaa_walk),
# one "role<TAB>name" line per object; the calendar's window must be on screen.
msaa_walk() {
  [[ -n ${MSAA_WALK:-} ]] || fail "MSAA_WALK names no walker (tests/wine/CMakeLists.txt)"
  rm -f "$work/walk.txt"
  run_wine "$MSAA_WALK" "$(winepath -w "$work/walk.txt" 2>/dev/null)" 2027/05/03 &&
    cat "$work/walk.txt"
}

expect_msaa_walk() {
  local name=$1 expected=$2
  msaa_walk >"$OUT/$name.txt" || fail "the calendar gives a screen reader no object"
  diff -u <(printf '%s\n' "$expected") "$OUT/$name.txt" >"$OUT/$name.diff" ||
    fail "what a screen reader finds in $name differs: $OUT/$name.diff"
}

# The Linux case's names, in the walker's lines: static text is role 41.
msaa_days() { reader_days "$@" | sed $'s/^  label: /41\t/'; }

# The same walk as the Linux case's, through MSAA: the month, the weekdays in
# full, each day by its date and what its colour says, then the weekday list
# (a combo box, 46) and the picture buttons (push buttons, 43), each its own
# window; after Ctrl+Right the next month.
case_screen_reader() {
  start_with 1 0 0 tray
  wait_for_shown
  local header controls
  header=$(printf '41\t%s\n' 月曜日 火曜日 水曜日 木曜日 金曜日 土曜日 日曜日)
  controls=$(printf '46\tはじまりの曜日' && printf '\n43\t%s' 前月 今月 翌月 'Trevask HomePageへ')
  expect_msaa_walk may "$(printf '10\t2027/05/03\n41\t2027年5月')
$header
$(msaa_days 5 31 6 '3=今日 祝日' 6=祝日)
$controls"
  xdotool windowactivate --sync "$(calendar_window)"
  wait_for 10 "the calendar to take the focus" calendar_active
  xdotool key ctrl+Right
  wait_for 10 "the next month to a screen reader" eval 'msaa_walk | contains 2027年6月'
  expect_msaa_walk june "$(printf '10\t2027/05/03\n41\t2027年6月')
$header
$(msaa_days 6 30 2)
$controls"
}

# The installer as a user runs it, silently (/S): the program, its shortcut
# starting it in %APPDATA%\Ombrelk, the uninstall entry; the calendar started
# as that shortcut starts it; an upgrade over the running calendar, which
# closes it (its settings saved); a silent uninstall that keeps them.
# INSTALLER is a 64-bit build of the installer, EXE64 the 64-bit program.
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Ombrelk'
windows_folder() { winepath -u "$(wine cmd /c echo "%$1%" 2>/dev/null | tr -d '\r')"; }
menu_link() { find "$WINEPREFIX/drive_c/users" -ipath '*/Start Menu/Programs/Ombrelk.lnk' | grep .; }

case_installer() {
  [[ -f ${INSTALLER:-} ]] || fail "no installer '${INSTALLER:-}' (scripts/package-windows.sh)"
  start_display
  start_wm tray
  wine "$INSTALLER" /S >>"$OUT/program.log" 2>&1 || fail "the silent install failed: $?"
  local programs settings
  programs=$(windows_folder LOCALAPPDATA)/Programs/Ombrelk
  settings=$(windows_folder APPDATA)/Ombrelk
  cmp -s "$programs/ombrelk.exe" "$EXE64" || fail "no 64-bit program in $programs"
  [[ -f $programs/LICENSE.txt && -f $programs/uninstall.exe ]] || fail "no licence or uninstaller"
  [[ -d $settings ]] || fail "no settings folder $settings"
  # The target's path is kept as ANSI text, the working folder as UTF-16.
  local texts want
  texts=$({ strings -a "$(menu_link)"; strings -a -el "$(menu_link)"; } | tr '[:upper:]' '[:lower:]')
  for want in "$(winepath -w "$programs/ombrelk.exe")" "$(winepath -w "$settings")"; do
    grep -qF -- "${want,,}" <<<"$texts" || fail "the Start-menu shortcut does not name $want: $texts"
  done
  local entry
  entry=$(wine reg query "$uninstall_key" 2>/dev/null | tr -d '\r')
  for want in 'DisplayName REG_SZ Ombrelk' "DisplayVersion REG_SZ $VERSION" \
    "UninstallString REG_SZ \"$(winepath -w "$programs")\\uninstall.exe\"" 'NoModify REG_DWORD 0x1'; do
    tr -s ' \t' ' ' <<<"$entry" | grep -qF -- "$want" || fail "the uninstall entry lacks '$want': $entry"
  done
  # As the shortcut starts it: the installed program in the settings folder.
  printf '#!/bin/sh\ncd "%s" && exec wine "%s"\n' "$settings" "$programs/ombrelk.exe" >"$PROGRAM"
  start_calendar
  wait_for_icon
  wait_for_shown
  wine "$INSTALLER" /S >>"$OUT/program.log" 2>&1 || fail "the upgrade over the running calendar failed: $?"
  expect_exit "$prog_pid" "the upgrade to close the calendar"
  [[ -f $settings/Ombrelk.ini ]] || fail "the calendar saved no Ombrelk.ini in $settings"
  head -1 "$settings/Ombrelk.ini" | grep -q '^FORMTOP  :' || fail "Ombrelk.ini holds no settings"
  wine "$programs/uninstall.exe" /S >>"$OUT/program.log" 2>&1 || fail "the silent uninstall failed: $?"
  wait_for 30 "the uninstaller to remove the program" not test -e "$programs/ombrelk.exe"
  wait_for 10 "the program folder to go" not test -e "$programs"
  ! menu_link >/dev/null || fail "the Start-menu shortcut stays"
  ! wine reg query "$uninstall_key" >/dev/null 2>&1 || fail "the uninstall entry stays"
  [[ -f $settings/Ombrelk.ini ]] || fail "the uninstall removed the settings"
  log "installed, started, upgraded over the running calendar and uninstalled"
}
