#!/usr/bin/env bash
# Builds the fuzz targets and runs each in turn for the given number of
# seconds (default 20), starting from its seed corpus in tests/fuzz/corpus/.
# New inputs, each target's output and any crashing input stay under
# build/linux-x86_64-fuzz/. Stops at the first target that reports.
#
#   bash scripts/fuzz.sh [seconds-per-target]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-20}
build=build/linux-x86_64-fuzz

cmake --preset linux-x86_64-fuzz >/dev/null
cmake --build --preset linux-x86_64-fuzz

for target in record text arrangement; do
    corpus=$build/corpus/$target
    log=$build/$target.log
    mkdir -p "$corpus"
    echo "== fuzz $target for ${seconds}s"
    if ! "$build/tests/fuzz/${target}_fuzz" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$build/$target-" "$corpus" "tests/fuzz/corpus/$target" >"$log" 2>&1; then
        tail -n 60 "$log"
        exit 1
    fi
    grep '^Done' "$log"
done
