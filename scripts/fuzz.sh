#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tolvera developers
# SPDX-License-Identifier: MIT
# A longer fuzz run than the test suite's minute.
#   scripts/fuzz.sh [seconds]      (default 3600)
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh test
cmake --preset asan >/dev/null
cmake --build --preset asan --parallel "$(nproc)" --target fuzz_tolvera
mkdir -p build-asan/fuzz/corpus
exec build-asan/fuzz/fuzz_tolvera -max_total_time="${1:-3600}" -print_final_stats=1 \
    build-asan/fuzz/corpus fuzz/corpus
