// Time of the -best search on the fixed benchmark inputs of 65,535 bytes:
// the default packer's result is made before timing; what is timed is the
// search alone. Run with --benchmark_repetitions for a median.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "bench_inputs.h"
#include "bench_job.h"
#include "best/search_best_image.h"
#include "pack/character_table.h"
#include "pack/pack_text.h"

namespace vendrel::bench {
namespace {

struct SearchInput {
    std::vector<std::uint8_t> codes;  // the prepared text as character codes
    int char_count = 0;
    PhraseImage greedy;
};

// The text's codes and the default packer's result; false when it does not pack.
bool make_search_input(const BenchInput& input, SearchInput& search) {
    BenchJob bench_job;
    Job& job = bench_job.load(input.text, false, input.desktop);
    if (prepare_text(job) != 0) return false;
    build_character_table(job);
    if (job.char_count > kMaxCharacterCount) return false;
    map_text_to_codes(job);
    search.codes.assign(job.text_buffer, job.text_buffer + job.source_length);
    search.char_count = job.char_count;

    Job& packed = bench_job.load(input.text, false, input.desktop);
    if (pack_text(packed) != 0) return false;
    search.greedy.pair_table.assign(packed.symbol_table + packed.char_count,
                                    packed.symbol_table + packed.symbol_table_size);
    search.greedy.code_stream.assign(packed.text_buffer, packed.text_buffer + packed.packed_length);
    return true;
}

void search_best(benchmark::State& state, const SearchInput& input) {
    PhraseImage best;
    bool found = false;
    for (auto _ : state) {
        found = search_best_image(input.codes.data(), static_cast<int>(input.codes.size()), input.char_count,
                                  input.greedy, best);
        benchmark::DoNotOptimize(best);
    }
    const std::size_t greedy_size = input.greedy.pair_table.size() + input.greedy.code_stream.size();
    const std::size_t best_size = found ? best.pair_table.size() + best.code_stream.size() : greedy_size;
    state.counters["default_bytes"] = static_cast<double>(greedy_size);
    state.counters["best_bytes"] = static_cast<double>(best_size);
}

}  // namespace
}  // namespace vendrel::bench

int main(int argc, char** argv) {
    using namespace vendrel::bench;
    try {
        for (const BenchInput& input : make_bench_inputs(VENDREL_BENCH_CORPUS)) {
            SearchInput search;
            if (!make_search_input(input, search)) {
                std::fprintf(stderr, "%s: does not pack\n", input.name.c_str());
                return 1;
            }
            benchmark::RegisterBenchmark(("search_best/" + input.name).c_str(), search_best, search)
                ->Unit(benchmark::kMillisecond);
        }
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "%s\n", failure.what());
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
