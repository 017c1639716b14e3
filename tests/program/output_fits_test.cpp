// The program writes no output that would not fit the image buffer.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/job.h"
#include "support/program.h"

namespace vendrel {
namespace {

// A text whose every other byte is the separator leaves no pair to form, so
// its image is longer than the text: 125 characters and separators
// alternating. length bytes of it.
std::string unpackable_text(int length) {
    std::string text;
    for (int i = 0; static_cast<int>(text.size()) < length; ++i) {
        text.push_back(i % 2 == 0 ? '\n' : static_cast<char>(0x21 + (i / 2) % 125));
    }
    return text;
}

struct ProgramFitCase {
    const char* name;
    std::vector<std::string> options;
    int text_length;
    int output_length;  // written when it fits the image buffer
};

const ProgramFitCase kProgramFitCases[] = {
    // 58 + 126 + 65,352 bytes: exactly the image buffer.
    {"z80_raw_fits", {"-z80"}, 65352, 65536},
    {"z80_raw_too_long", {"-z80"}, 65353, 65537},
    {"i8080_longest_text", {"-i8080"}, 65535, 72 + 126 + 65535},
    {"tap_too_long", {"-z80", "-tap"}, 65352, 65536 + 25},
    {"ptp_too_long", {"-i8080", "-ptp"}, 65300, 72 + 126 + 65300 + 68},
};

class ProgramOutputFits : public testing::TestWithParam<ProgramFitCase> {};

TEST_P(ProgramOutputFits, WritesNoOutputThatWouldNotFit) {
    const ProgramFitCase& c = GetParam();
    test::ScratchDir dir;
    std::vector<std::string> args = c.options;
    const std::string output = dir.file("out.bin");
    args.insert(args.end(), {dir.write("text.txt", unpackable_text(c.text_length)), "-o", output});
    const test::ProgramResult result = test::run_program(args);
    if (c.output_length <= kImageBufferSize) {
        EXPECT_EQ(result.exit_status, 0) << result.err;
        EXPECT_EQ(static_cast<int>(test::read_file(output).size()), c.output_length);
    } else {
        EXPECT_EQ(result.exit_status, 29);
        EXPECT_EQ(result.err, "Output would be " + std::to_string(c.output_length) +
                                  " bytes long, more than fits in 65536 bytes!\n\n");
        EXPECT_FALSE(test::file_exists(output));
    }
}

INSTANTIATE_TEST_SUITE_P(Outputs, ProgramOutputFits, testing::ValuesIn(kProgramFitCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vendrel
