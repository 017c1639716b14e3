#!/usr/bin/env bash
# Builds the optimised preset and runs the packing benchmark: time per pack
# of the reference packer and the program's packer, with and without -oa,
# on every benchmark input (median of 5 repetitions), followed by a table
# of the medians and their ratios.
#
#   scripts/bench.sh                  times every input
#   scripts/bench.sh --instructions   also counts the instructions of one
#                                     pack of the program's packer under
#                                     callgrind (steady on a busy machine)
#   scripts/bench.sh --instructions=all   the same for the reference too (slow)
#
# Other arguments go to the benchmark, e.g. --benchmark_filter=english.
# BENCH_BUILD_DIR names another, already configured build directory.
set -euo pipefail
cd "$(dirname "$0")/.."

instructions=none
args=()
for arg in "$@"; do
    case $arg in
        --instructions) instructions=fast ;;
        --instructions=all) instructions=all ;;
        *) args+=("$arg") ;;
    esac
done

build=${BENCH_BUILD_DIR:-build/default}
if [ -z "${BENCH_BUILD_DIR:-}" ]; then
    cmake --preset default >/dev/null
fi
cmake --build "$build" -j 2 --target pack_bench pack_once

json=$(mktemp)
trap 'rm -f "$json"' EXIT
"$build/bench/pack_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
    --benchmark_out="$json" --benchmark_out_format=json "${args[@]}"

python3 - "$json" <<'PY'
import json, sys
runs = json.load(open(sys.argv[1]))["benchmarks"]
median = {}
for run in runs:
    if run.get("aggregate_name") != "median":
        continue
    _, text, packer, mode = run["run_name"].split("/")
    median[(text, mode, packer)] = (run["cpu_time"], run["real_time"])
print()
print("Median time per pack, ms (CPU time; wall time in brackets)")
print(f"{'input':<11}{'mode':<7}{'reference':>20}{'fast':>18}{'ratio':>9}")
texts = []
for text, _, _ in median:
    if text not in texts:
        texts.append(text)
for text in texts:
    for mode in ("plain", "oa"):
        ref, fast = median.get((text, mode, "reference")), median.get((text, mode, "fast"))
        if ref is None or fast is None:
            continue
        print(f"{text:<11}{'-oa' if mode == 'oa' else '':<7}"
              f"{ref[0]:>9.2f} ({ref[1]:>7.2f}){fast[0]:>7.2f} ({fast[1]:>7.2f}){ref[0] / fast[0]:>8.0f}x")
PY

if [ "$instructions" != none ]; then
    command -v valgrind >/dev/null || { echo "valgrind is needed for --instructions" >&2; exit 1; }
    packers=(fast)
    [ "$instructions" = all ] && packers+=(reference)
    echo
    echo "Instructions of one pack (callgrind)"
    for text in english records repetitive runs uniform desktop; do
        for packer in "${packers[@]}"; do
            for mode in "" oa; do
                if [ "$packer" = fast ]; then toggle='vendrel::pack_text*'; else toggle='vendrel::reference::pack_text*'; fi
                count=$(valgrind --tool=callgrind --callgrind-out-file=/dev/null --toggle-collect="$toggle" \
                            "$build/bench/pack_once" "$text" "$packer" $mode 2>&1 |
                        awk '/Collected :/ { print $NF }')
                printf '%-11s%-10s%-4s%15s\n' "$text" "$packer" "${mode:+-oa}" "$count"
            done
        done
    done
fi
