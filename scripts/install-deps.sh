#!/usr/bin/env bash
# Installs the Debian packages Ombrelk needs that are not there yet.
#   install-deps.sh build   compiler, CMake, Qt 6 and the Japanese gothic font
#   install-deps.sh test    the above, plus test and benchmark libraries, the X tools, clang with
#                           libFuzzer for the fuzz target and the holiday data set the law
#                           mode's tests compare with (from npm)
set -euo pipefail

build_packages=(g++ make cmake qt6-base-dev fonts-ipafont-gothic)
test_packages=(libgtest-dev libgmock-dev libbenchmark-dev xvfb jwm xdotool wmctrl x11-utils
               faketime imagemagick xauth x11-apps python3 python3-dbus-next dbus dbus-x11
               clang-14 libclang-rt-14-dev)

packages=("${build_packages[@]}")
if [[ "${1:-build}" == test ]]; then
  packages+=("${test_packages[@]}")
  # Debian's npm, unless a Node.js of another origin brought its own.
  command -v npm >/dev/null || packages+=(npm)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [[ $(id -u) -ne 0 ]] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
fi

# The holiday data set, installed as its lock file pins it, whenever the lock
# is newer than what is installed.
if [[ "${1:-build}" == test ]]; then
  data=tests/calendar/holiday_data
  if [[ ! "$data/node_modules/.package-lock.json" -nt "$data/package-lock.json" ]]; then
    echo "Installing the holiday data set into $data"
    npm ci --prefix "$data" --no-audit --no-fund --loglevel=error >/dev/null
  fi
fi
