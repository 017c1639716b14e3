// Command lines that parse: the Job they give, with its derived output
// name, tape block name, addresses and buffers.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "cli/command_line.h"
#include "base/errors.h"
#include "support/console_expectations.h"

namespace vendrel {
namespace {

using test::ParsedCommandLine;

constexpr int kNoOutput = -2;  // output_path expected absent

struct AcceptedCase {
    std::vector<std::string> args;
    std::string output;  // expected output_path; "" with kNoOutput below for absent
    std::string tape_name;
    int load_address;
    int print_address;
    int extract_from = -1;
    int extract_to = -1;
    int output_kind = 0;  // kNoOutput: no output file
};

class AcceptedCommandLine : public testing::TestWithParam<AcceptedCase> {};

TEST_P(AcceptedCommandLine, FillsTheJob) {
    const AcceptedCase& c = GetParam();
    const ParsedCommandLine parsed(c.args);
    ASSERT_EQ(parsed.result, 0) << parsed.err;
    ASSERT_NE(parsed.job, nullptr);
    EXPECT_EQ(parsed.err, "");
    EXPECT_EQ(parsed.out, "");
    const Job& job = *parsed.job;
    if (c.output_kind == kNoOutput) {
        EXPECT_EQ(job.output_path, nullptr);
    } else {
        ASSERT_NE(job.output_path, nullptr);
        EXPECT_EQ(std::string(job.output_path), c.output);
    }
    EXPECT_EQ(std::string(job.tape_name), c.tape_name);
    EXPECT_EQ(job.load_address, c.load_address);
    EXPECT_EQ(job.print_address, c.print_address);
    EXPECT_EQ(job.extract_from, c.extract_from);
    EXPECT_EQ(job.extract_to, c.extract_to);
    EXPECT_EQ(job.conversion_count, -1);
}

INSTANTIATE_TEST_SUITE_P(
    Table, AcceptedCommandLine,
    testing::Values(
        // Default output names: the last "." of the whole path, then the extension.
        AcceptedCase{{"story.txt", "-z80"}, "story.vdl", "", 32768, 16},
        AcceptedCase{{"story.txt", "-i8080"}, "story.vdl", "", 0, 0x8500},
        AcceptedCase{{"story.txt", "-i8080", "-ptp"}, "story.ptp", "story", 0, 0x8500},
        AcceptedCase{{"story.txt", "-z80", "-tap"}, "story.tap", "story", 32768, 16},
        AcceptedCase{{"story.vdl", "-z80"}, "story.vdl.vdl", "", 32768, 16},
        AcceptedCase{{"game.tap", "-z80", "-tap"}, "game.tap.vdl", "game", 32768, 16},
        AcceptedCase{{"game.ptp", "-i8080", "-ptp"}, "game.ptp.vdl", "game", 0, 0x8500},
        AcceptedCase{{"old.dir/story", "-z80"}, "old.vdl", "", 32768, 16},
        AcceptedCase{{"noname", "-z80"}, "noname.vdl", "", 32768, 16},
        AcceptedCase{{"story.", "-z80"}, "story.vdl", "", 32768, 16},
        AcceptedCase{{".hidden", "-z80"}, ".vdl", "", 32768, 16},
        AcceptedCase{{"Story.VDL", "-z80"}, "Story.vdl", "", 32768, 16},
        // Tape block names: after the last "\" (or else "/"), 10 or 8 characters, cut at ".".
        AcceptedCase{{"a.b.c.txt", "-z80", "-tap"}, "a.b.c.tap", "a", 32768, 16},
        AcceptedCase{{"verylongname.txt", "-z80", "-tap"}, "verylongname.tap", "verylongna", 32768, 16},
        AcceptedCase{{"verylongname.txt", "-i8080", "-ptp"}, "verylongname.ptp", "verylong", 0, 0x8500},
        AcceptedCase{{"dir/sub/tale.txt", "-z80", "-tap"}, "dir/sub/tale.tap", "tale", 32768, 16},
        AcceptedCase{{"c:\\texts\\tale.txt", "-z80", "-tap"}, "c:\\texts\\tale.tap", "tale", 32768, 16},
        AcceptedCase{{"a\\b/c.txt", "-z80", "-tap"}, "a\\b/c.tap", "b/c", 32768, 16},
        AcceptedCase{{"dir/.txt", "-z80", "-tap"}, "dir/.tap", "", 32768, 16},
        // An explicit -n wins; -n as the last argument leaves the name to be derived.
        AcceptedCase{{"story.txt", "-z80", "-tap", "-n", "TENLETTERS"}, "story.tap", "TENLETTERS", 32768, 16},
        AcceptedCase{{"story.txt", "-i8080", "-ptp", "-n", "EIGHTLET"}, "story.ptp", "EIGHTLET", 0, 0x8500},
        AcceptedCase{{"-n", "first", "story.txt", "-z80", "-tap", "-n", "second"}, "story.tap", "second", 32768, 16},
        AcceptedCase{{"-n", "longername", "story.txt", "-z80", "-tap", "-n", "ab"}, "story.tap", "ab", 32768, 16},
        AcceptedCase{{"story.txt", "-z80", "-n"}, "story.vdl", "", 32768, 16},
        AcceptedCase{{"story.txt", "-z80", "-tap", "-n"}, "story.tap", "story", 32768, 16},
        AcceptedCase{{"story.txt", "-z80", "-n", ""}, "story.vdl", "", 32768, 16},
        // With -o the tape block name comes from the -o value by the same rule.
        AcceptedCase{{"story.txt", "-z80", "-tap", "-o", "out/game.bin"}, "out/game.bin", "game", 32768, 16},
        AcceptedCase{{"story.txt", "-z80", "-tap", "-o", "d:\\x\\tape.tap"}, "d:\\x\\tape.tap", "tape", 32768, 16},
        AcceptedCase{{"story.txt", "-i8080", "-ptp", "-o", "verylongname.ptp"}, "verylongname.ptp", "verylong", 0,
                     0x8500},
        AcceptedCase{{"story.txt", "-z80", "-o", "-z80"}, "-z80", "", 32768, 16},
        AcceptedCase{{"-o", "story.txt", "story.txt", "-z80"}, "story.txt", "", 32768, 16},
        // Addresses.
        AcceptedCase{{"s", "-z80", "-a", "65535"}, "s.vdl", "", 65535, 16},
        AcceptedCase{{"s", "-z80", "-a", "0xFFFF"}, "s.vdl", "", 65535, 16},
        AcceptedCase{{"s", "-z80", "-a", "0177777"}, "s.vdl", "", 65535, 16},
        AcceptedCase{{"s", "-z80", "-a", "010"}, "s.vdl", "", 8, 16},
        AcceptedCase{{"s", "-z80", "-a", "12abc"}, "s.vdl", "", 12, 16},
        AcceptedCase{{"s", "-z80", "-a", ""}, "s.vdl", "", 0, 16},
        AcceptedCase{{"s", "-z80", "-a", "0"}, "s.vdl", "", 0, 16},
        AcceptedCase{{"s", "-z80", "-a", "1", "-a", "2"}, "s.vdl", "", 2, 16},
        AcceptedCase{{"s", "-i8080", "-pa", "0x10"}, "s.vdl", "", 0, 16},
        AcceptedCase{{"s", "-i8080", "-pa", "0", "-a", "100"}, "s.vdl", "", 100, 0},
        // Extraction: no default output name; the default addresses are set anyway.
        AcceptedCase{{"-x", "0", "0", "packed.vdl"}, "", "", 0, 0x8500, 0, 0, kNoOutput},
        AcceptedCase{{"-x", "2", "5", "packed.vdl"}, "", "", 0, 0x8500, 2, 5, kNoOutput},
        AcceptedCase{{"-x", "3", "3", "packed.vdl"}, "", "", 0, 0x8500, 3, 3, kNoOutput},
        AcceptedCase{{"-x", "0", "65535", "packed.vdl"}, "", "", 0, 0x8500, 0, 65535, kNoOutput},
        AcceptedCase{{"-x", "1", "2", "-x", "7", "9", "p"}, "", "", 0, 0x8500, 7, 9, kNoOutput},
        AcceptedCase{{"-x", "1", "2", "p", "-vb", "-append", "-o", "out.txt"}, "out.txt", "", 0, 0x8500, 1, 2},
        AcceptedCase{{"-x", "1", "2", "p", "-dtp", "-o", "out.txt"}, "out.txt", "", 0, 0x8500, 1, 2},
        AcceptedCase{{"-x", "1", "2", "p", "-n"}, "", "", 0, 0x8500, 1, 2, kNoOutput}));

TEST(CommandLine, FlagsAndNamesReferToTheArguments) {
    const ParsedCommandLine parsed({"-vb", "-oa", "-dtp", "-lc", "-only-lf", "-z80", "-append", "-vb", "src.txt",
                                    "-o", "out.bin"});
    ASSERT_EQ(parsed.result, 0) << parsed.err;
    const Job& job = *parsed.job;
    const std::vector<std::pair<std::int32_t Job::*, int>> flags = {
        {&Job::verbose, 1}, {&Job::oa, 1},      {&Job::dtp, 1},     {&Job::lc, 1},  {&Job::no_crlf, 0},
        {&Job::crlf_spc, 0}, {&Job::only_cr, 0}, {&Job::only_lf, 1}, {&Job::z80, 1}, {&Job::i8080, 0},
        {&Job::ptp, 0},     {&Job::tap, 0},     {&Job::append, 1}};
    for (std::size_t k = 0; k < flags.size(); ++k) {
        EXPECT_EQ(job.*flags[k].first, flags[k].second) << "flag " << k;
    }
    // Text references point at the arguments themselves, not at copies.
    EXPECT_EQ(job.source_path, parsed.arg(8));
    EXPECT_EQ(job.output_path, parsed.arg(10));
    EXPECT_EQ(job.conversion_path, nullptr);
}

TEST(CommandLine, EachLineEndFlagAlone) {
    const std::vector<std::pair<std::string, std::int32_t Job::*>> flags = {
        {"-no-crlf", &Job::no_crlf}, {"-crlf-spc", &Job::crlf_spc}, {"-only-cr", &Job::only_cr},
        {"-only-lf", &Job::only_lf}};
    for (const auto& [name, field] : flags) {
        const ParsedCommandLine parsed({"s", "-i8080", name, name});
        ASSERT_EQ(parsed.result, 0) << name << ": " << parsed.err;
        EXPECT_EQ(parsed.job->*field, 1) << name;
    }
}

TEST(CommandLine, ConversionFileIsReferredToButNotRead) {
    const ParsedCommandLine parsed({"s", "-z80", "-ct", "missing-table.txt"});
    ASSERT_EQ(parsed.result, 0) << parsed.err;
    EXPECT_EQ(parsed.job->conversion_path, parsed.arg(3));
    EXPECT_EQ(parsed.job->conversion_table, nullptr);
    EXPECT_EQ(parsed.job->conversion_count, -1);
}

TEST(CommandLine, DefaultOutputNameIsHeldInTheJob) {
    const ParsedCommandLine parsed({"story.txt", "-z80", "-tap"});
    ASSERT_EQ(parsed.result, 0) << parsed.err;
    EXPECT_EQ(parsed.job->output_path, parsed.job->default_output_name);
    EXPECT_STREQ(parsed.job->default_output_name, "story.tap");
}

TEST(CommandLine, BuffersAreAllocatedZeroFilled) {
    const ParsedCommandLine parsed({"story.txt", "-z80"});
    ASSERT_EQ(parsed.result, 0) << parsed.err;
    const Job& job = *parsed.job;
    const auto all_zero = [](const void* data, std::size_t size) {
        const auto* bytes = static_cast<const std::uint8_t*>(data);
        return std::all_of(bytes, bytes + size, [](std::uint8_t b) { return b == 0; });
    };
    ASSERT_NE(job.text_buffer, nullptr);
    ASSERT_NE(job.image_buffer, nullptr);
    ASSERT_NE(job.symbol_table, nullptr);
    ASSERT_NE(job.candidate_table, nullptr);
    EXPECT_EQ(job.conversion_table, nullptr);
    EXPECT_TRUE(all_zero(job.text_buffer, kTextBufferSize));
    EXPECT_TRUE(all_zero(job.image_buffer, kImageBufferSize));
    EXPECT_TRUE(all_zero(job.symbol_table, kSymbolTableSize));
    EXPECT_TRUE(all_zero(job.candidate_table, kCandidateCount * sizeof(Candidate)));
    EXPECT_EQ(job.source_length, 0);
    EXPECT_EQ(job.char_count, 0);
    EXPECT_EQ(job.final_length, 0);
}

TEST(CommandLine, LongestDefaultOutputNameFits) {
    // 251 characters and ".vdl" make 255, the most the record holds.
    const std::string source(251, 's');
    const ParsedCommandLine parsed({source, "-z80"});
    ASSERT_EQ(parsed.result, 0) << parsed.err;
    EXPECT_EQ(std::string(parsed.job->output_path), source + ".vdl");
}

TEST(CommandLine, LongestDefaultOutputNameWithTheExtraExtensionFits) {
    // 247 + ".vdl" equals the source, so ".vdl" is added once more: 255.
    const std::string source = std::string(247, 's').append(".vdl");
    const ParsedCommandLine parsed({source, "-z80"});
    ASSERT_EQ(parsed.result, 0) << parsed.err;
    EXPECT_EQ(std::string(parsed.job->output_path), source + ".vdl");
}

TEST(CommandLine, LongSourceNameIsFineWithAnOutputName) {
    const ParsedCommandLine parsed({std::string(400, 's'), "-z80", "-o", "out.vdl"});
    EXPECT_EQ(parsed.result, 0) << parsed.err;
}

// Usage requests: the scan stops at -h; the Job is handed back all the same.
struct UsageCase {
    std::vector<std::string> args;
};

class UsageRequest : public testing::TestWithParam<UsageCase> {};

TEST_P(UsageRequest, StopsTheScanSilently) {
    const ParsedCommandLine parsed(GetParam().args);
    EXPECT_EQ(parsed.result, kUsageRequested);
    EXPECT_NE(parsed.job, nullptr);
    EXPECT_EQ(parsed.err, "");
    EXPECT_EQ(parsed.out, "");
}

INSTANTIATE_TEST_SUITE_P(Table, UsageRequest,
                         testing::Values(UsageCase{{"-h"}}, UsageCase{{"story.txt", "-h", "-a"}},
                                         UsageCase{{"-h", "-a", "70000"}}, UsageCase{{"-h", "-q", "-r"}},
                                         UsageCase{{"-lc", "-h"}}, UsageCase{{"-x", "1", "2", "-h"}},
                                         UsageCase{{"-o", "-h", "s", "-h"}}));

TEST(CommandLine, ValueOfAnOptionIsNeverTakenAsAnOption) {
    // "-h" as the value of -o names the output file.
    const ParsedCommandLine parsed({"-o", "-h", "s", "-z80"});
    ASSERT_EQ(parsed.result, 0) << parsed.err;
    EXPECT_STREQ(parsed.job->output_path, "-h");
}

TEST(CommandLine, OptionNamesMatchWholeAndCaseSensitively) {
    // "-Z80" and "-z8" are no options, so they are taken as a second source.
    for (const std::string other : {"-Z80", "-z8", "-z800", "-H", "--h", "-vb ", "-"}) {
        const ParsedCommandLine parsed({"s", "-z80", other});
        EXPECT_EQ(parsed.result, kSecondInputFile) << "'" << other << "'";
    }
}

}  // namespace
}  // namespace vendrel
