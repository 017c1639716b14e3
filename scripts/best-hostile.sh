#!/usr/bin/env bash
# The -best benchmark over hostile inputs and real texts: for each, the CPU
# time of the default packer and of the default packer plus the search, the
# raw Z80 image of both, and, every record run on the emulated Z80 and
# i8080, the deepest stack, the most levels any record nests beyond the
# same record of the default image, and how many percent more T-states per
# character printing takes (best_measure's table).
#
# Hostile inputs (bench/hostile_texts.cpp, 65,535 bytes each, fixed seeds):
# random text over 2 to 16 symbols, few symbols with 60 to 122 rare ones
# sprinkled in, long runs, and repeated blocks with and without changes.
# Real texts: the benchmark text, the adventure sample, and any files given.
#
#   scripts/best-hostile.sh [FILE...]
#
# BEST_BUILD_DIR names another build directory.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${BEST_BUILD_DIR:-build/best}
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$build" -j2 --target best_measure hostile_texts >/dev/null

inputs=$(mktemp -d)
trap 'rm -rf "$inputs"' EXIT
"$build/bench/hostile_texts" "$inputs"
"$build/bench/best_measure" "$inputs"/* bench/corpus/english.txt samples/adventure.txt "$@"
