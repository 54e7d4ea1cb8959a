#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: once as
# shipped (GCC), once under AddressSanitizer and UndefinedBehaviorSanitizer
# (Clang) with a one-minute fuzz run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh test
jobs=$(nproc)

cmake -S . -B build -DBUILD_TESTING=ON
cmake --build build --parallel "$jobs"
ctest --test-dir build --output-on-failure

cmake -S . -B build-asan -DBUILD_TESTING=ON -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOLVERA_SANITIZE=ON -DTOLVERA_FUZZ=ON
cmake --build build-asan --parallel "$jobs"
ctest --test-dir build-asan --output-on-failure
