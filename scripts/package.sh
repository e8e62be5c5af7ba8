#!/usr/bin/env bash
# Builds the Debian package of the Linux program, dist/ombrelk_VERSION-1_amd64.deb,
# from the committed project version (the root CMakeLists.txt) and the files
# in packaging/debian/: the program built with Debian's hardening flags and
# installed under /usr, its manual pages, menu entry, AppStream metadata and
# icons, the copyright and both change logs.
#
# The same commit gives the same bytes, wherever it is built: every time
# stamp is the commit's (SOURCE_DATE_EPOCH, when not given), the compiler
# writes paths relative to the source root, gzip leaves out names and times,
# and dpkg-deb writes the files sorted, owned by root, with one xz thread.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

scripts/install-deps.sh package

if [[ -z ${SOURCE_DATE_EPOCH:-} ]]; then
  SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null) || {
    echo "package.sh: not a git checkout; give the commit's time as SOURCE_DATE_EPOCH" >&2
    exit 1
  }
fi
export SOURCE_DATE_EPOCH
# A umask or locale of the caller changes neither permissions nor sort order.
umask 022
export LC_ALL=C.UTF-8 TZ=UTC

# Debian's flags, with every hardening; dpkg-buildflags maps the current
# folder, the source root, to "." in the debug information and in __FILE__.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
eval "$(dpkg-buildflags --export=sh)"

build=$root/build-deb
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr \
  -DBUILD_TESTING=OFF -DOMBRELK_BUILD_BENCH=OFF -DOMBRELK_BUILD_QT=ON \
  -DCMAKE_CXX_FLAGS="$CPPFLAGS $CXXFLAGS" -DCMAKE_EXE_LINKER_FLAGS="$LDFLAGS" >/dev/null
cmake --build "$build" -j"$(nproc)" --target ombrelk ombrelk_icon

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
debian_version=$version-1
changelog_version=$(dpkg-parsechangelog -l packaging/debian/changelog -S Version)
if [[ $changelog_version != "$debian_version" ]]; then
  echo "package.sh: packaging/debian/changelog starts with $changelog_version," \
    "the project is at $version: add an entry for $debian_version" >&2
  exit 1
fi

metainfo_version=$(grep -o -m1 '<release version="[^"]*"' platform/backends/qt/*.metainfo.xml | cut -d'"' -f2)
if [[ $metainfo_version != "$version" ]]; then
  echo "package.sh: the AppStream metadata's newest release is $metainfo_version," \
    "the project is at $version: add a <release> for it" >&2
  exit 1
fi

# The tools of dpkg-dev work in a folder holding debian/; the package's tree
# is debian/ombrelk in it, as debhelper would have it.
work=$build/package
pkg=$work/debian/ombrelk
rm -rf "$work"
mkdir -p "$work/debian"
cp packaging/debian/control packaging/debian/changelog "$work/debian/"
DESTDIR=$pkg cmake --install "$build" >/dev/null

# Debian's own stripping: no debugging symbols, no compiler notes.
strip --remove-section=.comment --remove-section=.note "$pkg/usr/bin/ombrelk"

doc=$pkg/usr/share/doc/ombrelk
mkdir -p "$doc"
{
  cat packaging/debian/copyright
  # The licence's text from LICENSE, as a stand-alone paragraph: from its
  # first paragraph on, each line indented, blank lines written " .".
  printf '\nLicense: Expat\n'
  sed -n '/^Permission/,$p' LICENSE | sed 's/^$/./; s/^/ /'
} >"$doc/copyright"
gzip -9n <CHANGELOG.md >"$doc/changelog.gz"
gzip -9n <packaging/debian/changelog >"$doc/changelog.Debian.gz"
mkdir -p "$pkg/usr/share/lintian/overrides"
cp packaging/debian/ombrelk.lintian-overrides "$pkg/usr/share/lintian/overrides/ombrelk"
find "$pkg/usr/share/man" -type f -name '*.[0-9]' -exec gzip -9n {} +

# Permissions as Debian wants them, whatever the checkout's were.
find "$pkg" -type d -exec chmod 0755 {} +
find "$pkg" -type f -exec chmod 0644 {} +
chmod 0755 "$pkg"/usr/bin/*

(
  cd "$work"
  mkdir -p debian/ombrelk/DEBIAN
  dpkg-shlibdeps -Tdebian/substvars -edebian/ombrelk/usr/bin/ombrelk
  (cd debian/ombrelk && find usr -type f -print0 | sort -z | xargs -0 md5sum) \
    >debian/ombrelk/DEBIAN/md5sums
  chmod 0644 debian/ombrelk/DEBIAN/md5sums
  dpkg-gencontrol -pombrelk -Pdebian/ombrelk -v"$debian_version" -Tdebian/substvars -fdebian/files
)
find "$pkg" -exec touch --no-dereference --date="@$SOURCE_DATE_EPOCH" {} +

mkdir -p dist
rm -f dist/ombrelk_*.deb
# One xz thread, so that the bytes never depend on the building machine's
# cores: xz's threaded encoder lays out large inputs in blocks of its own.
dpkg-deb --root-owner-group -Zxz --threads-max=1 --build "$pkg" "dist/ombrelk_${debian_version}_amd64.deb" >/dev/null
echo "dist/ombrelk_${debian_version}_amd64.deb: $(stat -c %s "dist/ombrelk_${debian_version}_amd64.deb") bytes"
