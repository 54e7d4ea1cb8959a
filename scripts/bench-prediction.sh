#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tolvera developers
# SPDX-License-Identifier: MIT
# The time of one prediction against one plain nec2c sweep of the same
# antenna, and of reading an analyser's file (bench/prediction.cpp).
#   scripts/bench-prediction.sh [runs]      (default 10)
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh bench
cmake --preset release -DTOLVERA_BENCH=ON >/dev/null
cmake --build --preset release --parallel "$(nproc)" --target prediction >/dev/null
exec build-release/bench/prediction "${1:-10}"
