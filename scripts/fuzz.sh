#!/usr/bin/env bash
# Builds the fuzz targets and runs each of the three in turn for the given
# number of seconds (default 20), starting from its seed corpus in
# tests/fuzz/corpus/. New inputs, each target's output and any crashing input
# stay under build/linux-x86_64-fuzz/. Exits with the number of targets that
# reported (3 when the build fails).
#
#   bash scripts/fuzz.sh [seconds-per-target]
set -uo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-20}
build=build/linux-x86_64-fuzz

cmake --preset linux-x86_64-fuzz >/dev/null && cmake --build --preset linux-x86_64-fuzz -j2 ||
    exit 3

failed=0
for target in record text arrangement; do
    corpus=$build/corpus/$target
    log=$build/$target.log
    mkdir -p "$corpus"
    echo "== fuzz $target for ${seconds}s"
    if "$build/tests/fuzz/${target}_fuzz" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$build/$target-" "$corpus" "tests/fuzz/corpus/$target" >"$log" 2>&1; then
        grep '^Done' "$log"
    else
        tail -n 60 "$log"
        failed=$((failed + 1))
    fi
done
exit "$failed"
