#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tolvera developers
# SPDX-License-Identifier: MIT
# Cross-builds nec2c.exe, once, from Debian's own nec2c source with
# MinGW-w64 (scripts/nec2c-mingw.patch makes it build for Windows), and
# prints the folder that holds it with what travels beside it: its licence
# texts (the GPL-3 of its source tree, Debian's copyright file) and its
# source as built (Debian's source package and the patch).
#   scripts/windows-nec2c.sh
# Cached like the cross Qt, keyed by nec2c's version.
set -euo pipefail
exec 3>&1 1>&2 # the build talks on standard error; standard output is the folder
cd "$(dirname "$0")/.."
. scripts/virtual.sh
. scripts/debian-source.sh
version=$(apt-cache policy nec2c | sed -n 's/^ *Candidate: //p')
[ -n "$version" ] && [ "$version" != "(none)" ] || { echo "no nec2c in the package lists" >&2; exit 1; }
cache=$(tolvera_cache)
prefix=$cache/nec2c-$version-mingw
if [ -f "$prefix/.complete" ]; then
    echo "$prefix" >&3
    exit 0
fi
work=$cache/nec2c-$version-work
rm -rf "$prefix" "$work"
tree=$(debian_source nec2c "$version" "$work")
patch -d "$tree" -p1 <scripts/nec2c-mingw.patch
(cd "$tree" && ./configure -q --host=x86_64-w64-mingw32 CC=x86_64-w64-mingw32-gcc-posix \
    CFLAGS="-O2" LDFLAGS="-static -Wl,--no-insert-timestamp" >/dev/null && make -s)
mkdir -p "$prefix/source"
x86_64-w64-mingw32-strip -o "$prefix/nec2c.exe" "$tree/nec2c.exe"
cp "$tree/COPYING" "$prefix/COPYING.txt"
cp "$tree/debian/copyright" "$prefix/copyright.txt"
cp "$work"/nec2c_* scripts/nec2c-mingw.patch "$prefix/source/"
rm -rf "$work"
touch "$prefix/.complete"
echo "$prefix" >&3
