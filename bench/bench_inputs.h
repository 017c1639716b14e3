// The fixed inputs of the packing benchmark: texts of 65,535 bytes, the
// longest the packer takes, each of a kind that loads the packer in its own
// way. All but the real text are made in code from fixed seeds, so every
// machine packs exactly the same bytes.
#pragma once

#include <string>
#include <vector>

namespace vendrel::bench {

inline constexpr int kInputSize = 65535;

struct BenchInput {
    std::string name;  // short, for benchmark names and the command line
    std::string text;  // exactly kInputSize bytes, no byte 0xFF
    bool desktop;      // a Desktop document, packed with -dtp
};

// Reads bench/corpus/english.txt from corpus_dir and makes the others.
// Throws std::runtime_error when the corpus file cannot be read.
std::vector<BenchInput> make_bench_inputs(const std::string& corpus_dir);

}  // namespace vendrel::bench
