#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tolvera developers
# SPDX-License-Identifier: MIT
# Builds the Debian package from a build tree and checks what a packager
# checks: the files, the dependencies, lintian, a reproducible build, the
# manual, and that the desktop entry and the AppStream metainfo validate.
set -euo pipefail
build=$(realpath "$1")
source_dir=$(realpath "$(dirname "$0")/..")
id=org.tolvera.Tolvera
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
: "${TOLVERA_VERSION:?the version, set by CTest}"

# Two package builds at different times with the same SOURCE_DATE_EPOCH.
for n in 1 2; do
    mkdir "$work/$n"
    (cd "$work/$n" && SOURCE_DATE_EPOCH=1765195200 cpack --config "$build/CPackConfig.cmake" -G DEB >cpack.log 2>&1) ||
        { cat "$work/$n/cpack.log"; fail "cpack"; }
    [ $n = 2 ] || sleep 1.1
done
deb=$(ls "$work"/1/*.deb)
cmp -s "$deb" "$work"/2/*.deb || fail "two package builds with the same SOURCE_DATE_EPOCH differ"

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for file in ./usr/bin/tolvera \
            ./usr/share/applications/$id.desktop \
            ./usr/share/metainfo/$id.metainfo.xml \
            ./usr/share/icons/hicolor/scalable/apps/$id.svg \
            ./usr/share/icons/hicolor/32x32/apps/$id.png \
            ./usr/share/doc/tolvera/copyright \
            ./usr/share/doc/tolvera/changelog.gz \
            ./usr/share/man/man1/tolvera.1.gz \
            ./usr/share/man/zh_CN/man1/tolvera.1.gz; do
    grep -qxF "$file" <<<"$contents" || fail "$file is not in the package"
done

[ "$(dpkg-deb -f "$deb" Package)" = tolvera ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Version)" = "$TOLVERA_VERSION" ] || fail "version"
depends=$(dpkg-deb -f "$deb" Depends)
for package in qt6-qpa-plugins libqt6widgets6 libqt6svg6; do
    grep -qE "(^|, )$package( |,|$)" <<<"$depends" || fail "Depends lacks $package: $depends"
done
grep -qE "(^|, )nec2c( |,|$)" <<<"$(dpkg-deb -f "$deb" Recommends)" || fail "Recommends lacks nec2c"
# The Song face is inside the program.
! grep -q fonts-arphic <<<"$depends" || fail "Depends names a font package: $depends"

# lintian: no error and no warning (it runs as root here; say nothing of it).
# It leaves a database file in its TMPDIR.
TMPDIR=$work lintian --no-tag-display-limit "$deb" 2>&1 | grep -v 'running with root privileges' >"$work/lintian.log" || true
if grep -E '^(E|W):' "$work/lintian.log"; then fail "lintian"; fi

dpkg-deb -x "$deb" "$work/root"
root=$work/root
# Hardening: bound at load, read-only relocations, stack protector.
# (Read whole first: grep -q stops reading early, and under pipefail the
# writer's broken pipe would fail the check.)
grep -q 'FLAGS.*BIND_NOW' <<<"$(readelf -d "$root/usr/bin/tolvera")" || fail "not linked with -z now"
grep -q GNU_RELRO <<<"$(readelf -l "$root/usr/bin/tolvera")" || fail "not linked with -z relro"
grep -q __stack_chk_fail <<<"$(nm -D "$root/usr/bin/tolvera")" || fail "no stack protector"
# The copyright file covers the program and the font subset.
for licence in "License: MIT" "License: Arphic-1999"; do
    grep -qxF "$licence" "$root/usr/share/doc/tolvera/copyright" || fail "copyright lacks $licence"
done
# The manual in both languages, with every section a man page has.
for page in man1/tolvera.1.gz zh_CN/man1/tolvera.1.gz; do
    text=$(LC_ALL=C.UTF-8 MANWIDTH=80 man -E UTF-8 -l "$root/usr/share/man/$page" 2>&1)
    # Set on an 80-column terminal without a troff warning (lines troff can
    # neither break nor adjust show ragged or overflow).
    zcat "$root/usr/share/man/$page" | preconv -e UTF-8 | groff -ww -man -Tutf8 -rLL=78n -z 2>"$work/man.log"
    [ ! -s "$work/man.log" ] || { cat "$work/man.log"; fail "$page: troff warnings"; }
    for section in NAME SYNOPSIS DESCRIPTION KEYS OPTIONS FILES "EXIT STATUS"; do
        [ "$page" = man1/tolvera.1.gz ] || section=$(sed 's/NAME/名称/;s/SYNOPSIS/概要/;s/DESCRIPTION/描述/;s/KEYS/按键/;s/OPTIONS/选项/;s/FILES/文件/;s/EXIT STATUS/退出状态/' <<<"$section")
        grep -q "^$section" <<<"$text" || fail "$page has no $section section"
    done
    for option in --version --predict --measured --tube --json --as-built --ground --height --mast --coax --choke --choke-at --sweep --points --save; do
        grep -q -- "$option" <<<"$text" || fail "$page does not name $option"
    done
done

desktop-file-validate "$root/usr/share/applications/$id.desktop" || fail "desktop entry"
icon=$(sed -n 's/^Icon=//p' "$root/usr/share/applications/$id.desktop")
[ -f "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] && [ -f "$root/usr/share/icons/hicolor/32x32/apps/$icon.png" ] ||
    fail "the desktop entry's icon $icon is not installed"
appstreamcli validate --pedantic --no-net --explain "$root/usr/share/metainfo/$id.metainfo.xml" >"$work/as.log" 2>&1 ||
    { cat "$work/as.log"; fail "metainfo"; }
if grep -E '^(E|W):' "$work/as.log"; then fail "metainfo warnings"; fi
grep -q '<name xml:lang="zh_CN">' "$root/usr/share/metainfo/$id.metainfo.xml" || fail "no Chinese name for zh_CN"
! grep -q '<image>' "$root/usr/share/metainfo/$id.metainfo.xml" || fail "a screenshot URL nobody set"
file "$root/usr/share/icons/hicolor/32x32/apps/$id.png" | grep -q '32 x 32' || fail "icon size"

# The source tree is REUSE-compliant: every file says its licence.
(cd "$source_dir" && reuse lint >"$work/reuse.log" 2>&1) || { cat "$work/reuse.log"; fail "reuse lint"; }
echo "PASS: $(basename "$deb") is lintian-clean, reproducible, documented and validates"
