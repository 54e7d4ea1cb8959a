#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tolvera developers
# SPDX-License-Identifier: MIT
# What a blind user hears: runs the screen-reader test (the calculator under
# Orca in a virtual X server, used from the keyboard) and prints what Orca
# said, from its debug log.
#   scripts/screenreader.sh [build-dir]
set -euo pipefail
build=$(realpath "${1:-build}")
cd "$(dirname "$0")/.."
bash scripts/deps.sh screenreader
[ -x "$build/src/app/tolvera" ] || { cmake -S . -B "$build" && cmake --build "$build"; }
exec bash tests/test_screenreader.sh "$build/src/app/tolvera"
