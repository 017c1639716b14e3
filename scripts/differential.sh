#!/usr/bin/env bash
# The long differential run: the program's packer against the plain
# reference packer on many generated texts (default 10,000), with and
# without -oa. Uses the optimised build of scripts/test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
count=${1:-10000}
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)" --target pack_tests
VENDREL_DIFFERENTIAL_TEXTS=$count build/default/tests/pack_tests --gtest_filter='FastPacker.*'
