#!/usr/bin/env bash
# Builds every target of the build matrix and runs every suite.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

for preset in linux-x86_64 linux-x86_64-asan linux-x86_64-tsan; do
    echo "== $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done
