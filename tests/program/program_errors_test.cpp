// Errors of the built program found on the command line and in the source
// file: the exact message and an empty line on standard error, nothing on
// standard output after the banner (and the verbose lines before the
// failing step), no output file, and the error number as exit status.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "support/console_expectations.h"
#include "support/program.h"

namespace vendrel {
namespace {

using test::with_dir;

const std::string kLongName(252, 'n');  // one too many for "<name>.vdl"

std::string with_byte_ff(std::string text, std::size_t at) {
    text.insert(at, 1, '\xFF');
    return text;
}

struct ProgramErrorCase {
    const char* name;
    std::vector<std::string> args;  // "{dir}" is the scratch directory
    std::vector<std::pair<std::string, std::string>> files;
    int exit_status;
    std::string message;
    std::string out = "";       // standard output after the banner
    std::string absent = "";    // a file that must not have been written
    std::string input = "";     // standard input
};

class ProgramError : public testing::TestWithParam<ProgramErrorCase> {};

TEST_P(ProgramError, ReportsItAndExitsWithItsNumber) {
    const ProgramErrorCase& c = GetParam();
    const test::ScratchDir dir;
    const std::string d = dir.path().string();
    for (const auto& [name, bytes] : c.files) dir.write(name, bytes);
    std::vector<std::string> args;
    for (const std::string& arg : c.args) args.push_back(with_dir(arg, d));

    const test::ProgramResult result = test::run_program(args, c.input);
    EXPECT_EQ(result.exit_status, c.exit_status);
    EXPECT_EQ(result.err, with_dir(c.message, d) + "\n\n");
    EXPECT_EQ(test::after_banner(result.out), with_dir(c.out, d));
    if (!c.absent.empty()) {
        EXPECT_FALSE(test::file_exists(with_dir(c.absent, d)));
    }
}

const std::string kPlain = "|Once upon a time|there was a text|";

INSTANTIATE_TEST_SUITE_P(
    Table, ProgramError,
    testing::Values(
        ProgramErrorCase{"BadCombination", {"{dir}/s.txt", "-z80", "-lc"}, {{"s.txt", kPlain}}, 3,
                         "Bad combination of options!", "", "{dir}/s.vdl"},
        ProgramErrorCase{"BadCombinationWithExtraction", {"-x", "1", "2", "{dir}/s.txt", "-z80"}, {}, 3,
                         "Bad combination of options!"},
        ProgramErrorCase{"MissingOptionValue", {"story.txt", "-a"}, {}, 4, "Missing option value(s) '-a'!"},
        ProgramErrorCase{"MissingRecordNumber", {"story.txt", "-x", "3"}, {}, 4, "Missing option value(s) '-x'!"},
        ProgramErrorCase{"CannotOpenInput", {"{dir}/missing.txt", "-z80"}, {}, 5,
                         "Can't open input file '{dir}/missing.txt'!", "", "{dir}/missing.vdl"},
        ProgramErrorCase{"CannotOpenInputVerbose", {"-vb", "{dir}/missing.txt", "-z80"}, {}, 5,
                         "Can't open input file '{dir}/missing.txt'!", "Reading input file '{dir}/missing.txt'\n"},
        ProgramErrorCase{"CannotOpenEmptyName", {"", "-z80"}, {}, 5, "Can't open input file ''!"},
        ProgramErrorCase{"CannotAccessInput", {"/dev/stdin", "-z80"}, {}, 6,
                         "Can't access input file '/dev/stdin'!", "", "", "some text\n"},
        ProgramErrorCase{"InputTooLong", {"{dir}/big.txt", "-z80"}, {{"big.txt", std::string(65536, 'a')}}, 8,
                         "Input file '{dir}/big.txt' is too long!", "", "{dir}/big.vdl"},
        ProgramErrorCase{"InputTooLongToExtract", {"-x", "0", "0", "{dir}/big.vdl"},
                         {{"big.vdl", std::string(65537, 'a')}}, 8, "Input file '{dir}/big.vdl' is too long!"},
        ProgramErrorCase{"BadAddress", {"s", "-z80", "-a", "65536"}, {}, 13,
                         "After '-a' must follow address in range 0 to 65535!"},
        ProgramErrorCase{"BadPrintAddress", {"s", "-z80", "-pa", "-1"}, {}, 13,
                         "After '-pa' must follow address in range 0 to 65535!"},
        ProgramErrorCase{"SecondOutputFile", {"-o", "a.bin", "-o", "b.bin"}, {}, 14,
                         "Only one output file can be specified!"},
        ProgramErrorCase{"NoInputFile", {"-z80"}, {}, 15, "Input file not specified!\nTry 'vendrel -h' for help."},
        ProgramErrorCase{"NoInputFileVerbose", {"-vb"}, {}, 15,
                         "Input file not specified!\nTry 'vendrel -h' for help."},
        ProgramErrorCase{"SecondInputFile", {"-q", "story.txt"}, {}, 16, "Only one input file can be specified!"},
        ProgramErrorCase{"ByteFF", {"{dir}/ff.txt", "-z80"}, {{"ff.txt", with_byte_ff(kPlain, 10)}}, 18,
                         "Source text cannot contain character with code 0xFF!", "", "{dir}/ff.vdl"},
        ProgramErrorCase{"ByteFFFirst", {"{dir}/ff.txt", "-i8080", "-ptp"}, {{"ff.txt", with_byte_ff(kPlain, 0)}},
                         18, "Source text cannot contain character with code 0xFF!", "", "{dir}/ff.ptp"},
        ProgramErrorCase{"ByteFFAlone", {"{dir}/ff.txt", "-z80"}, {{"ff.txt", "\xFF"}}, 18,
                         "Source text cannot contain character with code 0xFF!"},
        ProgramErrorCase{"ByteFFLastUnderOa", {"{dir}/ff.txt", "-z80", "-oa"},
                         {{"ff.txt", with_byte_ff(kPlain, kPlain.size())}}, 18,
                         "Source text cannot contain character with code 0xFF!", "", "{dir}/ff.vdl"},
        ProgramErrorCase{"ByteFFVerbose", {"-vb", "-z80", "{dir}/ff.txt", "-o", "{dir}/out.bin"},
                         {{"ff.txt", with_byte_ff(kPlain, 5)}}, 18,
                         "Source text cannot contain character with code 0xFF!",
                         "Reading input file '{dir}/ff.txt'\nPacking text...\n", "{dir}/out.bin"},
        ProgramErrorCase{"NoRoutineType", {"story.txt", "-tap"}, {}, 19, "Routine type z80/i8080 is not specified!"},
        ProgramErrorCase{"BadTapeName", {"-n", "ELEVENCHARS"}, {}, 20, "Bad tape block name 'ELEVENCHARS'!"},
        ProgramErrorCase{"BadPtpName", {"s", "-i8080", "-ptp", "-n", "NINECHARS"}, {}, 20,
                         "Bad tape block name 'NINECHARS'!"},
        ProgramErrorCase{"BadRecordNumbers", {"-x", "5", "3", "packed.vdl"}, {}, 21, "Bad record number(s)!"},
        // In extraction mode the source is read without the 0xFF check.
        ProgramErrorCase{"NotPackedFile", {"-x", "0", "0", "{dir}/plain.txt"}, {{"plain.txt", kPlain}}, 22,
                         "Source file is not Vendrel's packed file '{dir}/plain.txt'!"},
        ProgramErrorCase{"NotPackedFileVerbose", {"-vb", "-x", "1", "2", "{dir}/plain.txt", "-o", "{dir}/out.txt"},
                         {{"plain.txt", kPlain}}, 22, "Source file is not Vendrel's packed file '{dir}/plain.txt'!",
                         "Reading input file '{dir}/plain.txt'\n", "{dir}/out.txt"},
        ProgramErrorCase{"NotPackedFileWithByteFF", {"-x", "0", "0", "{dir}/ff.txt"},
                         {{"ff.txt", with_byte_ff(kPlain, 3)}}, 22,
                         "Source file is not Vendrel's packed file '{dir}/ff.txt'!"},
        ProgramErrorCase{"NotPackedEmptyFile", {"-x", "0", "0", "{dir}/empty"}, {{"empty", ""}}, 22,
                         "Source file is not Vendrel's packed file '{dir}/empty'!"},
        ProgramErrorCase{"NotPackedLongestFile", {"-x", "0", "0", "{dir}/longest"},
                         {{"longest", std::string(65535, 'a')}}, 22,
                         "Source file is not Vendrel's packed file '{dir}/longest'!"},
        ProgramErrorCase{"SecondConversionFile", {"s", "-z80", "-ct", "a", "-ct", "b"}, {}, 23,
                         "Only one conversion file can be specified!"},
        ProgramErrorCase{"CannotOpenConversion", {"{dir}/s.txt", "-z80", "-ct", "{dir}/table.txt"},
                         {{"s.txt", kPlain}}, 24, "Can't open conversion file '{dir}/table.txt'!", "", "{dir}/s.vdl"},
        ProgramErrorCase{"CannotOpenConversionVerbose", {"-vb", "{dir}/s.txt", "-z80", "-ct", "{dir}/table.txt"},
                         {{"s.txt", kPlain}}, 24, "Can't open conversion file '{dir}/table.txt'!",
                         "Reading input file '{dir}/s.txt'\nReading conversion table file '{dir}/table.txt'\n",
                         "{dir}/s.vdl"},
        // The source is read before the conversion file.
        ProgramErrorCase{"SourceBeforeConversion", {"{dir}/s.txt", "-z80", "-ct", "{dir}/table.txt"}, {}, 5,
                         "Can't open input file '{dir}/s.txt'!"},
        ProgramErrorCase{"SourceNameTooLong", {kLongName, "-z80"}, {}, 28,
                         "Source file name '" + kLongName + "' is too long!"}),
    [](const testing::TestParamInfo<ProgramErrorCase>& info) { return std::string(info.param.name); });

TEST(ProgramErrorSpecialFiles, FileShorterThanItsSizeCannotBeRead) {
    // Files of the kernel's sysfs claim a size of a page but hold less.
    const std::string path = "/sys/kernel/mm/transparent_hugepage/enabled";
    struct stat info{};
    if (::stat(path.c_str(), &info) != 0 || info.st_size <= 0 || info.st_size > 65535 ||
        test::read_file(path).size() >= static_cast<std::size_t>(info.st_size)) {
        GTEST_SKIP() << "no file here that is shorter than its size";
    }
    const test::ProgramResult result = test::run_program({path, "-z80", "-o", "/nonexistent/out"});
    EXPECT_EQ(result.exit_status, 9);
    EXPECT_EQ(result.err, "Can't read from the input file '" + path + "'!\n\n");
    EXPECT_EQ(test::after_banner(result.out), "");
}

TEST(ProgramErrorSpecialFiles, DirectoryAsSourceIsAnInputError) {
    const test::ScratchDir dir;
    for (const std::vector<std::string>& extra :
         {std::vector<std::string>{"-z80"}, std::vector<std::string>{"-x", "0", "0"}}) {
        std::vector<std::string> args = {dir.path().string()};
        args.insert(args.end(), extra.begin(), extra.end());
        const test::ProgramResult result = test::run_program(args);
        EXPECT_GE(result.exit_status, 5);
        EXPECT_LE(result.exit_status, 9);
        ASSERT_GE(result.err.size(), 2u);
        EXPECT_NE(result.err.find(dir.path().string()), std::string::npos) << result.err;
        EXPECT_EQ(result.err.substr(result.err.size() - 2), "\n\n");
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 2) << result.err;
        EXPECT_EQ(test::after_banner(result.out), "");
    }
}

}  // namespace
}  // namespace vendrel
