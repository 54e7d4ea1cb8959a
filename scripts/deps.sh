#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tolvera developers
# SPDX-License-Identifier: MIT
# Makes sure the Debian packages a task needs are installed.
#   scripts/deps.sh build|test|screenshot|bench|screenreader|font|windows
# As root, installs what is missing with apt-get; otherwise prints the
# apt-get line to run and fails.
set -euo pipefail

build=(cmake g++ make qt6-base-dev qt6-svg-dev qt6-serialport-dev qt6-translations-l10n qt6-l10n-tools nec2c)
test=("${build[@]}" locales xvfb xauth x11-utils clang libclang-rt-14-dev desktop-file-utils appstream dpkg-dev file
      dbus at-spi2-core python3-pyatspi orca xdotool lintian reuse man-db poppler-utils fonts-dejavu-core fonts-noto-mono)
screenshot=("${build[@]}" xvfb xauth xdotool imagemagick)
bench=("${build[@]}" xvfb xauth libxcb1-dev)
screenreader=("${build[@]}" xvfb xauth xdotool dbus at-spi2-core orca)
font=(fonts-arphic-uming python3-fonttools)
# The cross-built Windows program: Debian's qtbase and nec2c sources, MinGW-w64, NSIS, Wine.
windows=(cmake ninja-build make patch g++-mingw-w64-x86-64-posix dpkg-dev qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-l10n-tools poppler-utils imagemagick
         qt6-translations-l10n nsis zip wine wine64 xvfb xauth xdotool xclip openbox icoutils file binutils)

case "${1:-}" in
    build) wanted=("${build[@]}") ;;
    test) wanted=("${test[@]}") ;;
    screenshot) wanted=("${screenshot[@]}") ;;
    bench) wanted=("${bench[@]}") ;;
    screenreader) wanted=("${screenreader[@]}") ;;
    font) wanted=("${font[@]}") ;;
    windows) wanted=("${windows[@]}") ;;
    *) echo "usage: $0 build|test|screenshot|bench|screenreader|font|windows" >&2; exit 2 ;;
esac

missing=()
for package in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    echo "Installing ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
else
    echo "Some packages are missing. Install them, then run this again:" >&2
    echo "  sudo apt-get install -y --no-install-recommends ${missing[*]}" >&2
    exit 1
fi
