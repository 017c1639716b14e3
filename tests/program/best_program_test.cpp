// -best through the built program: the report of the smaller image, tapes
// that carry it, images that -x reads back as the default ones, the
// default image when the search finds nothing smaller, and the same bytes
// on every run.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/console_expectations.h"
#include "support/program.h"

namespace vendrel::test {
namespace {

const std::string kSourceDir = VENDREL_SOURCE_DIR;
const std::string kAdventure = kSourceDir + "/samples/adventure.txt";

// The report's lines for samples/adventure.txt packed with -best, up to
// the routine's length.
const std::string kAdventureBestHead =
    "Length of source text:\t\t4414 bytes\n"
    "Length of packed text:\t\t1879 bytes (42.57%)\n"
    "Number of differenet chars:\t62\n"
    "Number of records:\t\t78\n";
const std::string kAdventureBestZ80 = kAdventureBestHead +
                                      "Length of routine:\t\t58 bytes\n"
                                      "Size of character table:\t450 bytes\n"
                                      "Total length:\t\t\t2387 bytes (54.08%)\n";
const std::string kAdventureBestI8080 = kAdventureBestHead +
                                        "Length of routine:\t\t72 bytes\n"
                                        "Size of character table:\t450 bytes\n"
                                        "Total length:\t\t\t2401 bytes (54.40%)\n";

struct BestReportCase {
    const char* name;
    std::vector<std::string> args;  // before the source; "{dir}" is the scratch directory
    std::string out;                // standard output after the banner
    std::string output;             // the file written
    std::size_t output_length;
};

class BestReport : public testing::TestWithParam<BestReportCase> {};

TEST_P(BestReport, ShowsTheSmallerImageAndWritesIt) {
    const BestReportCase& c = GetParam();
    const ScratchDir dir;
    const std::string d = dir.path().string();
    std::vector<std::string> args;
    for (const std::string& arg : c.args) args.push_back(with_dir(arg, d));
    args.push_back(kAdventure);
    const ProgramResult result = run_program(args);
    EXPECT_EQ(result.exit_status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(after_banner(result.out), with_dir(c.out, d));
    EXPECT_EQ(read_file(with_dir(c.output, d)).size(), c.output_length);
}

INSTANTIATE_TEST_SUITE_P(
    Adventure, BestReport,
    testing::Values(
        BestReportCase{"RawZ80", {"-z80", "-best", "-o", "{dir}/a.vdl"}, kAdventureBestZ80 + "\n", "{dir}/a.vdl",
                       2387},
        BestReportCase{"RawI8080", {"-best", "-i8080", "-o", "{dir}/a.vdl"}, kAdventureBestI8080 + "\n", "{dir}/a.vdl",
                       2401},
        BestReportCase{"Tap", {"-z80", "-tap", "-best", "-o", "{dir}/a.tap"},
                       kAdventureBestZ80 + "Final length:\t\t\t2412 bytes\n\n", "{dir}/a.tap", 2412},
        BestReportCase{"Ptp", {"-i8080", "-ptp", "-best", "-o", "{dir}/a.ptp"},
                       kAdventureBestI8080 + "Final length:\t\t\t2469 bytes\n\n", "{dir}/a.ptp", 2469},
        BestReportCase{"Verbose", {"-vb", "-best", "-z80", "-o", "{dir}/a.vdl"},
                       "Reading input file '" + kAdventure + "'\n" +
                           "Packing text...\n"
                           "Composing result file with Z80 routine...\n" +
                           kAdventureBestZ80 + "Stack needed:\t\t\t22 bytes\n" +
                           "Writing to the output file '{dir}/a.vdl'\n\n",
                       "{dir}/a.vdl", 2387}),
    [](const testing::TestParamInfo<BestReportCase>& info) { return std::string(info.param.name); });

// Packs source into {dir}/name with the options and returns the image.
std::string pack(const ScratchDir& dir, const std::string& name, std::vector<std::string> options,
                 const std::string& source) {
    options.insert(options.end(), {"-o", dir.file(name), source});
    const ProgramResult result = run_program(options);
    EXPECT_EQ(result.exit_status, 0) << result.err;
    return read_file(dir.file(name));
}

// Every record of the image {dir}/name, as -x writes them.
std::string extract_all(const ScratchDir& dir, const std::string& name) {
    const ProgramResult result = run_program({"-x", "0", "0", "-o", dir.file(name + ".txt"), dir.file(name)});
    EXPECT_EQ(result.exit_status, 0) << result.err;
    return read_file(dir.file(name + ".txt"));
}

struct SampleCase {
    const char* name;
    std::vector<std::string> options;  // besides the routine
    std::string source;
};

class BestSample : public testing::TestWithParam<SampleCase> {};

TEST_P(BestSample, ReadsBackAsTheDefaultImageAndIsNoLarger) {
    for (const char* routine : {"-z80", "-i8080"}) {
        SCOPED_TRACE(routine);
        const ScratchDir dir;
        std::vector<std::string> options = GetParam().options;
        options.push_back(routine);
        const std::string plain = pack(dir, "plain.vdl", options, GetParam().source);
        options.push_back("-best");
        const std::string best = pack(dir, "best.vdl", options, GetParam().source);
        EXPECT_LE(best.size(), plain.size());
        EXPECT_EQ(extract_all(dir, "best.vdl"), extract_all(dir, "plain.vdl"));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Samples, BestSample,
    testing::Values(SampleCase{"adventure", {}, kAdventure},
                    SampleCase{"czech", {"-ct", kSourceDir + "/samples/czech.ct"}, kSourceDir + "/samples/czech.txt"},
                    SampleCase{"letter", {"-dtp"}, kSourceDir + "/samples/letter.dtp"},
                    SampleCase{"letter_lower_case", {"-dtp", "-lc"}, kSourceDir + "/samples/letter.dtp"},
                    SampleCase{"adventure_one_line", {"-crlf-spc"}, kAdventure}),
    [](const testing::TestParamInfo<SampleCase>& info) { return std::string(info.param.name); });

// Texts on which the search finds nothing smaller keep the default
// packer's image, byte for byte.
TEST(BestProgram, WithoutAGainWritesTheDefaultImage) {
    const ScratchDir dir;
    const std::string tiny = dir.write("tiny.txt", "|ab|ba|");
    const std::string letter = kSourceDir + "/samples/letter.dtp";
    for (const char* routine : {"-z80", "-i8080"}) {
        EXPECT_EQ(pack(dir, "tiny_best.vdl", {routine, "-best"}, tiny), pack(dir, "tiny.vdl", {routine}, tiny))
            << routine;
        EXPECT_EQ(pack(dir, "letter_best.vdl", {routine, "-dtp", "-best"}, letter),
                  pack(dir, "letter.vdl", {routine, "-dtp"}, letter))
            << routine;
    }
}

TEST(BestProgram, SameImageOnEveryRun) {
    const ScratchDir dir;
    EXPECT_EQ(pack(dir, "first.vdl", {"-z80", "-best"}, kAdventure),
              pack(dir, "second.vdl", {"-z80", "-best"}, kAdventure));
}

// A tape holds the raw -best image whole, with the same framing around it
// as around the default image.
TEST(BestProgram, TapesCarryTheRawImage) {
    struct Tape {
        const char* routine;
        const char* tape;
        const char* name;
    };
    for (const Tape& tape : {Tape{"-z80", "-tap", "a.tap"}, Tape{"-i8080", "-ptp", "a.ptp"}}) {
        SCOPED_TRACE(tape.tape);
        const ScratchDir dir;
        const std::string best_raw = pack(dir, "best.vdl", {tape.routine, "-best"}, kAdventure);
        const std::string plain_raw = pack(dir, "plain.vdl", {tape.routine}, kAdventure);
        const std::string best_tape =
            pack(dir, std::string("best_") + tape.name, {tape.routine, tape.tape, "-best", "-n", "A"}, kAdventure);
        const std::string plain_tape =
            pack(dir, std::string("plain_") + tape.name, {tape.routine, tape.tape, "-n", "A"}, kAdventure);
        EXPECT_NE(best_tape.find(best_raw), std::string::npos);
        EXPECT_EQ(best_tape.size() - best_raw.size(), plain_tape.size() - plain_raw.size());
    }
}

}  // namespace
}  // namespace vendrel::test
