// The bundled samples with the options the documentation packs them with,
// and a fixture that packs them and reads images back with -x, for the
// program tests that run every sample through a container.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/program.h"

namespace vendrel::test {

inline const std::string kSamples = std::string(VENDREL_SOURCE_DIR) + "/samples/";

struct Sample {
    const char* file;
    std::vector<std::string> options;  // as the documentation packs it
};

inline const Sample kSampleFiles[] = {
    {"adventure.txt", {}},
    {"czech.txt", {"-ct", kSamples + "czech.ct"}},
    {"letter.dtp", {"-dtp"}},
};

class SampleRuns : public testing::Test {
protected:
    // Packs a sample with the options added and writes (or appends) output;
    // false, with the failure recorded, when the run fails.
    bool pack_sample(const Sample& sample, std::vector<std::string> options, const std::string& output) {
        options.insert(options.end(), sample.options.begin(), sample.options.end());
        options.insert(options.end(), {"-o", output, kSamples + sample.file});
        const ProgramResult run = run_program(options);
        EXPECT_EQ(run.exit_status, 0) << sample.file << ": " << run.err;
        return run.exit_status == 0;
    }

    // The text that -x 0 0 writes for the file, with the options added.
    std::string extracted(const std::string& file, std::vector<std::string> options = {}) {
        const std::string out = dir.file("extracted.txt");
        options.insert(options.begin(), {"-x", "0", "0"});
        options.insert(options.end(), {"-o", out, file});
        const ProgramResult run = run_program(options);
        EXPECT_EQ(run.exit_status, 0) << file << ": " << run.err;
        return read_file(out);
    }

    ScratchDir dir;
};

}  // namespace vendrel::test
