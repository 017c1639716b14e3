#!/usr/bin/env bash
# Times the whole program packing the benchmark's real text (vendrel -z80)
# against gzip -9 on the same file, alternating in the same run, and prints
# the medians and their ratio; then the peak resident memory of one packing
# run of the 65,535-byte text.
#
#   scripts/bench-vs-gzip.sh [REPETITIONS]     (default 21)
#
# BENCH_BUILD_DIR names another, already configured build directory.
set -euo pipefail
cd "$(dirname "$0")/.."

repetitions=${1:-21}
input=bench/corpus/english.txt
build=${BENCH_BUILD_DIR:-build/default}
if [ -z "${BENCH_BUILD_DIR:-}" ]; then
    cmake --preset default >/dev/null
fi
if ! log=$(cmake --build "$build" -j 2 --target vendrel 2>&1); then
    echo "$log" >&2
    exit 1
fi
vendrel=$build/vendrel

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

now() { date +%s%N; }
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# One run of each first, so that both start with the files in the cache.
"$vendrel" -z80 -o "$scratch/packed.vdl" "$input" >/dev/null
gzip -9 -c "$input" >"$scratch/packed.gz"

: >"$scratch/vendrel.ns"
: >"$scratch/gzip.ns"
for _ in $(seq "$repetitions"); do
    start=$(now)
    "$vendrel" -z80 -o "$scratch/packed.vdl" "$input" >/dev/null
    middle=$(now)
    gzip -9 -c "$input" >"$scratch/packed.gz"
    end=$(now)
    echo $((middle - start)) >>"$scratch/vendrel.ns"
    echo $((end - middle)) >>"$scratch/gzip.ns"
done

vendrel_ns=$(median <"$scratch/vendrel.ns")
gzip_ns=$(median <"$scratch/gzip.ns")
echo "Input: $input ($(stat -c %s "$input") bytes), median of $repetitions runs each"
awk -v v="$vendrel_ns" -v g="$gzip_ns" -v vs="$(stat -c %s "$scratch/packed.vdl")" \
    -v gs="$(stat -c %s "$scratch/packed.gz")" 'BEGIN {
    printf "vendrel -z80: %8.2f ms  (%d bytes out)\n", v / 1e6, vs
    printf "gzip -9:      %8.2f ms  (%d bytes out)\n", g / 1e6, gs
    printf "ratio vendrel / gzip: %.2f\n", v / g
}'

# Peak resident memory of one packing run.
if [ -x /usr/bin/time ]; then
    peak=$(/usr/bin/time -v "$vendrel" -z80 -o "$scratch/packed.vdl" "$input" 2>&1 >/dev/null |
           awk -F': ' '/Maximum resident set size/ { print $2 }')
    echo "peak resident memory (/usr/bin/time -v): $peak KiB"
else
    # Without GNU time (Debian package "time") the peak is read from the
    # kernel while the run lasts: a lower bound, as the last moments of a
    # short run may fall between two looks.
    "$vendrel" -z80 -o "$scratch/packed.vdl" "$input" >/dev/null &
    pid=$!
    peak=0
    while [ -r "/proc/$pid/status" ]; do
        seen=$(awk '/^VmHWM:/ { print $2 }' "/proc/$pid/status" 2>/dev/null || true)
        [ -n "$seen" ] && [ "$seen" -gt "$peak" ] && peak=$seen
    done
    wait "$pid"
    echo "peak resident memory (VmHWM, at least): $peak KiB"
fi
