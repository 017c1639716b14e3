#!/usr/bin/env bash
# The long 6502 run: every one of the 1,542 records of the benchmark corpus
# (bench/corpus/english.txt) printed by the 6502 routine on cc65's sim65,
# at $1000 and wrapping past 65,535, with and without -oa and -best. The
# test suite runs every 41st record. Uses the optimised build of
# scripts/test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)" --target program_tests vendrel
VENDREL_FULL_CORPUS=1 build/default/tests/program_tests --gtest_filter='Corpus/Mos6502Corpus.*'
