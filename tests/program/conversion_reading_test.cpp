// Conversion files that once hung the reader or passed for empty tables:
// zero bytes, endless devices, and files of very many lines.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/program.h"

namespace vendrel::test {
namespace {

using namespace std::string_literals;

constexpr int kMostLines = 1 << 20;

struct ConversionCase {
    const char* name;
    std::string contents;  // written as t.ct, unless path is given
    const char* path;      // a device to read instead; nullptr: t.ct
    int exit_status;
    std::string message;   // "{ct}" stands for the conversion file's name
};

const ConversionCase kCases[] = {
    {"ZeroAfterTheFirstCode", "65\0 97\n"s, nullptr, 26, "Bad definition at line 1"},
    {"ZeroFirst", "\0\x01\x02\n"s, nullptr, 26, "Bad definition at line 1"},
    {"ZeroInAComment", "; one\n65 97\n; two\0\n"s, nullptr, 26, "Bad definition at line 3"},
    {"ZeroAfterAValidLine", "65 97 ; x\n\0"s, nullptr, 26, "Bad definition at line 2"},
    {"ZeroInTheSecondPiece", std::string(1022, ' ') + "\0\n"s, nullptr, 26, "Bad definition at line 2"},
    {"EndlessZeroBytes", "", "/dev/zero", 26, "Bad definition at line 1"},
    {"MostLines", std::string(kMostLines - 1, '\n') + "65 97\n", nullptr, 0, ""},
    {"OneLineTooMany", std::string(kMostLines, '\n') + "65 97\n", nullptr, 34,
     "Conversion file '{ct}' is too long!"},
};

class ConversionReading : public testing::TestWithParam<ConversionCase> {};

TEST_P(ConversionReading, EndsWithItsAnswer) {
    const ConversionCase& c = GetParam();
    const ScratchDir dir;
    const std::string table = c.path != nullptr ? std::string(c.path) : dir.write("t.ct", c.contents);
    const std::string output = dir.file("s.vdl");
    const ProgramResult run = run_program({dir.write("s.txt", "|ABC|abc|"), "-z80", "-ct", table, "-o", output});
    EXPECT_EQ(run.exit_status, c.exit_status);
    std::string message = c.message;
    if (const auto at = message.find("{ct}"); at != std::string::npos) message.replace(at, 4, table);
    EXPECT_EQ(run.err, message.empty() ? "" : message + "\n\n");
    EXPECT_EQ(file_exists(output), c.exit_status == 0);
}

INSTANTIATE_TEST_SUITE_P(Files, ConversionReading, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vendrel::test
