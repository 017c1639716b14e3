#!/usr/bin/env bash
# Builds Vendrel and packs the bundled sample text into a ZX Spectrum TAP file.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)" --target vendrel
mkdir -p out
build/default/vendrel -z80 -tap -only-cr -vb -o out/adventure.tap samples/adventure.txt
