#!/usr/bin/env bash
# Builds the tests under a sanitizer and runs them: "asan" (AddressSanitizer
# and UndefinedBehaviorSanitizer, every test) or "tsan" (ThreadSanitizer,
# the tests labelled "threads").
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:?usage: test-sanitized.sh asan|tsan}
scripts/setup.sh
cmake --preset "$preset"
cmake --build --preset "$preset"
ctest --preset "$preset"
