#!/usr/bin/env bash
# Writes the holiday data set as the Cabinet Office publishes its list of days
# off: the header, one "yyyy/m/d,name" row a day, CRLF, code page 932. The
# data set names a substitute holiday after its holiday ("こどもの日 振替休日");
# the list calls it just 休日, as it does a day between two holidays.
#   make_published_list.sh holidays.js syukujitsu.csv
set -euo pipefail

data=$1 out=$2
if [[ ! -f $data ]]; then
  echo "The holiday data set is missing: $data" >&2
  echo "Install it with scripts/install-deps.sh test." >&2
  exit 1
fi

# Each entry of the data set holds a line date: "yyyy-mm-dd" and then name: "...".
{
  printf '国民の祝日・休日月日,国民の祝日・休日名称\r\n'
  grep -oE '(date|name): "[^"]*"' "$data" | paste -d, - - |
    sed -E 's/^date: "([0-9]{4})-0?([0-9]+)-0?([0-9]+)",name: "(.*)"$/\1\/\2\/\3,\4/
            s/,.* 振替休日$/,休日/
            s/$/\r/'
} | iconv -f UTF-8 -t CP932 >"$out.tmp"
mv "$out.tmp" "$out"
