#!/usr/bin/env bash
# Builds the plug-in and the command-line host, shows what a host reads from
# the plug-in and renders the demo signal through it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset linux-x86_64 >/dev/null
cmake --build --preset linux-x86_64
