#!/usr/bin/env bash
# Builds the tests under a sanitizer and runs them: "asan" (AddressSanitizer
# and UndefinedBehaviorSanitizer, every test) or "tsan" (ThreadSanitizer,
# the tests labelled "threads").
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:?usage: test-sanitized.sh asan|tsan}
scripts/setup.sh
cmake --preset "$preset"
if [ "$preset" = tsan ]; then
  # Only the threading suites run under ThreadSanitizer; build just those.
  cmake --build --preset tsan --target dvc_threads_tests
else
  cmake --build --preset "$preset"
fi
ctest --preset "$preset"
