#!/usr/bin/env bash
# A longer fuzz run than the test suite's minute.
#   scripts/fuzz.sh [seconds]      (default 3600)
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh test
cmake -S . -B build-asan -DBUILD_TESTING=ON -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOLVERA_SANITIZE=ON -DTOLVERA_FUZZ=ON >/dev/null
cmake --build build-asan --parallel "$(nproc)" --target fuzz_tolvera
mkdir -p build-asan/fuzz/corpus
exec build-asan/fuzz/fuzz_tolvera -max_total_time="${1:-3600}" -print_final_stats=1 \
    build-asan/fuzz/corpus fuzz/corpus
