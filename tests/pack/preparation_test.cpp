// The packing driver runs the preparation passes that the flags ask for,
// before the character table is built.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "base/job_setup.h"
#include "base/errors.h"
#include "pack/pack_text.h"
#include "pack_checks.h"
#include "support/job_fixture.h"

namespace vendrel::test {
namespace {

enum class Flag { kNone, kNoCrlf, kCrlfSpc, kOnlyCr, kOnlyLf, kNoCrlfAndOnlyLf };

void set_flag(Job& job, Flag flag) {
    switch (flag) {
        case Flag::kNone:
            break;
        case Flag::kNoCrlf:
            job.no_crlf = 1;
            break;
        case Flag::kCrlfSpc:
            job.crlf_spc = 1;
            break;
        case Flag::kOnlyCr:
            job.only_cr = 1;
            break;
        case Flag::kOnlyLf:
            job.only_lf = 1;
            break;
        case Flag::kNoCrlfAndOnlyLf:
            job.no_crlf = 1;
            job.only_lf = 1;
            break;
    }
}

struct LineEndExample {
    const char* name;
    Flag flag;
    std::string text;
    std::string prepared;
};

// Examples print as their names.
void PrintTo(const LineEndExample& example, std::ostream* out) { *out << example.name; }

class LineEnds : public testing::TestWithParam<LineEndExample> {};

TEST_P(LineEnds, ArePreparedBeforePacking) {
    const LineEndExample& example = GetParam();
    JobHandle job = make_job();
    set_flag(*job, example.flag);
    test::load_text(*job, example.text);
    ASSERT_EQ(pack_text(*job), 0);
    EXPECT_EQ(job->source_length, static_cast<int>(example.prepared.size()));
    EXPECT_EQ(expand_code_stream(*job), example.prepared);
}

INSTANTIATE_TEST_SUITE_P(
    Flags, LineEnds,
    testing::Values(LineEndExample{"kept_without_a_flag", Flag::kNone, "|a\r\nb|", "|a\r\nb|"},
                    LineEndExample{"no_crlf", Flag::kNoCrlf, "|a\r\nb|", "|ab|"},
                    LineEndExample{"crlf_spc", Flag::kCrlfSpc, "|a\r\n\r\nb|", "|a b|"},
                    LineEndExample{"only_cr", Flag::kOnlyCr, "|a\r\nb\n|", "|a\rb|"},
                    LineEndExample{"only_lf", Flag::kOnlyLf, "|a\r\nb\r|", "|a\nb|"},
                    // The flags are tested in a fixed order; the first one set wins.
                    LineEndExample{"first_flag_wins", Flag::kNoCrlfAndOnlyLf, "|a\r\nb|", "|ab|"},
                    // The policy decides which character separates records.
                    LineEndExample{"separator_after_policy", Flag::kNoCrlf, "\r\nx|x|", "x|x|"}),
    [](const testing::TestParamInfo<LineEndExample>& info) { return info.param.name; });

TEST(ConversionTable, IsAppliedWhenItHasDefinitions) {
    JobHandle job = make_job();
    ASSERT_EQ(allocate_zeroed(job->conversion_table, kConversionTableSize), 0);
    job->conversion_table[0] = 'a';
    job->conversion_table[256] = 'z';
    job->conversion_count = 1;
    test::load_text(*job, "|ab|ba|");
    ASSERT_EQ(pack_text(*job), 0);
    EXPECT_EQ(expand_code_stream(*job), "|zb|bz|");
}

TEST(ConversionTable, IsNotAppliedWithoutDefinitions) {
    JobHandle job = make_job();
    ASSERT_EQ(allocate_zeroed(job->conversion_table, kConversionTableSize), 0);
    job->conversion_table[0] = 'a';
    job->conversion_table[256] = 'z';
    job->conversion_count = 0;
    test::load_text(*job, "|ab|ba|");
    ASSERT_EQ(pack_text(*job), 0);
    EXPECT_EQ(expand_code_stream(*job), "|ab|ba|");
}

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
