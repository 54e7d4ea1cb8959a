#!/usr/bin/env bash
# Builds the Debian package from a build tree and checks what it ships:
# the files, the dependencies, and that the desktop entry and the AppStream
# metainfo validate.
set -euo pipefail
build=$(realpath "$1")
id=org.tolvera.Tolvera
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

(cd "$work" && cpack --config "$build/CPackConfig.cmake" -G DEB >cpack.log 2>&1) ||
    { cat "$work/cpack.log"; fail "cpack"; }
deb=$(ls "$work"/*.deb)

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for file in ./usr/bin/tolvera \
            ./usr/share/applications/$id.desktop \
            ./usr/share/metainfo/$id.metainfo.xml \
            ./usr/share/icons/hicolor/scalable/apps/$id.svg \
            ./usr/share/icons/hicolor/32x32/apps/$id.png; do
    grep -qxF "$file" <<<"$contents" || fail "$file is not in the package"
done

[ "$(dpkg-deb -f "$deb" Package)" = tolvera ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Version)" = 1.00 ] || fail "version"
depends=$(dpkg-deb -f "$deb" Depends)
for package in qt6-qpa-plugins libqt6widgets6 libqt6svg6; do
    grep -qE "(^|, )$package( |,|$)" <<<"$depends" || fail "Depends lacks $package: $depends"
done
# The Song face is inside the program.
! grep -q fonts-arphic <<<"$depends" || fail "Depends names a font package: $depends"

dpkg-deb -x "$deb" "$work/root"
desktop-file-validate "$work/root/usr/share/applications/$id.desktop" || fail "desktop entry"
appstreamcli validate --no-net --explain "$work/root/usr/share/metainfo/$id.metainfo.xml" ||
    fail "metainfo"
file "$work/root/usr/share/icons/hicolor/32x32/apps/$id.png" | grep -q '32 x 32' || fail "icon size"
echo "PASS: $(basename "$deb") ships its files and validates"
