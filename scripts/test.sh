#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tolvera developers
# SPDX-License-Identifier: MIT
# Installs what is missing, builds everything and runs every test: once as
# shipped (GCC), once under AddressSanitizer and UndefinedBehaviorSanitizer
# (Clang) with a one-minute fuzz run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh test
jobs=$(nproc)

for preset in dev asan; do
    cmake --preset "$preset"
    cmake --build --preset "$preset" --parallel "$jobs"
    ctest --preset "$preset" --output-on-failure
done
