#!/usr/bin/env bash
# Installs the test dependencies, builds everything and runs every test:
# the normal build, then the whole suite again under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

jobs=$(nproc)
for preset in default sanitize; do
    echo "== $preset build =="
    start=$SECONDS
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$jobs"
    ctest --preset "$preset" -j "$jobs"
    echo "== $preset build and tests: $((SECONDS - start)) s =="
done

if [ -x scripts/fuzz.sh ]; then
    start=$SECONDS
    scripts/fuzz.sh --short
    echo "== short fuzz runs: $((SECONDS - start)) s =="
fi
