#!/usr/bin/env bash
# Makes what every Wine case starts from, once per test run, in DIR:
#   DIR/prefix   a Wine prefix, its Japanese gothic faces mapped to IPA fonts
#   DIR/locale   the ja_JP.UTF-8 locale, which Wine turns into a Japanese
#                Windows (code page 932, Japanese fonts in menus and dialogs)
#   make_prefix.sh DIR
set -euo pipefail
dir=$1
rm -rf "$dir"
mkdir -p "$dir/locale"
for tool in wine wineboot wineserver localedef; do
  command -v "$tool" >/dev/null || {
    echo "FAIL: $tool is missing (scripts/install-deps.sh wine)" >&2
    exit 1
  }
done
localedef -i ja_JP -f UTF-8 "$dir/locale/ja_JP.UTF-8"
export WINEPREFIX=$dir/prefix WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='
export LOCPATH=$dir/locale LANG=ja_JP.UTF-8
unset LC_ALL DISPLAY
wineboot -i >/dev/null 2>&1
# The faces the calendar asks for, by their Japanese Windows names.
for face in 'ＭＳ Ｐゴシック' 'ＭＳ ゴシック' 'MS UI Gothic' 'MS PGothic'; do
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /d 'IPAPGothic' /f >/dev/null 2>&1
done
wineserver -w
# The prefix is finished: Wine is not to bring it up to date at each start
# (without 32-bit Wine that update never completes, and is tried again).
printf 'disable' >"$WINEPREFIX/.update-timestamp"
[[ -f $WINEPREFIX/system.reg ]] || {
  echo "FAIL: wineboot made no prefix" >&2
  exit 1
}
