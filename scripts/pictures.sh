#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tolvera developers
# SPDX-License-Identifier: MIT
# Draws the window's pictures that the tests compare it with, after a
# deliberate change to what it shows, into tests/data/. Look at each before
# committing it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh build
cmake --preset dev >/dev/null
cmake --build --preset dev --target test_ui >/dev/null
TOLVERA_UPDATE_PICTURES=1 QT_QPA_PLATFORM=offscreen build/tests/test_ui looksAsItShould | grep -E 'SKIP|FAIL' || true
ls -l tests/data/*.png
