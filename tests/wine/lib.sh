# shellcheck shell=bash
# The Windows program under Wine, on the same virtual desktop as the Linux
# end-to-end cases: their helpers (tests/e2e/lib.sh) are sourced first, and
# the few that differ under Wine are defined again here. Sourced by
# run_case.sh, which sets PROGRAM (the .exe), TRAY_TOOL, TEMPLATE (made by
# make_prefix.sh), CASE and OUT.

# shellcheck source=../e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib.sh"

exe=''

# A case that cannot run here fails: a skipped Wine case would hide the
# very fault it is there for.
need_tools() {
  local tool
  for tool in Xvfb jwm xdotool wmctrl xprop xwininfo xdpyinfo import wine wineserver; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/install-deps.sh wine)"
  done
  local libs=(/usr/lib/*/faketime/libfaketime.so.1)
  faketime_lib=${libs[0]}
  [[ -e $faketime_lib ]] || fail "libfaketime is not installed"
  [[ -f $TEMPLATE/prefix/system.reg ]] || fail "no Wine prefix in $TEMPLATE (make_prefix.sh)"
}

wine_setup() {
  e2e_setup
  exe=$PROGRAM
  # A prefix of the case's own: the registry and settings copied, the
  # Windows folder's many large files linked to the template's, which Wine
  # only reads.
  mkdir "$work/prefix"
  local entry
  for entry in "$TEMPLATE"/prefix/* "$TEMPLATE"/prefix/.update-timestamp; do
    if [[ $entry == */drive_c ]]; then
      cp -al "$entry" "$work/prefix/"
    else
      cp -a "$entry" "$work/prefix/"
    fi
  done
  export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='
  # A Japanese Windows, as the calendar's users run it.
  unset LC_ALL
  export LANG=ja_JP.UTF-8 LOCPATH=$TEMPLATE/locale
  # The shell's default action for a web address ends in xdg-open: this one
  # writes down what it was asked to open.
  mkdir -p "$work/bin"
  printf '#!/bin/sh\nprintf "%%s\\n" "$*" >>"%s/opened"\n' "$work" >"$work/bin/xdg-open"
  chmod +x "$work/bin/xdg-open"
  export PATH=$work/bin:$PATH
  # start_program runs PROGRAM by itself: here that is Wine with the .exe.
  PROGRAM=$work/ombrelk
  printf '#!/bin/sh\nexec wine "%s"\n' "$exe" >"$PROGRAM"
  chmod +x "$PROGRAM"
  trap wine_finish EXIT
}

wine_finish() {
  local rc=$?
  trap - EXIT
  if ((rc != 0)) && [[ -n ${DISPLAY:-} ]]; then
    import -window root "$OUT/failure.png" 2>/dev/null &&
      log "screenshot of the failure: $OUT/failure.png"
    xwininfo -root -tree >"$OUT/windows.txt" 2>&1 || true
  fi
  # Wine's own processes go with the prefix's server, before the display.
  wineserver -k 2>/dev/null || true
  prog_pid=''
  DISPLAY='' e2e_finish_quietly "$rc"
}

# The rest of the Linux cases' clean-up, without a second screenshot.
e2e_finish_quietly() {
  set +e
  (exit "$1")
  e2e_finish
}

# Runs a Windows program of the tests in the case's prefix.
#   run_wine PROGRAM ARGS...
run_wine() { wine "$@" >>"$OUT/program.log" 2>&1; }

# Writes a value into the prefix's registry before the case's display
# exists: reg_add KEY NAME TYPE DATA. Wine's own processes, started without a
# display, are waited for, so that the calendar's start finds none of them.
reg_add() {
  wine reg add "$1" /v "$2" /t "$3" /d "$4" /f >>"$OUT/program.log" 2>&1
  wineserver -w
}

# Wine's shell (explorer.exe) docks each tray icon as a small window of its
# own in the panel's notification area.
tray_icons() {
  local w y wd
  for w in $(xdotool search --all --onlyvisible --classname '^explorer.exe$' 2>/dev/null); do
    read -r _ y wd _ _ < <(window_box "$w")
    if ((y >= SCREEN_H - TRAY_H && wd <= TRAY_H)); then printf '%s\n' "$w"; fi
  done
}

