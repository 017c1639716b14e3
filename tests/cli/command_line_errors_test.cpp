// Command lines that are refused: the error found first, reported once with
// its exact message, and the Job still handed back for release.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/command_line.h"
#include "base/errors.h"
#include "support/console_expectations.h"

namespace vendrel {
namespace {

using test::ParsedCommandLine;

const std::string kCombination = "Bad combination of options!";
const std::string kNoSource = "Input file not specified!\nTry 'vendrel -h' for help.";
const std::string kNoRoutine = "Routine type z80/i8080 is not specified!";

struct RefusedCase {
    std::vector<std::string> args;
    int code;
    std::string message;
};

void PrintTo(const RefusedCase& c, std::ostream* os) {
    for (const std::string& arg : c.args) *os << "'" << arg << "' ";
}

class RefusedCommandLine : public testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedCommandLine, ReportsTheFirstErrorOnce) {
    const RefusedCase& c = GetParam();
    const ParsedCommandLine parsed(c.args);
    EXPECT_EQ(parsed.result, c.code);
    EXPECT_EQ(parsed.err, c.message + "\n\n");
    EXPECT_EQ(parsed.out, "");
    EXPECT_NE(parsed.job, nullptr);
}

std::vector<RefusedCase> scan_errors() {
    return {
        // -4: a value missing at the end of the command line.
        {{"story.txt", "-a"}, kMissingOptionValue, "Missing option value(s) '-a'!"},
        {{"story.txt", "-z80", "-pa"}, kMissingOptionValue, "Missing option value(s) '-pa'!"},
        {{"story.txt", "-z80", "-o"}, kMissingOptionValue, "Missing option value(s) '-o'!"},
        {{"story.txt", "-z80", "-ct"}, kMissingOptionValue, "Missing option value(s) '-ct'!"},
        {{"story.txt", "-x"}, kMissingOptionValue, "Missing option value(s) '-x'!"},
        {{"story.txt", "-x", "3"}, kMissingOptionValue, "Missing option value(s) '-x'!"},
        {{"-x", "abc"}, kMissingOptionValue, "Missing option value(s) '-x'!"},
        // -13: addresses out of range or unreadable.
        {{"s", "-z80", "-a", "65536"}, kBadAddress, "After '-a' must follow address in range 0 to 65535!"},
        {{"s", "-z80", "-a", "0x10000"}, kBadAddress, "After '-a' must follow address in range 0 to 65535!"},
        {{"s", "-z80", "-a", "abc"}, kBadAddress, "After '-a' must follow address in range 0 to 65535!"},
        {{"s", "-z80", "-a", "-1"}, kBadAddress, "After '-a' must follow address in range 0 to 65535!"},
        {{"s", "-z80", "-a", "0q"}, kBadAddress, "After '-a' must follow address in range 0 to 65535!"},
        {{"s", "-z80", "-a", "4294967296"}, kBadAddress, "After '-a' must follow address in range 0 to 65535!"},
        {{"s", "-z80", "-a", "4294967295"}, kBadAddress, "After '-a' must follow address in range 0 to 65535!"},
        {{"s", "-z80", "-pa", "70000"}, kBadAddress, "After '-pa' must follow address in range 0 to 65535!"},
        {{"s", "-z80", "-pa", "-z80"}, kBadAddress, "After '-pa' must follow address in range 0 to 65535!"},
        {{"-a", "1", "-a", "65536", "s", "-z80"}, kBadAddress, "After '-a' must follow address in range 0 to 65535!"},
        // -14, -16, -23: a second file of a kind.
        {{"-o", "a.bin", "-o", "b.bin"}, kSecondOutputFile, "Only one output file can be specified!"},
        {{"-q", "story.txt"}, kSecondInputFile, "Only one input file can be specified!"},
        {{"story.txt", "-q"}, kSecondInputFile, "Only one input file can be specified!"},
        {{"", "story.txt"}, kSecondInputFile, "Only one input file can be specified!"},
        {{"story.txt", "story.txt"}, kSecondInputFile, "Only one input file can be specified!"},
        {{"-ct", "a", "-ct", "b"}, kSecondConversionFile, "Only one conversion file can be specified!"},
        // -20 during the scan: an -n value longer than 10 characters.
        {{"s", "-z80", "-tap", "-n", "ELEVENCHARS"}, kBadTapeName, "Bad tape block name 'ELEVENCHARS'!"},
        {{"-n", "a very long tape name"}, kBadTapeName, "Bad tape block name 'a very long tape name'!"},
        // -21: record numbers.
        {{"-x", "5", "3", "p"}, kBadRecordNumbers, "Bad record number(s)!"},
        {{"-x", "1", "0", "p"}, kBadRecordNumbers, "Bad record number(s)!"},
        {{"-x", "abc", "1", "p"}, kBadRecordNumbers, "Bad record number(s)!"},
        {{"-x", "1", "abc", "p"}, kBadRecordNumbers, "Bad record number(s)!"},
        {{"-x", "-1", "1", "p"}, kBadRecordNumbers, "Bad record number(s)!"},
        {{"-x", "0", "65536", "p"}, kBadRecordNumbers, "Bad record number(s)!"},
        {{"-x", "65536", "65536", "p"}, kBadRecordNumbers, "Bad record number(s)!"},
        {{"-x", "1", "2", "-x", "4", "3", "p"}, kBadRecordNumbers, "Bad record number(s)!"},
        // -x checks its first value before it looks at the second.
        {{"-x", "70000", "-q"}, kBadRecordNumbers, "Bad record number(s)!"},
    };
}

INSTANTIATE_TEST_SUITE_P(ScanErrors, RefusedCommandLine, testing::ValuesIn(scan_errors()));

std::vector<RefusedCase> combination_errors() {
    std::vector<RefusedCase> cases = {
        {{"s", "-z80", "-lc"}, kBadCombination, kCombination},
        {{"s", "-z80", "-i8080"}, kBadCombination, kCombination},
        {{"s", "-z80", "-tap", "-ptp"}, kBadCombination, kCombination},
        {{"s", "-z80", "-ptp"}, kBadCombination, kCombination},
        {{"s", "-i8080", "-tap"}, kBadCombination, kCombination},
        {{"s", "-z80", "-n", "abc"}, kBadCombination, kCombination},
        {{"s", "-z80", "-dtp", "-ct", "table.txt"}, kBadCombination, kCombination},
        {{"-x", "1", "2", "s", "-dtp"}, kBadCombination, kCombination},
        {{"-x", "1", "2", "-dtp", "s", "-o", "out", "-lc"}, kBadCombination, kCombination},
    };
    // With -x nothing that shapes packing or an image may be given; -a and
    // -pa count as given from 0 on.
    for (const std::vector<std::string>& extra :
         std::vector<std::vector<std::string>>{{"-z80"}, {"-i8080"}, {"-tap"}, {"-ptp"}, {"-a", "0"}, {"-pa", "0"},
                                               {"-oa"}, {"-n", "abc"}, {"-ct", "t.txt"}, {"-no-crlf"},
                                               {"-crlf-spc"}, {"-only-cr"}, {"-only-lf"}}) {
        std::vector<std::string> args = {"-x", "1", "2", "packed.vdl", "-o", "out.txt"};
        args.insert(args.end(), extra.begin(), extra.end());
        cases.push_back({args, kBadCombination, kCombination});
    }
    // Two line-end policies, each of the six pairs.
    const std::vector<std::string> policies = {"-no-crlf", "-crlf-spc", "-only-cr", "-only-lf"};
    for (std::size_t i = 0; i < policies.size(); ++i) {
        for (std::size_t j = i + 1; j < policies.size(); ++j) {
            cases.push_back({{"s", "-z80", policies[i], policies[j]}, kBadCombination, kCombination});
        }
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(CombinationRules, RefusedCommandLine, testing::ValuesIn(combination_errors()));

std::vector<RefusedCase> post_scan_errors() {
    const std::string long_source(252, 's');  // 252 + ".vdl" is one too many
    const std::string long_vdl = std::string(248, 's') + ".vdl";  // the extra ".vdl" makes 256
    return {
        {{"-z80"}, kNoInputFile, kNoSource},
        {{"-vb", "-tap", "-o", "x"}, kNoInputFile, kNoSource},
        {{"s", "-tap"}, kNoRoutineType, kNoRoutine},
        {{"s"}, kNoRoutineType, kNoRoutine},
        {{"s", "-ptp"}, kNoRoutineType, kNoRoutine},
        // -20 after the checks: a 9- or 10-character name is too long for PTP.
        {{"s", "-i8080", "-ptp", "-n", "NINECHARS"}, kBadTapeName, "Bad tape block name 'NINECHARS'!"},
        {{"s", "-i8080", "-ptp", "-n", "TENLETTERS"}, kBadTapeName, "Bad tape block name 'TENLETTERS'!"},
        // Source names too long for the derived output name.
        {{long_source, "-z80"}, kSourceNameTooLong, "Source file name '" + long_source + "' is too long!"},
        {{long_vdl, "-z80"}, kSourceNameTooLong, "Source file name '" + long_vdl + "' is too long!"},
        {{std::string(300, 's') + ".txt", "-i8080", "-ptp"},
         kSourceNameTooLong,
         "Source file name '" + std::string(300, 's') + ".txt' is too long!"},
    };
}

INSTANTIATE_TEST_SUITE_P(PostScanErrors, RefusedCommandLine, testing::ValuesIn(post_scan_errors()));

// Which error wins when a command line has several faults.
std::vector<RefusedCase> error_order() {
    return {
        // The scan goes from left to right and stops at its first error.
        {{"-a", "70000", "-o", "a", "-o", "b", "s"}, kBadAddress, "After '-a' must follow address in range 0 to 65535!"},
        {{"-o", "a", "-o", "b", "-a", "70000", "s"}, kSecondOutputFile, "Only one output file can be specified!"},
        {{"-q", "story.txt", "-a"}, kSecondInputFile, "Only one input file can be specified!"},
        {{"-a", "70000", "-h"}, kBadAddress, "After '-a' must follow address in range 0 to 65535!"},
        {{"-x", "5", "3", "-h"}, kBadRecordNumbers, "Bad record number(s)!"},
        {{"s", "-q", "-h"}, kSecondInputFile, "Only one input file can be specified!"},
        // Errors of the scan come before every check after it.
        {{"-lc", "-n", "ELEVENCHARS"}, kBadTapeName, "Bad tape block name 'ELEVENCHARS'!"},
        {{"-lc", "-a", "65536"}, kBadAddress, "After '-a' must follow address in range 0 to 65535!"},
        // -15 before -3.
        {{"-lc"}, kNoInputFile, kNoSource},
        {{"-z80", "-i8080", "-ptp", "-n", "NINECHARS"}, kNoInputFile, kNoSource},
        // -3 before -20.
        {{"s", "-lc", "-ptp", "-n", "NINECHARS"}, kBadCombination, kCombination},
        {{"s", "-z80", "-ptp", "-n", "NINECHARS"}, kBadCombination, kCombination},
        // -3 before -19.
        {{"s", "-lc"}, kBadCombination, kCombination},
        {{"s", "-tap", "-ptp"}, kBadCombination, kCombination},
        // -20 before -19.
        {{"s", "-ptp", "-n", "NINECHARS"}, kBadTapeName, "Bad tape block name 'NINECHARS'!"},
        // A source name too long for the default output name is found when
        // that name is formed: after the combination rules, before -19.
        {{std::string(252, 's'), "-lc"}, kBadCombination, kCombination},
        {{std::string(252, 's')}, kSourceNameTooLong, "Source file name '" + std::string(252, 's') + "' is too long!"},
    };
}

INSTANTIATE_TEST_SUITE_P(ErrorOrder, RefusedCommandLine, testing::ValuesIn(error_order()));

TEST(CommandLineErrors, MissingSourceAlwaysNamesVendrel) {
    const ParsedCommandLine parsed({"-z80"}, "/usr/local/bin/VendrelPacker.exe");
    EXPECT_EQ(parsed.result, kNoInputFile);
    EXPECT_EQ(parsed.err, kNoSource + "\n\n");
}

TEST(CommandLineErrors, FailedParseLeavesNoBuffersBehindTheJob) {
    // The buffers are allocated last, so a refused command line has none.
    const ParsedCommandLine parsed({"s", "-lc"});
    ASSERT_NE(parsed.job, nullptr);
    EXPECT_EQ(parsed.job->text_buffer, nullptr);
    EXPECT_EQ(parsed.job->image_buffer, nullptr);
    EXPECT_EQ(parsed.job->symbol_table, nullptr);
    EXPECT_EQ(parsed.job->candidate_table, nullptr);
}

}  // namespace
}  // namespace vendrel
