// The newer options -w, -inc, -inc-prefix and -best in combinations the
// program refuses: the message and an empty line on standard error,
// nothing after the banner, nothing written, and the error number as the
// exit status.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/console_expectations.h"
#include "support/program.h"

namespace vendrel::test {
namespace {

const std::string kCombination = "Bad combination of options!";

struct RefusedCase {
    const char* name;
    std::vector<std::string> args;  // "{dir}" is the scratch directory, which holds s.txt and s.vdl
    int exit_status;
    std::string message;
};

class RefusedNewerOption : public testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedNewerOption, ReportsItAndWritesNothing) {
    const RefusedCase& c = GetParam();
    const ScratchDir dir;
    const std::string d = dir.path().string();
    dir.write("s.txt", "|Once upon a time|there was a text|");
    const std::string image = dir.write("s.vdl", "not an image");
    std::vector<std::string> args;
    for (const std::string& arg : c.args) args.push_back(with_dir(arg, d));

    const ProgramResult result = run_program(args);
    EXPECT_EQ(result.exit_status, c.exit_status);
    EXPECT_EQ(result.err, c.message + "\n\n");
    EXPECT_EQ(after_banner(result.out), "");
    EXPECT_EQ(read_file(image), "not an image");
    for (const char* name : {"out.txt", "s.inc", "s.tap", "s.ptp"}) EXPECT_FALSE(file_exists(dir.file(name))) << name;
}

INSTANTIATE_TEST_SUITE_P(
    Table, RefusedNewerOption,
    testing::Values(
        // -best, -w and -inc describe or shape a packing run: never with -x.
        RefusedCase{"BestWithExtraction", {"-x", "0", "0", "-best", "{dir}/s.vdl"}, 3, kCombination},
        RefusedCase{"BestAfterExtraction", {"{dir}/s.vdl", "-x", "1", "2", "-o", "{dir}/out.txt", "-best"}, 3,
                    kCombination},
        RefusedCase{"WidthWithExtraction", {"-x", "0", "0", "-w", "32", "{dir}/s.vdl"}, 3, kCombination},
        // -list alone lists an image's records; with -w it is refused.
        RefusedCase{"WidthWithListedExtraction", {"-x", "0", "0", "-list", "-w", "32", "{dir}/s.vdl"}, 3,
                    kCombination},
        RefusedCase{"IncludeWithExtraction", {"-x", "0", "0", "-inc", "{dir}/s.inc", "{dir}/s.vdl"}, 3,
                    kCombination},
        RefusedCase{"IncludeAndPrefixWithExtraction",
                    {"-x", "0", "0", "-inc", "{dir}/s.inc", "-inc-prefix", "MSG", "{dir}/s.vdl"}, 3, kCombination},
        // -inc-prefix names what -inc writes.
        RefusedCase{"PrefixWithoutInclude", {"-z80", "-inc-prefix", "MSG", "{dir}/s.txt"}, 3, kCombination},
        RefusedCase{"PrefixWithoutIncludeWithBest", {"-z80", "-best", "-inc-prefix", "MSG", "{dir}/s.txt"}, 3,
                    kCombination},
        RefusedCase{"SecondInclude", {"-z80", "-inc", "{dir}/s.inc", "-inc", "{dir}/t.inc", "{dir}/s.txt"}, 3,
                    kCombination},
        RefusedCase{"SecondPrefix",
                    {"-z80", "-inc", "{dir}/s.inc", "-inc-prefix", "A", "-inc-prefix", "B", "{dir}/s.txt"}, 3,
                    kCombination},
        // The older rules hold with the newer options too.
        RefusedCase{"BestWithBothRoutines", {"-z80", "-best", "-i8080", "{dir}/s.txt"}, 3, kCombination},
        RefusedCase{"BestWithTheOtherTape", {"-i8080", "-best", "-tap", "{dir}/s.txt"}, 3, kCombination},
        RefusedCase{"IncludeWithTheOtherTape", {"-z80", "-ptp", "-inc", "{dir}/s.inc", "{dir}/s.txt"}, 3,
                    kCombination},
        RefusedCase{"WidthWithLowerCaseWithoutDesktop", {"-z80", "-list", "-w", "32", "-lc", "{dir}/s.txt"}, 3,
                    kCombination},
        RefusedCase{"BestWithoutRoutine", {"-best", "{dir}/s.txt"}, 19,
                    "Routine type z80/i8080 is not specified!"},
        RefusedCase{"IncludeWithoutRoutine", {"-inc", "{dir}/s.inc", "{dir}/s.txt"}, 19,
                    "Routine type z80/i8080 is not specified!"},
        // An option that takes a value, given none.
        RefusedCase{"WidthWithoutValue", {"-z80", "{dir}/s.txt", "-w"}, 4, "Missing option value(s) '-w'!"},
        RefusedCase{"IncludeWithoutValue", {"-z80", "{dir}/s.txt", "-inc"}, 4, "Missing option value(s) '-inc'!"},
        RefusedCase{"PrefixWithoutValue", {"-z80", "-inc", "{dir}/s.inc", "{dir}/s.txt", "-inc-prefix"}, 4,
                    "Missing option value(s) '-inc-prefix'!"}),
    [](const testing::TestParamInfo<RefusedCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vendrel::test
