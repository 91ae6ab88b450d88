#!/usr/bin/env bash
# Builds the plug-in and the command-line host, shows what a host reads from
# the plug-in, renders the demo signal through it and draws its transfer
# curve. The files go into out/.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset linux-x86_64 >/dev/null
cmake --build --preset linux-x86_64

build=build/linux-x86_64
plugin=$build/clipfx.so
# Louder than the initial settings, so the clipping is plain to hear and see.
settings=(--param 0=0.4 --param 1=0.5 --param 2=0.5)
mkdir -p out

echo
echo "== fxhost info $plugin"
"$build/fxhost" info "$plugin"
echo
echo "== fxhost render $plugin out/demo.wav ${settings[*]}"
"$build/fxhost" render "$plugin" out/demo.wav "${settings[@]}"
echo
echo "== fxhost curve $plugin out/curve.svg ${settings[*]}"
"$build/fxhost" curve "$plugin" out/curve.svg "${settings[@]}"
echo
echo "The rendered demo signal is in out/demo.wav, the transfer curve in out/curve.svg."
