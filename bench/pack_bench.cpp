// Time per pack of the program's packer and of the plain reference packer,
// with and without -oa, on the fixed benchmark inputs. Before anything is
// timed, each input is packed by both and the results compared: a fast
// packer that differs by one byte is no faster packer.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <vector>

#include "bench_inputs.h"
#include "bench_job.h"
#include "pack/pack_text.h"
#include "pack/reference/pack_text.h"

namespace vendrel::bench {
namespace {

struct PackResult {
    int result;
    std::string stream;
    std::string symbols;
    std::string candidates;
    int packed_length, char_count, record_count, next_code, symbol_table_size;

    bool operator==(const PackResult&) const = default;
};

PackResult pack_once(BenchJob& bench_job, Packer packer, const BenchInput& input, bool oa) {
    Job& job = bench_job.load(input.text, oa, input.desktop);
    PackResult packed{};
    packed.result = packer(job);
    packed.stream.assign(reinterpret_cast<const char*>(job.text_buffer), static_cast<std::size_t>(job.packed_length));
    packed.symbols.assign(reinterpret_cast<const char*>(job.symbol_table),
                          static_cast<std::size_t>(job.symbol_table_size));
    packed.candidates.assign(reinterpret_cast<const char*>(job.candidate_table), kCandidateCount * sizeof(Candidate));
    packed.packed_length = job.packed_length;
    packed.char_count = job.char_count;
    packed.record_count = job.record_count;
    packed.next_code = job.next_code;
    packed.symbol_table_size = job.symbol_table_size;
    return packed;
}

// Packs every input with both packers and both recounts; false when one
// fails or they differ.
bool packers_agree(const std::vector<BenchInput>& inputs) {
    BenchJob job;
    bool agree = true;
    for (const BenchInput& input : inputs) {
        for (const bool oa : {false, true}) {
            const PackResult fast = pack_once(job, pack_text, input, oa);
            const PackResult plain = pack_once(job, reference::pack_text, input, oa);
            if (fast.result != 0 || !(fast == plain)) {
                std::fprintf(stderr, "%s%s: %s\n", input.name.c_str(), oa ? " -oa" : "",
                             fast.result != 0 ? "packing failed" : "the packers differ");
                agree = false;
            } else {
                std::printf("%-10s %-3s same result: %5d codes, %3d characters, next code %3d\n", input.name.c_str(),
                            oa ? "-oa" : "", fast.packed_length, fast.char_count, fast.next_code);
            }
        }
    }
    return agree;
}

void time_packing(benchmark::State& state, const BenchInput* input, Packer packer, bool oa) {
    BenchJob bench_job;
    int packed_length = 0;
    int next_code = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Job& job = bench_job.load(input->text, oa, input->desktop);
        state.ResumeTiming();
        const int result = packer(job);
        benchmark::DoNotOptimize(result);
        packed_length = job.packed_length;
        next_code = job.next_code;
    }
    state.counters["packed_bytes"] = packed_length;
    state.counters["next_code"] = next_code;
}

}  // namespace
}  // namespace vendrel::bench

int main(int argc, char** argv) {
    using namespace vendrel::bench;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;

    std::vector<BenchInput> inputs;
    try {
        inputs = make_bench_inputs(VENDREL_BENCH_CORPUS);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    if (!packers_agree(inputs)) return 1;
    std::fflush(stdout);

    struct Variant {
        const char* name;
        Packer packer;
    };
    const Variant variants[] = {{"reference", vendrel::reference::pack_text}, {"fast", vendrel::pack_text}};
    for (const BenchInput& input : inputs) {
        for (const bool oa : {false, true}) {
            for (const Variant& variant : variants) {
                const std::string name = "pack/" + input.name + "/" + variant.name + (oa ? "/oa" : "/plain");
                benchmark::RegisterBenchmark(name.c_str(), time_packing, &input, variant.packer, oa)
                    ->Unit(benchmark::kMillisecond);
            }
        }
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
