#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tolvera developers
# SPDX-License-Identifier: MIT
# Cross-builds the Windows program on this Debian machine, packs it, and
# tests it under Wine.
#   scripts/windows.sh [--no-test]
# Makes, in build-windows/: tolvera.exe (64-bit, one file) with nec2c.exe
# beside it (scripts/windows-nec2c.sh), the installer
# tolvera-<version>-windows-x64.exe (NSIS) and a portable zip. The static Qt
# it links is built once by scripts/windows-qt.sh (about 15 minutes on 2 cores) and
# reused; TOLVERA_QT_PREFIX names another one.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh windows
qt=${TOLVERA_QT_PREFIX:-$(bash scripts/windows-qt.sh)}
nec2c=$(bash scripts/windows-nec2c.sh)
build=build-windows

# The same sources make the same files: the resource compiler stamps
# resources with this time instead of their files' (the artwork is drawn
# anew by every build).
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || echo 1765195200)}
cmake -S . -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON -DTOLVERA_NEC2C_DIR="$nec2c" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$PWD/scripts/wine-run.sh"
cmake --build "$build" --parallel "$(nproc)"
(cd "$build" && cpack -G "NSIS64;ZIP" >/dev/null)
ls -l "$build/tolvera.exe" "$build"/tolvera-*-windows-x64.{exe,zip}

[ "${1:-}" = --no-test ] || ctest --test-dir "$build" --output-on-failure
