// The built program reads back the images it writes, and refuses with its
// "not a packed file" message what it cannot read back safely.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/program.h"

namespace vendrel {
namespace {

using test::run_program;
using test::ScratchDir;

const char kText[] = "|the lamp|the door|the key|the lamp and the key|";

struct ReadBackCase {
    const char* name;
    std::vector<std::string> pack_options;
    // Bytes cut from the end of the written file before reading it back.
    int cut;
    bool recognised;
};

const ReadBackCase kReadBackCases[] = {
    {"z80_image", {"-z80"}, 0, true},
    {"z80_image_oa", {"-z80", "-oa"}, 0, true},
    {"i8080_image", {"-i8080"}, 0, true},
    {"i8080_image_at_0x4000_oa", {"-i8080", "-a", "0x4000", "-oa"}, 0, true},
    // Both table addresses wrap past 65,535: the sizes still read back.
    {"z80_tables_wrapped", {"-z80", "-a", "65500"}, 0, true},
    // Only the code stream address wraps: the sizes are taken modulo 65,536,
    // as the routine takes them.
    {"z80_code_stream_wrapped", {"-z80", "-a", "65470"}, 0, true},
    {"i8080_code_stream_wrapped", {"-i8080", "-a", "65456"}, 0, true},
    {"truncated_image", {"-z80"}, 5, false},
    {"tap_file", {"-z80", "-tap"}, 0, true},
    {"ptp_file", {"-i8080", "-ptp"}, 0, true},
    {"truncated_tap_file", {"-z80", "-tap"}, 1, false},
    {"truncated_ptp_file", {"-i8080", "-ptp", "-oa"}, 1, false},
};

class ReadBack : public testing::TestWithParam<ReadBackCase> {};

TEST_P(ReadBack, RecognisesOnlyWhatItCanReadSafely) {
    const ReadBackCase& c = GetParam();
    ScratchDir dir;
    const std::string packed = dir.file("packed.bin");
    std::vector<std::string> args = c.pack_options;
    args.insert(args.end(), {dir.write("text.txt", kText), "-o", packed});
    const test::ProgramResult pack = run_program(args);
    ASSERT_EQ(pack.exit_status, 0) << pack.err;

    std::string image = test::read_file(packed);
    ASSERT_GT(image.size(), static_cast<std::size_t>(c.cut));
    image.resize(image.size() - static_cast<std::size_t>(c.cut));
    const std::string source = dir.write("image.bin", image);

    const test::ProgramResult result = run_program({"-x", "0", "0", source});
    if (c.recognised) {
        EXPECT_EQ(result.exit_status, 0) << result.err;
        EXPECT_NE(result.out.find("the lamp and the key"), std::string::npos) << result.out;
    } else {
        EXPECT_EQ(result.exit_status, 22);
        EXPECT_EQ(result.err, "Source file is not Vendrel's packed file '" + source + "'!\n\n");
        EXPECT_EQ(result.out.find("the lamp"), std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(Files, ReadBack, testing::ValuesIn(kReadBackCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReadBackText, RefusesAPlainText) {
    ScratchDir dir;
    const std::string source = dir.write("plain.txt", kText);
    const test::ProgramResult result = run_program({"-x", "0", "0", source});
    EXPECT_EQ(result.exit_status, 22);
    EXPECT_EQ(result.err, "Source file is not Vendrel's packed file '" + source + "'!\n\n");
}

}  // namespace
}  // namespace vendrel
