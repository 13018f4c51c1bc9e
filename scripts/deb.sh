#!/usr/bin/env bash
# Makes the Debian package from the build in build/ (or $BUILD_DIR), as scripts/test.sh
# left it, and checks it: lintian must find no error, and the desktop entry and the
# AppStream metadata it holds must validate.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
scripts/setup.sh
[ -f "$build/CMakeCache.txt" ] || scripts/build.sh
cmake --build "$build" --target deb
deb=$(ls "$build"/stowlet_*_*.deb)
echo "== $deb"
dpkg-deb --field "$deb"

contents=$(mktemp -d)
trap 'rm -rf "$contents"' EXIT
dpkg-deb --extract "$deb" "$contents"
desktop-file-validate "$contents"/usr/share/applications/*.desktop
appstreamcli validate --no-net --explain "$contents"/usr/share/metainfo/*.metainfo.xml

# Errors fail; warnings and the rest are printed for the reader.
lintian --fail-on error --display-info "$deb"
echo "lintian: no errors"
