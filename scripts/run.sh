#!/usr/bin/env bash
# Installs what is missing, builds the calculator and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh build
cmake --preset release >/dev/null
cmake --build --preset release --parallel "$(nproc)" >/dev/null
exec build-release/src/app/tolvera
