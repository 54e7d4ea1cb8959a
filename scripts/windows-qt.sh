#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tolvera developers
# SPDX-License-Identifier: MIT
# Builds, once, a static Qt for 64-bit Windows from Debian's own qtbase
# sources with MinGW-w64, and prints the folder it is installed in.
#   scripts/windows-qt.sh
# The result is cached outside the tree, keyed by the Qt version, in
# ${TOLVERA_CACHE:-${XDG_CACHE_HOME:-~/.cache}/tolvera}/qt-<version>-mingw-static
# and reused afterwards. The build tree (about 2.4 GB) is removed once the
# installation is complete.
set -euo pipefail
exec 3>&1 1>&2 # the build talks on standard error; standard output is the folder
cd "$(dirname "$0")/.."
scripts=$PWD/scripts

# The host tools (moc, rcc, uic) come from the Debian Qt of the same version.
version=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null | sed 's/^[0-9]*://; s/[-+~].*//') ||
    { echo "qt6-base-dev is not installed: run scripts/deps.sh windows" >&2; exit 1; }
. scripts/virtual.sh
cache=$(tolvera_cache)
prefix=$cache/qt-$version-mingw-static
if [ -f "$prefix/.complete" ]; then
    echo "$prefix" >&3
    exit 0
fi

work=$cache/qt-$version-work
rm -rf "$prefix" "$work"
. scripts/debian-source.sh
source_dir=$(debian_source qt6-base "$(dpkg-query -W -f='${Version}' qt6-base-dev)" "$work")

# The toolchain file stays beside the installation: Qt's own toolchain file
# loads it again for every program built against this Qt.
mkdir -p "$prefix"
cp "$scripts/mingw-w64.cmake" "$prefix/mingw-w64.cmake"
dpkg-query -W -f='${Version}\n' qt6-base-dev >"$prefix/source-version"

# Only what the calculator uses: Core, Gui, Widgets, PrintSupport, Test,
# with the third-party libraries built in. No OpenGL, D-Bus, SQL, network,
# XML or concurrency modules, no tablet input (Debian's sources leave out
# the Wintab header it needs). Direct2D stays on: in 6.4 the DirectWrite
# font engine is built only with it.
mkdir -p "$work/build"
cd "$work/build"
"$source_dir/configure" -prefix "$prefix" -xplatform win32-g++ \
    -static -static-runtime -release -optimize-size \
    -qt-host-path /usr -nomake examples -nomake tests \
    -no-opengl -no-dbus -no-icu -no-glib \
    -no-feature-sql -no-feature-network -no-feature-xml -no-feature-concurrent \
    -no-feature-vulkan -no-feature-testlib_selfcover -no-feature-tabletevent \
    -qt-zlib -qt-libpng -qt-libjpeg -qt-freetype -qt-harfbuzz -qt-pcre -qt-doubleconversion \
    -- -G Ninja -DCMAKE_TOOLCHAIN_FILE="$prefix/mingw-w64.cmake" \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DQT_BUILD_TESTS=OFF -DQT_BUILD_EXAMPLES=OFF
cmake --build . --parallel "$(nproc)"
cmake --install .

# The licences of the third-party code a program built with it links in,
# which its installer must carry.
for part in freetype harfbuzz-ng libpng zlib libjpeg pcre2 double-conversion md4c tinycbor easing \
            sha3 blake2 rfc6234 icc; do
    mkdir -p "$prefix/licenses/$part"
    find "$source_dir/src/3rdparty/$part" -maxdepth 2 -type f \
        \( -iname '*licen[cs]e*' -o -iname 'copying*' -o -name FTL.TXT \) \
        -exec cp {} "$prefix/licenses/$part/" \;
done
cp "$source_dir/LICENSES/LGPL-3.0-only.txt" "$source_dir/LICENSES/GPL-3.0-only.txt" "$prefix/licenses/"
cd "$cache"
rm -rf "$work"
touch "$prefix/.complete"
echo "$prefix" >&3
