#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tolvera developers
# SPDX-License-Identifier: MIT
# The time of one prediction against one plain nec2c sweep of the same
# antenna, and of reading an analyser's file (bench/prediction.cpp); then
# the real command reading that file against tolvera --help
# (bench/commands.sh).
#   scripts/bench-prediction.sh [runs]      (default 10)
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh bench
cmake --preset release -DTOLVERA_BENCH=ON >/dev/null
cmake --build --preset release --parallel "$(nproc)" --target prediction tolvera >/dev/null
build-release/bench/prediction "${1:-10}"
exec bash bench/commands.sh build-release/src/app/tolvera "$((${1:-10} * 4))"
