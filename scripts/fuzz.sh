#!/usr/bin/env bash
# Builds the libFuzzer targets (the 'fuzz' preset, clang) and runs each for a
# fixed number of executions with its seed corpus from fuzz/corpus/<target>/.
#
#   scripts/fuzz.sh [--short | --long] [target ...]
#
#   --short  a brief run of each target, for CI (well under a minute in all),
#            from a fixed seed, so that it runs the same inputs every time
#   --long   1,000,000 executions of each target, or 10 minutes at most
#   (none)   a medium run
#
# Targets are named without the _fuzzer suffix (command_line, pack_round_trip,
# ...); all of them run when none is named. New inputs that reach new code are
# kept in build/fuzz/corpus/<target>/, a failing input in
# build/fuzz/artifacts/. The script stops with a non-zero status at the first
# crash, hang, leak, sanitizer report or broken property, after showing the
# report again with the target's own output.
set -euo pipefail
cd "$(dirname "$0")/.."

mode=medium
targets=()
for arg in "$@"; do
    case "$arg" in
        --short) mode=short ;;
        --long) mode=long ;;
        -h|--help) sed -n '2,18p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
        -*) echo "unknown option: $arg" >&2; exit 2 ;;
        *) targets+=("$arg") ;;
    esac
done
all_targets=(command_line conversion_table desktop_import pack_round_trip extract tape_extract)
[ ${#targets[@]} -gt 0 ] || targets=("${all_targets[@]}")

# Executions per target and mode: short, medium, long. Packing a text and
# extracting it again is by far the slowest target, and reading the
# conversion table goes through a file each time.
runs_for() {
    local short medium
    case "$1" in
        pack_round_trip) short=500; medium=50000 ;;
        conversion_table) short=4000; medium=200000 ;;
        *) short=20000; medium=300000 ;;
    esac
    case "$mode" in
        short) echo "$short" ;;
        medium) echo "$medium" ;;
        long) echo 1000000 ;;
    esac
}

# Longest input per target: enough for a few long conversion lines, a
# Desktop document with its repeat bytes, a text worth packing and an image
# with a full symbol table.
max_len_for() {
    case "$1" in
        command_line) echo 512 ;;
        pack_round_trip) echo 4096 ;;
        *) echo 8192 ;;
    esac
}

echo "== fuzz build =="
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)" >/dev/null

build=build/fuzz
mkdir -p "$build/artifacts"
for target in "${targets[@]}"; do
    binary="$build/fuzz/${target}_fuzzer"
    seeds="fuzz/corpus/${target}_fuzzer"
    if [ ! -x "$binary" ] || [ ! -d "$seeds" ]; then
        echo "no fuzz target '$target'" >&2
        exit 2
    fi
    corpus="$build/corpus/$target"
    mkdir -p "$corpus"
    runs=$(runs_for "$target")
    echo "== $target: $runs runs =="
    options=(-runs="$runs" -max_len="$(max_len_for "$target")" -timeout=10 -rss_limit_mb=2048
             -print_final_stats=1 -close_fd_mask=3 -artifact_prefix="$build/artifacts/${target}-")
    [ "$mode" = long ] && options+=(-max_total_time=600)
    # The short run is a check of every change, so it starts from a fixed seed
    # and a fresh corpus: the same commit always runs the same inputs. Longer
    # runs take a new seed each time and go on from what earlier runs found.
    if [ "$mode" = short ]; then
        options+=(-seed=1)
        rm -rf "$corpus" && mkdir -p "$corpus"
    fi
    log="$build/${target}.log"
    if ! "$binary" "${options[@]}" "$corpus" "$seeds" >"$log" 2>&1; then
        tail -n 40 "$log" >&2
        artifact=$(sed -n 's/.*Test unit written to \(.*\)$/\1/p' "$log" | tail -n 1)
        if [ -n "$artifact" ]; then
            echo "== $target failed on $artifact; again with the target's output: ==" >&2
            "$binary" "$artifact" 2>&1 | tail -n 40 >&2 || true
        fi
        exit 1
    fi
    grep -E '^#[0-9]+[[:space:]]+DONE' "$log" || tail -n 3 "$log"
done
