#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tolvera developers
# SPDX-License-Identifier: MIT
# The program's overhead over the analyser's own reply time, on the
# simulated NanoVNA (bench/sweep.cpp).
#   scripts/bench-sweep.sh [runs]      (default 10)
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh bench
cmake --preset release -DTOLVERA_BENCH=ON >/dev/null
cmake --build --preset release --parallel "$(nproc)" --target sweep tolvera >/dev/null
exec build-release/bench/sweep tests/nanovna_sim.py build-release/src/app/tolvera "${1:-10}"
