#!/usr/bin/env bash
# Builds the .deb from a build folder and checks it: its contents, that its Depends
# name the package of every Qt library the program links, the desktop entry, lintian's
# errors when lintian is installed, and that the program unpacked into a scratch root
# answers --version, --help and a wrong argument, and its report program writes a report.
# usage: scripts/check-package.sh [BUILD_DIR]
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
here=$(cd "$(dirname "$0")/.." && pwd)
rm -f "$build"/varnelgps_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/varnelgps_*.deb)
fail() { echo "package check: $*" >&2; exit 1; }

contents=$(dpkg-deb -c "$deb")
for f in usr/bin/varnelgps usr/bin/varnelgps-navsim usr/bin/varnelgps-report usr/share/applications/varnelgps.desktop \
         usr/share/icons/hicolor/scalable/apps/varnelgps.svg usr/share/man/man1/varnelgps.1.gz \
         usr/share/doc/varnelgps/copyright usr/share/doc/varnelgps/changelog.gz \
         usr/share/varnelgps/help/index.html usr/share/varnelgps/help/html/bridge.html \
         usr/share/varnelgps/help/images/main-window.png; do
    grep -q " \./$f\$" <<<"$contents" || fail "$deb lacks /$f"
done

depends=$(dpkg-deb -f "$deb" Depends)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
for lib in $(objdump -p "$root/usr/bin/varnelgps" | awk '/NEEDED/ && /libQt6/ {print $2}'); do
    pkg=$(sed -E 's/^lib(Qt6[A-Za-z]+)\.so\.([0-9]+)$/lib\1\2/' <<<"$lib" | tr 'A-Z' 'a-z')
    grep -q "\b$pkg\b" <<<"$depends" || fail "the program links $lib but Depends lacks $pkg: $depends"
done
grep -q qt6-qpa-plugins <<<"$depends" || fail "Depends lacks qt6-qpa-plugins (the window system plugins)"

desktop-file-validate "$root/usr/share/applications/varnelgps.desktop"
if command -v lintian >/dev/null; then
    lintian --fail-on error "$deb"
fi

version=$(dpkg-deb -f "$deb" Version)
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY "$root/usr/bin/varnelgps" --version)" = "varnelgps $version" ] ||
    fail "the installed program does not answer --version with $version"
env -u DISPLAY "$root/usr/bin/varnelgps" --help | grep -q -- "--drives DIR" || fail "--help does not name --drives"
set +e
env -u DISPLAY "$root/usr/bin/varnelgps" --no-such-option >/dev/null 2>&1
rc=$?
set -e
[ $rc -eq 2 ] || fail "a wrong argument exits $rc, not 2"
"$root/usr/bin/varnelgps-report" --help | grep -q "CRUISE_LOG" || fail "varnelgps-report --help does not answer"
"$root/usr/bin/varnelgps-report" -o "$root/report.html" "$here/tests/data/report/0701JDEvents.csv" >/dev/null 2>&1 &&
    grep -q "<svg" "$root/report.html" || fail "the installed varnelgps-report wrote no report"
# The guide's picture of the window is the one the test run just took, when it took one.
if [ -f "$build/guide/images/main-window.png" ]; then
    cmp -s "$build/guide/images/main-window.png" "$root/usr/share/varnelgps/help/images/main-window.png" ||
        fail "the guide's screenshot is not the one taken by the test run"
fi
echo "package check: $(basename "$deb") ($version) is complete and its program answers"
