#!/usr/bin/env bash
# The 6502 routine on a second core: installs the npm package 6502.ts (a
# cycle-stepped NMOS 6502, not in Debian) into build/npm-6502ts and runs
# the samples' records on it and on sim65, comparing what they print,
# return, take of the stack and count in cycles
# (tests/program/mos6502_second_core_test.cpp). Uses the optimised build of
# scripts/test.sh; needs node and npm.
set -euo pipefail
cd "$(dirname "$0")/.."
folder=build/npm-6502ts
if [ ! -d "$folder/node_modules/6502.ts" ]; then
    mkdir -p "$folder"
    npm install --prefix "$folder" --no-audit --no-fund --silent 6502.ts@1.1.4
fi
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)" --target program_tests vendrel
VENDREL_6502TS="$PWD/$folder" build/default/tests/program_tests --gtest_filter='Samples/Mos6502SecondCore.*'
