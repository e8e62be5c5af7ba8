#!/usr/bin/env bash
# Installs the Debian packages Ombrelk needs that are not there yet.
#   install-deps.sh build   compiler, CMake, Qt 6 and the Japanese gothic font
#   install-deps.sh test    the above, plus test and benchmark libraries, the X tools, Xfce's
#                           panel and its settings daemon (a real StatusNotifierItem tray), clang
#                           with libFuzzer for the fuzz target and the holiday data set the law
#                           mode's tests compare with (from npm), and desktop-file-validate for
#                           the login entry the Linux program writes
#   install-deps.sh package the build packages, plus what makes and checks the Debian package
#                           (dpkg-dev, lintian, appstreamcli, desktop-file-validate)
#   install-deps.sh windows the mingw-w64 cross compilers (64 and 32 bits) and CMake
#   install-deps.sh wine    the above, plus Wine, the X tools and the Japanese locale
#                           data and font that the Windows program's tests run with
set -euo pipefail

build_packages=(g++ make cmake qt6-base-dev fonts-ipafont-gothic)
test_packages=(libgtest-dev libgmock-dev libbenchmark-dev xvfb jwm xdotool wmctrl x11-utils
               faketime imagemagick xauth x11-apps python3 python3-dbus-next dbus dbus-x11
               xfce4-panel xfconf clang-14 libclang-rt-14-dev desktop-file-utils
               python3-pyatspi at-spi2-core)

package_packages=(dpkg-dev binutils lintian appstream desktop-file-utils)

windows_packages=(cmake make g++ g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix googletest)
wine_packages=(wine wine64 locales fonts-ipafont-gothic xvfb jwm xdotool wmctrl x11-utils faketime
               imagemagick nsis zip)

case "${1:-build}" in
  build) packages=("${build_packages[@]}") ;;
  test)
    packages=("${build_packages[@]}" "${test_packages[@]}")
    # Debian's npm, unless a Node.js of another origin brought its own.
    command -v npm >/dev/null || packages+=(npm)
    ;;
  package) packages=("${build_packages[@]}" "${package_packages[@]}") ;;
  windows) packages=("${windows_packages[@]}") ;;
  wine) packages=("${windows_packages[@]}" "${wine_packages[@]}") ;;
  *)
    echo "usage: install-deps.sh [build|test|package|windows|wine]" >&2
    exit 2
    ;;
esac

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
