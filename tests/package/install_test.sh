#!/usr/bin/env bash
# The Debian package as a user meets it: installed with apt, the calendar
# started by the command of the installed menu entry on a virtual desktop
# with a tray, its window and tray icon seen, its settings written to
# ~/.config/ombrelk at SIGTERM; then the package purged: none of its files
# stays, the user's settings do.
#   tests/package/install_test.sh [PACKAGE.deb]   (default: dist/ombrelk_*.deb)
# It installs system-wide, so it needs root; .ci/run runs it, scripts/test.sh
# never does. A failure leaves the package installed for a look; the next
# run purges it first. The screen and logs of a failure are kept in
# build-deb/tests/package/install/.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
here=$root/tests/e2e

deb=${1:-}
if [[ -z $deb ]]; then
  debs=("$root"/dist/ombrelk_*.deb)
  deb=${debs[0]}
fi
[[ -f $deb ]] || {
  echo "FAIL: no package $deb (scripts/package.sh makes it)" >&2
  exit 1
}
deb=$(cd "$(dirname "$deb")" && pwd)/$(basename "$deb")
(($(id -u) == 0)) || {
  echo "FAIL: installing a package system-wide needs root" >&2
  exit 1
}
for tool in apt-get dpkg dpkg-query; do
  command -v "$tool" >/dev/null || {
    echo "FAIL: $tool is missing: this test needs a Debian system" >&2
    exit 1
  }
done

OUT=$root/build-deb/tests/package/install
# shellcheck source-path=SCRIPTDIR source=../e2e/lib.sh
source "$here/lib.sh"
e2e_setup
# The launcher's default, as on a desktop that sets no XDG_CONFIG_HOME.
unset XDG_CONFIG_HOME
settings=$HOME/.config/ombrelk/Ombrelk.ini

installed() { dpkg-query -W -f='${Status}' ombrelk 2>/dev/null | contains ' installed$'; }
apt_get() { DEBIAN_FRONTEND=noninteractive apt-get "$@" >>"$OUT/apt.log" 2>&1 || fail "apt-get $* (see $OUT/apt.log)"; }

if installed || dpkg-query -W ombrelk >/dev/null 2>&1; then
  log "purging an ombrelk left by an earlier run"
  apt_get purge -y ombrelk
fi
apt_get install -y "$deb"
installed || fail "apt installed $deb, but dpkg does not list ombrelk as installed"
dpkg -L ombrelk >"$work/files"

# The menu entry's command, without the field codes a desktop fills in.
entry=/usr/share/applications/ombrelk.desktop
[[ -f $entry ]] || fail "the package installs no $entry"
exec_line=$(sed -n 's/^Exec=//p' "$entry" | sed 's/ %[fFuUick]//g')
read -ra command <<<"$exec_line"
((${#command[@]} == 1)) || fail "the test starts a one-word Exec, the entry has: $exec_line"
PROGRAM=$(command -v "${command[0]}") || fail "the menu entry's ${command[0]} is not on PATH"
[[ $PROGRAM == /usr/bin/* ]] || fail "the menu entry starts $PROGRAM, not the package's program"

start_display
start_wm tray
start_calendar
wait_for 30 "the installed calendar's window" calendar_viewable
wait_for 30 "its tray icon" icon_docked
kill -TERM "$prog_pid"
expect_exit "$prog_pid" "the calendar after SIGTERM"
[[ -s $settings ]] || fail "no settings in $settings"
contains '^FORMTOP  :' <"$settings" || fail "$settings holds no settings"
cp "$settings" "$work/settings-before-purge"

apt_get purge -y ombrelk
! installed || fail "ombrelk is still installed after the purge"
while read -r path; do
  [[ $path != /. ]] || continue
  [[ -e $path || -L $path ]] || continue
  # A folder the package shared with others (/usr/bin) stays with them.
  if [[ -d $path && ! -L $path ]] && dpkg-query -S "$path" >/dev/null 2>&1; then continue; fi
  fail "the purge left $path"
done <"$work/files"
cmp -s "$work/settings-before-purge" "$settings" || fail "the purge changed or removed $settings"
log "PASS: installed, started from the menu entry, purged; the settings stayed"
