#!/usr/bin/env bash
# Runs one fuzz target for real: scripts/fuzz.sh TARGET MINUTES
# TARGET is a folder of fuzz/corpus (identification, capabilities, ...).
# Builds the fuzz preset (clang, ASan + UBSan), starts from the target's
# seed corpus, keeps what it finds in build/fuzz/corpus/TARGET and prints
# libFuzzer's closing statistics (runs, coverage).
set -euo pipefail
cd "$(dirname "$0")/.."
target=${1:?usage: fuzz.sh TARGET MINUTES}
minutes=${2:?usage: fuzz.sh TARGET MINUTES}
seeds=fuzz/corpus/$target
[ -d "$seeds" ] || { echo "fuzz.sh: no target \"$target\" (no folder $seeds)" >&2; exit 2; }
command -v clang++ >/dev/null || scripts/setup.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target "${target}_fuzz"
found=build/fuzz/corpus/$target
mkdir -p "$found"
exec nice build/fuzz/bin/"${target}_fuzz" "$found" "$seeds" -max_total_time=$((minutes * 60)) \
  -print_final_stats=1 -rss_limit_mb=2048 -timeout=10
