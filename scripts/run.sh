#!/usr/bin/env bash
# Installs what is missing, builds the calculator and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh build
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build-release --parallel "$(nproc)" >/dev/null
exec build-release/src/app/tolvera
