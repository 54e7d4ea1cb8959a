#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tolvera developers
# SPDX-License-Identifier: MIT
# Installs what is missing, builds everything and runs every test: once as
# shipped (GCC), once under AddressSanitizer and UndefinedBehaviorSanitizer
# (Clang) with a one-minute fuzz run, and the Windows program cross-built
# and tested under Wine (scripts/windows.sh; the first run builds its Qt,
# about 15 minutes). TOLVERA_SKIP_WINDOWS=1 leaves the Windows leg out on a
# developer's machine; CI always runs it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh test
jobs=$(nproc)

for preset in dev asan; do
    cmake --preset "$preset"
    cmake --build --preset "$preset" --parallel "$jobs"
    ctest --preset "$preset" --output-on-failure
done

if [ "${TOLVERA_SKIP_WINDOWS:-}" = 1 ] && [ "${CI:-}" != true ]; then
    echo "Windows leg skipped (TOLVERA_SKIP_WINDOWS=1)"
else
    bash scripts/windows.sh
fi
