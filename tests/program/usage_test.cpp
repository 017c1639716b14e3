// The usage text of the built program: shown with no arguments and with -h,
// with its pause for ENTER, which must also end when standard input has
// nothing to give.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "support/console_expectations.h"
#include "support/program.h"

namespace vendrel {
namespace {

using test::run_program;

struct UsageRun {
    std::vector<std::string> args;
    std::string input;  // standard input, closed after it
};

void PrintTo(const UsageRun& run, std::ostream* os) {
    for (const std::string& arg : run.args) *os << "'" << arg << "' ";
    *os << "input of " << run.input.size() << " bytes";
}

class Usage : public testing::TestWithParam<UsageRun> {};

TEST_P(Usage, PrintsBannerAndUsageAndExitsWithZero) {
    const test::ScratchDir dir;
    std::vector<std::string> args;
    for (const std::string& arg : GetParam().args) args.push_back(test::with_dir(arg, dir.path().string()));
    const test::ProgramResult result = run_program(args, GetParam().input);
    EXPECT_EQ(result.exit_status, 0);
    EXPECT_EQ(test::after_banner(result.out), test::expected_usage_text());
    EXPECT_EQ(result.err, "");
    // Nothing named on the command line was read or written.
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

INSTANTIATE_TEST_SUITE_P(
    Table, Usage,
    testing::Values(
        // No arguments and -h, with a line feed waiting, with more behind it,
        // with a line not ended, and with standard input empty.
        UsageRun{{}, "\n"}, UsageRun{{}, "\nrest"}, UsageRun{{}, "abc\ndef\n"}, UsageRun{{}, "no line feed"},
        UsageRun{{}, ""}, UsageRun{{"-h"}, "\n"}, UsageRun{{"-h"}, "\nrest"}, UsageRun{{"-h"}, ""},
        UsageRun{{"-h"}, std::string(200000, 'x')},
        // Nothing after -h is examined, and nothing before it is done.
        UsageRun{{"story.txt", "-h", "-a"}, ""}, UsageRun{{"-vb", "{dir}/story.txt", "-z80", "-h"}, "\n"},
        UsageRun{{"-o", "{dir}/out.vdl", "-h", "-o", "again"}, "\n"}, UsageRun{{"-h", "-q", "-x", "5", "3"}, ""}));

// Runs the program through the shell with standard input closed, not just
// empty: reading it fails at once.
test::ProgramResult run_with_stdin_closed(const std::vector<std::string>& args) {
    const test::ScratchDir dir;
    std::string command = "exec <&- '" VENDREL_BINARY "'";
    for (const std::string& arg : args) command += " '" + arg + "'";
    command += " >'" + dir.file("out") + "' 2>'" + dir.file("err") + "'";
    const int status = std::system(command.c_str());
    test::ProgramResult result;
    result.exit_status = WIFEXITED(status) ? WEXITSTATUS(status) : 128;
    result.out = test::read_file(dir.file("out"));
    result.err = test::read_file(dir.file("err"));
    return result;
}

TEST(UsageWithStandardInputClosed, EndsThePauseAndExitsWithZero) {
    for (const std::vector<std::string>& args : {std::vector<std::string>{}, std::vector<std::string>{"-h"}}) {
        const test::ProgramResult result = run_with_stdin_closed(args);
        EXPECT_EQ(result.exit_status, 0);
        EXPECT_EQ(test::after_banner(result.out), test::expected_usage_text());
        EXPECT_EQ(result.err, "");
    }
}

TEST(UsageWithStandardInputClosed, RefusedCommandLineDoesNotWait) {
    // A refused command line never waits either.
    const test::ProgramResult result = run_with_stdin_closed({"-q", "story.txt"});
    EXPECT_EQ(result.exit_status, 16);
    EXPECT_EQ(test::after_banner(result.out), "");
}

}  // namespace
}  // namespace vendrel