# A pop-up menu of the calendar's: a window of the program that the window
# manager does not frame, outside the panel, larger than a tool tip.
popup_menu() {
  local w y wd ht o
  for w in $(xdotool search --all --onlyvisible --classname '^ombrelk.exe$' 2>/dev/null); do
    read -r _ y wd ht o < <(window_box "$w")
    [[ $o == yes ]] && ((y < SCREEN_H - TRAY_H && ht > 30)) && return 0
  done
  return 1
}

# The place of a window's client area on the screen, "x y".
client_origin() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
    END {print x, y}'
}

# Clicks at a point of the calendar's client area, in pixels: click_at X Y BUTTON
click_at() {
  local x y
  read -r x y < <(client_origin "$(calendar_window)")
  move_pointer $((x + $1)) $((y + $2))
  xdotool click "$3"
}

# How many pixels of a colour (#RRGGBB) the calendar window shows.
colour_count() {
  import -window "$(calendar_window)" -depth 8 txt:- 2>/dev/null | grep -ci "#$1" || true
}

# Wine places a window by its Windows frame, which the window manager
# replaces by a frame of its own, a few pixels wider or narrower.
frame_near() {
  local x y
  read -r x y < <(frame_position "$(calendar_window)")
  ((x >= $1 - 3 && x <= $1 + 3 && y >= $2 - 3 && y <= $2 + 3))
}

expect_frame_at() {
  frame_near "$1" "$2" ||
    fail "the window's frame is at $(frame_position "$(calendar_window)"), expected about $1 $2"
}

# The pop-up menu's window, once open.
menu_window() {
  local w y wd ht o
  for w in $(xdotool search --all --onlyvisible --classname '^ombrelk.exe$' 2>/dev/null); do
    read -r _ y wd ht o < <(window_box "$w")
    [[ $o == yes ]] && ((y < SCREEN_H - TRAY_H && ht > 30)) && printf '%s\n' "$w" && return 0
  done
  return 1
}

# The rows of the menu being opened, in heights of an entry (a separator is
# about half one); entries are counted from 1, separators left out.
menu_rows=(1 1 1)

# Picks an entry with a click on it, as a user does. Keys would need the X
# input focus, which Wine leaves with whichever window had it (the tray's, or
# none over a calendar hidden in the tray) when a menu opens.
pick_entry() {
  local w x y wd ht
  w=$(menu_window)
  read -r x y wd ht _ < <(window_box "$w")
  local total=0 row
  for row in "${menu_rows[@]}"; do total=$(awk -v a="$total" -v b="$row" 'BEGIN {print a + b}'); done
  local before=0 entry=0 centre=''
  for row in "${menu_rows[@]}"; do
    if [[ $row == 1 ]] && ((++entry == $1)); then
      centre=$(awk -v t="$y" -v h="$ht" -v s="$total" -v b="$before" \
        'BEGIN {printf "%d", t + 3 + (b + 0.5) * (h - 6) / s}')
      break
    fi
    before=$(awk -v a="$before" -v b="$row" 'BEGIN {print a + b}')
  done
  [[ -n $centre ]] || fail "the menu has no entry $1"
  move_pointer $((x + wd / 2)) "$centre"
  xdotool click 1
  wait_for 10 "the menu to close" not popup_menu
}

# The tray menu: show, exit, a separator, version information.
tray_menu() {
  menu_rows=(1 1 0.5 1)
  click_on "$(tray_icon)" 3
  wait_for 10 "the tray menu" popup_menu
  pick_entry "$1"
}

# The settings menu: show at start-up, always on top, today's holiday law,
# the era date with its 六曜, the day in the tray icon, start at login.
settings_menu() {
  menu_rows=(1 1 1 1 1 1)
  click_at 90 70 3
  wait_for 10 "the settings menu" popup_menu
  pick_entry "$1"
}
