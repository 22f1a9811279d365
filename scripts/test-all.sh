#!/usr/bin/env bash
# Builds everything (library, siblings, simulator, tools, tests, benchmarks)
# in the debug preset and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset dev
cmake --build --preset dev
ctest --preset dev
