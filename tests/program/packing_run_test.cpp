// Whole runs of the built program that pack a text: report, verbose lines,
// output file, exit status. These need the packer, the image composers and
// the tape containers as well as the front end.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/report_texts.h"
#include "support/console_expectations.h"
#include "support/program.h"

namespace vendrel {
namespace {

using test::after_banner;
using test::kEmptyZ80Report;
using test::kStoryI8080Report;
using test::kStoryZ80Report;
using test::run_program;
using test::ScratchDir;

// The story of the reports in report_texts.h.
const std::string kStory = "|abcabcabc|abcabc|";
// With -vb: its deepest record nests 3 levels, 2 + 4 * 3 bytes on both CPUs.
const std::string kStoryStack = "Stack needed:\t\t\t14 bytes\n";

std::string byte_range(int first, int last) {
    std::string bytes;
    for (int b = first; b <= last; ++b) bytes.push_back(static_cast<char>(b));
    return bytes;
}

struct PackingCase {
    const char* name;
    std::string source;              // written to {dir}/story.txt
    std::vector<std::string> args;   // "{dir}" is the scratch directory
    std::string out;                 // standard output after the banner
    std::string output_file;         // the file written
    std::size_t output_length;
};

// Writes source to {dir}/story.txt, runs the program with the arguments and
// checks its exit status, standard error and standard output after the
// banner; "{dir}" in any of them stands for the scratch directory.
void expect_run_on_story(const ScratchDir& dir, const std::string& source, const std::vector<std::string>& arguments,
                         int exit_status, const std::string& err, const std::string& out) {
    const std::string d = dir.path().string();
    dir.write("story.txt", source);
    std::vector<std::string> args;
    for (const std::string& arg : arguments) args.push_back(test::with_dir(arg, d));
    const test::ProgramResult result = run_program(args);
    EXPECT_EQ(result.exit_status, exit_status);
    EXPECT_EQ(result.err, test::with_dir(err, d));
    EXPECT_EQ(after_banner(result.out), test::with_dir(out, d));
}

class PackingRun : public testing::TestWithParam<PackingCase> {};

TEST_P(PackingRun, ReportsWritesAndEndsWithAnEmptyLine) {
    const PackingCase& c = GetParam();
    const ScratchDir dir;
    expect_run_on_story(dir, c.source, c.args, 0, "", c.out);
    const std::string output_file = test::with_dir(c.output_file, dir.path().string());
    ASSERT_TRUE(test::file_exists(output_file));
    EXPECT_EQ(test::read_file(output_file).size(), c.output_length);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PackingRun,
    testing::Values(
        PackingCase{"RawZ80", kStory, {"-z80", "{dir}/story.txt"}, kStoryZ80Report + "\n", "{dir}/story.vdl", 74},
        PackingCase{"RawI8080", kStory, {"{dir}/story.txt", "-i8080"}, kStoryI8080Report + "\n",
                    "{dir}/story.vdl", 88},
        PackingCase{"Tap", kStory, {"{dir}/story.txt", "-z80", "-tap"},
                    kStoryZ80Report + "Final length:\t\t\t99 bytes\n\n", "{dir}/story.tap", 99},
        PackingCase{"Ptp", kStory, {"{dir}/story.txt", "-i8080", "-ptp"},
                    kStoryI8080Report + "Final length:\t\t\t156 bytes\n\n", "{dir}/story.ptp", 156},
        PackingCase{"RawZ80Verbose", kStory, {"-vb", "{dir}/story.txt", "-z80", "-o", "{dir}/out.bin"},
                    "Reading input file '{dir}/story.txt'\n"
                    "Packing text...\n"
                    "Composing result file with Z80 routine...\n" +
                        kStoryZ80Report + kStoryStack + "Writing to the output file '{dir}/out.bin'\n\n",
                    "{dir}/out.bin", 74},
        PackingCase{"TapVerbose", kStory, {"{dir}/story.txt", "-z80", "-tap", "-vb"},
                    "Reading input file '{dir}/story.txt'\n"
                    "Packing text...\n"
                    "Composing result file with Z80 routine...\n"
                    "Constructing TAP file.\n" +
                        kStoryZ80Report + "Final length:\t\t\t99 bytes\n" + kStoryStack +
                        "Writing to the output file '{dir}/story.tap'\n\n",
                    "{dir}/story.tap", 99},
        PackingCase{"PtpVerbose", kStory, {"-vb", "-ptp", "-i8080", "{dir}/story.txt"},
                    "Reading input file '{dir}/story.txt'\n"
                    "Packing text...\n"
                    "Composing result file with i8080 routine...\n"
                    "Constructing PTP file.\n" +
                        kStoryI8080Report + "Final length:\t\t\t156 bytes\n" + kStoryStack +
                        "Writing to the output file '{dir}/story.ptp'\n\n",
                    "{dir}/story.ptp", 156},
        // With -oa the last byte takes no part: "|ab|cd|" is packed, and
        // the last byte would otherwise have been a sixth character.
        PackingCase{"OaDropsTheLastByte", "|ab|cd|Z", {"{dir}/story.txt", "-z80", "-oa"},
                    "Length of source text:\t\t7 bytes\n"
                    "Length of packed text:\t\t7 bytes (100.00%)\n"
                    "Number of differenet chars:\t5\n"
                    "Number of records:\t\t2\n"
                    "Length of routine:\t\t58 bytes\n"
                    "Size of character table:\t5 bytes\n"
                    "Total length:\t\t\t70 bytes (1000.00%)\n\n",
                    "{dir}/story.vdl", 70},
        // Empty texts pack to an image with nothing but the routine.
        PackingCase{"EmptySource", "", {"{dir}/story.txt", "-z80"}, kEmptyZ80Report + "\n", "{dir}/story.vdl", 58},
        PackingCase{"EmptySourceWithOa", "", {"{dir}/story.txt", "-z80", "-oa"}, kEmptyZ80Report + "\n",
                    "{dir}/story.vdl", 58},
        PackingCase{"OneByteSourceWithOa", "x", {"{dir}/story.txt", "-z80", "-oa"}, kEmptyZ80Report + "\n",
                    "{dir}/story.vdl", 58},
        // 126 different characters are the most a text may have.
        PackingCase{"MostCharacters", byte_range(1, 126), {"{dir}/story.txt", "-z80"},
                    "Length of source text:\t\t126 bytes\n"
                    "Length of packed text:\t\t126 bytes (100.00%)\n"
                    "Number of differenet chars:\t126\n"
                    "Number of records:\t\t0\n"
                    "Length of routine:\t\t58 bytes\n"
                    "Size of character table:\t126 bytes\n"
                    "Total length:\t\t\t310 bytes (246.03%)\n\n",
                    "{dir}/story.vdl", 310}),
    [](const testing::TestParamInfo<PackingCase>& info) { return std::string(info.param.name); });

TEST(PackingRunLimits, LongestSourceIsPacked) {
    const ScratchDir dir;
    std::string text;
    while (text.size() < 65535) text += "|abcdefgh";
    text.resize(65535);
    const std::string source = dir.write("long.txt", text);
    const test::ProgramResult result = run_program({source, "-z80"});
    EXPECT_EQ(result.exit_status, 0) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(after_banner(result.out).rfind("Length of source text:\t\t65535 bytes\n", 0), 0u) << result.out;
    EXPECT_TRUE(test::file_exists(dir.file("long.vdl")));
}

struct PackingErrorCase {
    const char* name;
    std::string source;
    std::vector<std::string> args;
    int exit_status;
    std::string message;
    std::string out;  // standard output after the banner
};

class PackingRunError : public testing::TestWithParam<PackingErrorCase> {};

TEST_P(PackingRunError, ReportsItAndExitsWithItsNumber) {
    const PackingErrorCase& c = GetParam();
    const ScratchDir dir;
    expect_run_on_story(dir, c.source, c.args, c.exit_status, c.message + "\n\n", c.out);
    EXPECT_FALSE(test::file_exists(dir.path().string() + "/story.vdl"));
}

INSTANTIATE_TEST_SUITE_P(
    Table, PackingRunError,
    testing::Values(
        // The report comes before the write, and no empty line after a failure.
        PackingErrorCase{"CannotOpenOutput", kStory, {"{dir}/story.txt", "-z80", "-o", "{dir}/no/out.vdl"}, 10,
                         "Can't open output file '{dir}/no/out.vdl'!", kStoryZ80Report},
        // The output is checked against the inputs before the packing.
        PackingErrorCase{"OutputIsTheSource", kStory, {"{dir}/story.txt", "-z80", "-o", "{dir}/story.txt"}, 32,
                         "Output file '{dir}/story.txt' is the source or conversion file!", ""},
        PackingErrorCase{"CannotWriteOutput", kStory, {"{dir}/story.txt", "-z80", "-o", "/dev/full"}, 12,
                         "Can't write to the output file '/dev/full'!", kStoryZ80Report},
        PackingErrorCase{"CannotWriteOutputVerbose", kStory, {"{dir}/story.txt", "-vb", "-z80", "-o", "/dev/full"},
                         12, "Can't write to the output file '/dev/full'!",
                         "Reading input file '{dir}/story.txt'\nPacking text...\n"
                         "Composing result file with Z80 routine...\n" +
                             kStoryZ80Report + kStoryStack + "Writing to the output file '/dev/full'\n"},
        PackingErrorCase{"TooManyCharacters", byte_range(1, 127), {"{dir}/story.txt", "-z80"}, 17,
                         "Too many different characters: 127", ""},
        PackingErrorCase{"AllCharacters", byte_range(0, 254), {"{dir}/story.txt", "-i8080"}, 17,
                         "Too many different characters: 255", ""},
        PackingErrorCase{"TooManyCharactersVerbose", byte_range(1, 127), {"{dir}/story.txt", "-z80", "-vb"}, 17,
                         "Too many different characters: 127",
                         "Reading input file '{dir}/story.txt'\nPacking text...\n"},
        // One character and no pair: 58 + 1 + 65535 bytes would not fit.
        PackingErrorCase{"OutputTooLong", std::string(65535, 'a'), {"{dir}/story.txt", "-z80"}, 29,
                         "Output would be 65594 bytes long, more than fits in 65536 bytes!", ""},
        PackingErrorCase{"TapTooLong", std::string(65535, 'a'), {"{dir}/story.txt", "-z80", "-tap"}, 29,
                         "Output would be 65619 bytes long, more than fits in 65536 bytes!", ""}),
    [](const testing::TestParamInfo<PackingErrorCase>& info) { return std::string(info.param.name); });

TEST(PackingRunOutput, ReplacesOrAppends) {
    const ScratchDir dir;
    const std::string source = dir.write("story.txt", kStory);
    const std::string output = dir.file("out.tap");

    ASSERT_EQ(run_program({source, "-z80", "-tap", "-o", output, "-append"}).exit_status, 0);
    const std::string once = test::read_file(output);
    ASSERT_EQ(once.size(), 99u);
    ASSERT_EQ(run_program({source, "-z80", "-tap", "-o", output, "-append"}).exit_status, 0);
    EXPECT_EQ(test::read_file(output), once + once);
    ASSERT_EQ(run_program({source, "-z80", "-tap", "-o", output}).exit_status, 0);
    EXPECT_EQ(test::read_file(output), once);
}

TEST(PackingRunOutput, PackedImageCanBeExtractedAgain) {
    const ScratchDir dir;
    const std::string source = dir.write("story.txt", kStory);
    for (const char* routine : {"-z80", "-i8080"}) {
        ASSERT_EQ(run_program({source, routine}).exit_status, 0) << routine;
        const test::ProgramResult to_console = run_program({"-x", "0", "0", dir.file("story.vdl")});
        EXPECT_EQ(to_console.exit_status, 0) << routine;
        EXPECT_EQ(to_console.err, "") << routine;

        const test::ProgramResult to_file =
            run_program({"-vb", "-x", "1", "2", dir.file("story.vdl"), "-o", dir.file("text.txt")});
        EXPECT_EQ(to_file.exit_status, 0) << routine;
        EXPECT_EQ(to_file.err, "") << routine;
        EXPECT_EQ(after_banner(to_file.out), "Reading input file '" + dir.file("story.vdl") +
                                                 "'\nExtracting text from packed file...\n"
                                                 "Writing to the output file '" +
                                                 dir.file("text.txt") + "'\n\n")
            << routine;
        EXPECT_TRUE(test::file_exists(dir.file("text.txt"))) << routine;
    }
}

}  // namespace
}  // namespace vendrel
