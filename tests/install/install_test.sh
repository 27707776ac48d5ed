#!/usr/bin/env bash
# Installs the build into a scratch root and checks it as a desktop application: the files in
# their usual places, the desktop entry and AppStream metainfo valid, and the Debian package
# built by CPack with its dependencies and copyright, free of lintian errors.
set -u
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

DESTDIR="$root/install" cmake --install "$build" --prefix /usr >/dev/null || fail "cmake --install"
for f in usr/bin/candelor usr/share/man/man1/candelor.1.gz \
         usr/share/applications/com.tavringroup.Candelor.desktop \
         usr/share/metainfo/com.tavringroup.Candelor.metainfo.xml \
         usr/share/icons/hicolor/scalable/apps/com.tavringroup.Candelor.svg; do
  [ -e "$root/install/$f" ] || fail "not installed: $f"
done
desktop-file-validate "$root/install/usr/share/applications/com.tavringroup.Candelor.desktop" ||
  fail "desktop-file-validate"
appstreamcli validate --no-net \
  "$root/install/usr/share/metainfo/com.tavringroup.Candelor.metainfo.xml" >/dev/null ||
  fail "appstreamcli validate"

(cd "$build" && cpack -G DEB -B "$root/package" >/dev/null) || fail "cpack"
deb=$(ls "$root"/package/candelor_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || fail "no .deb was built"
depends=$(dpkg-deb -f "$deb" Depends)
for need in libqt6widgets6 libqt6gui6 libqt6core6 fonts-liberation2; do
  [[ "$depends" == *"$need"* ]] || fail "the package does not depend on $need: $depends"
done
[ "$(dpkg-deb -f "$deb" Recommends)" = qt6-wayland ] || fail "the package does not recommend qt6-wayland"
dpkg-deb -x "$deb" "$root/deb" || fail "dpkg-deb -x"
[ -x "$root/deb/usr/bin/candelor" ] || fail "the package holds no executable"
[ -f "$root/deb/usr/share/applications/com.tavringroup.Candelor.desktop" ] ||
  fail "the package holds no desktop entry"
! ldd "$root/deb/usr/bin/candelor" | grep -q "not found" || fail "unresolved libraries"
copyright="$root/deb/usr/share/doc/candelor/copyright"
[ -f "$copyright" ] || fail "the package holds no usr/share/doc/candelor/copyright"
head -n 1 "$copyright" | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
  fail "the copyright file is not machine-readable"
grep -q '^Copyright: .*Tavrin Group Inc\.' "$copyright" || fail "the copyright file names no holder"
if command -v lintian >/dev/null 2>&1; then
  report=$(lintian --tag-display-limit 0 "$deb" 2>/dev/null)
  [ -z "$report" ] || fail "lintian reports: $report"
fi
echo "install: $(basename "$deb") validates; Depends: $depends"
