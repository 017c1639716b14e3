// The packing driver runs the preparation passes that the flags ask for,
// before the character table is built.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/job_setup.h"
#include "base/errors.h"
#include "pack/pack_text.h"
#include "pack_checks.h"
#include "support/job_fixture.h"

namespace vendrel::test {
namespace {

struct LineEndExample {
    const char* name;
    std::vector<std::int32_t Job::*> flags;  // the line-end flags set
    std::string text;
    std::string prepared;
};

class LineEnds : public testing::TestWithParam<LineEndExample> {};

TEST_P(LineEnds, ArePreparedBeforePacking) {
    const LineEndExample& example = GetParam();
    JobHandle job = job_with_text(example.text, example.flags);
    ASSERT_EQ(pack_text(*job), 0);
    EXPECT_EQ(job->source_length, static_cast<int>(example.prepared.size()));
    EXPECT_EQ(expand_code_stream(*job), example.prepared);
}

INSTANTIATE_TEST_SUITE_P(
    Flags, LineEnds,
    testing::Values(LineEndExample{"kept_without_a_flag", {}, "|a\r\nb|", "|a\r\nb|"},
                    LineEndExample{"no_crlf", {&Job::no_crlf}, "|a\r\nb|", "|ab|"},
                    LineEndExample{"crlf_spc", {&Job::crlf_spc}, "|a\r\n\r\nb|", "|a b|"},
                    LineEndExample{"only_cr", {&Job::only_cr}, "|a\r\nb\n|", "|a\rb|"},
                    LineEndExample{"only_lf", {&Job::only_lf}, "|a\r\nb\r|", "|a\nb|"},
                    // The flags are tested in a fixed order; the first one set wins.
                    LineEndExample{"first_flag_wins", {&Job::no_crlf, &Job::only_lf}, "|a\r\nb|", "|ab|"},
                    // The policy decides which character separates records.
                    LineEndExample{"separator_after_policy", {&Job::no_crlf}, "\r\nx|x|", "x|x|"}),
    [](const testing::TestParamInfo<LineEndExample>& info) { return info.param.name; });

// A table mapping 'a' to 'z', with its definition count 1 or 0.
class ConversionTable : public testing::TestWithParam<int> {};

TEST_P(ConversionTable, IsAppliedOnlyWhenItHasDefinitions) {
    JobHandle job = make_job();
    ASSERT_EQ(allocate_zeroed(job->conversion_table, kConversionTableSize), 0);
    job->conversion_table[0] = 'a';
    job->conversion_table[256] = 'z';
    job->conversion_count = GetParam();
    test::load_text(*job, "|ab|ba|");
    ASSERT_EQ(pack_text(*job), 0);
    EXPECT_EQ(expand_code_stream(*job), GetParam() > 0 ? "|zb|bz|" : "|ab|ba|");
}

INSTANTIATE_TEST_SUITE_P(DefinitionCounts, ConversionTable, testing::Values(1, 0));

TEST(DesktopImport, TurnsTheDocumentIntoRunningTextFirst) {
    JobHandle job = make_job();
    job->dtp = 1;
    // Two lines with one-byte heads: each line end becomes a space.
    test::load_text(*job, 
        std::string("\x00"
                    "abc\r"
                    "\x00"
                    "def\r",
                    10));
    ASSERT_EQ(pack_text(*job), 0);
    EXPECT_EQ(job->source_length, 8);
    EXPECT_EQ(expand_code_stream(*job), "abc def ");
}

TEST(DesktopImport, ErrorIsPassedUpUnchanged) {
    JobHandle job = make_job();
    job->dtp = 1;
    // Each byte 254 repeats the last character 94 more times: far more
    // than the text buffer holds.
    std::string document("\x00x", 2);
    document.append(1000, '\xFE');
    test::load_text(*job, document);

    testing::internal::CaptureStderr();
    const int result = pack_text(*job);
    const std::string reported = testing::internal::GetCapturedStderr();
    EXPECT_EQ(result, kDocumentTooLong);
    EXPECT_NE(reported, "") << "the import reports its own error";
}

}  // namespace
}  // namespace vendrel::test
