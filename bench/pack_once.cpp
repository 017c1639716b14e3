// Packs one benchmark input once, for counting instructions under
// valgrind --tool=callgrind --toggle-collect='vendrel::pack_text*' (or
// 'vendrel::reference::pack_text*'), a figure that a busy machine does not
// disturb.
//
// Usage: pack_once INPUT fast|reference [oa]
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <vector>

#include "bench_inputs.h"
#include "bench_job.h"
#include "pack/pack_text.h"
#include "pack/reference/pack_text.h"

int main(int argc, char** argv) {
    using namespace vendrel::bench;
    if (argc < 3 || argc > 4 || (argc == 4 && std::strcmp(argv[3], "oa") != 0)) {
        std::fprintf(stderr, "usage: pack_once INPUT fast|reference [oa]\n");
        return 2;
    }
    const std::string wanted = argv[1];
    const bool reference = std::strcmp(argv[2], "reference") == 0;
    if (!reference && std::strcmp(argv[2], "fast") != 0) {
        std::fprintf(stderr, "packer must be fast or reference\n");
        return 2;
    }
    const bool oa = argc == 4;

    try {
        const std::vector<BenchInput> inputs = make_bench_inputs(VENDREL_BENCH_CORPUS);
        for (const BenchInput& input : inputs) {
            if (input.name != wanted) continue;
            BenchJob bench_job;
            vendrel::Job& job = bench_job.load(input.text, oa, input.desktop);
            const int result = reference ? vendrel::reference::pack_text(job) : vendrel::pack_text(job);
            std::printf("%s %s%s: result %d, %d codes, next code %d\n", input.name.c_str(), argv[2],
                        oa ? " -oa" : "", result, job.packed_length, job.next_code);
            return result == 0 ? 0 : 1;
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    std::fprintf(stderr, "no input named %s\n", wanted.c_str());
    return 2;
}
