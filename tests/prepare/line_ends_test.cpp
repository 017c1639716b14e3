#include "prepare/line_ends.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/job_fixture.h"

namespace vendrel {
namespace {
using test::text_before_end_mark;

struct Policy {
    const char* option;
    bool keep_cr;
    bool keep_lf;
    bool to_space;
};

// The rows that the packing driver passes for each option.
constexpr Policy kNoCrLf{"-no-crlf", false, false, false};
constexpr Policy kCrLfSpace{"-crlf-spc", false, false, true};
constexpr Policy kOnlyCr{"-only-cr", true, false, false};
constexpr Policy kOnlyLf{"-only-lf", false, true, false};

struct LineEndCase {
    const char* name;
    Policy policy;
    std::string text;
    std::string expected;
};

class LineEndPolicy : public testing::TestWithParam<LineEndCase> {};

TEST_P(LineEndPolicy, RewritesTextInPlace) {
    const LineEndCase& c = GetParam();
    JobHandle job = make_job();
    test::load_text(*job, c.text);
    apply_line_end_policy(*job, c.policy.keep_cr, c.policy.keep_lf, c.policy.to_space);
    EXPECT_EQ(text_before_end_mark(*job), c.expected) << c.policy.option;
}

const std::string kAllOtherBytes = [] {
    std::string bytes;
    for (int b = 0; b < 255; ++b) {
        if (b != '\r' && b != '\n') bytes.push_back(static_cast<char>(b));
    }
    return bytes;
}();

INSTANTIATE_TEST_SUITE_P(
    Options, LineEndPolicy,
    testing::Values(
        LineEndCase{"NoCrLfRemovesBoth", kNoCrLf, "A\r\nB", "AB"},
        LineEndCase{"NoCrLfEmptiesLineEndsOnlyText", kNoCrLf, "\r\n\n\r\r", ""},
        LineEndCase{"NoCrLfSecondByteAfterLeadingCrLf", kNoCrLf, "\r\nXY\r\nZ", "XYZ"},
        LineEndCase{"CrLfSpaceOneSpacePerRun", kCrLfSpace, "A\r\nB", "A B"},
        LineEndCase{"CrLfSpaceLongRun", kCrLfSpace, "A\r\n\r\nB", "A B"},
        LineEndCase{"CrLfSpaceMixedRun", kCrLfSpace, "A\r\n\n\rB", "A B"},
        LineEndCase{"CrLfSpaceOldSpaceStays", kCrLfSpace, "A \r\nB", "A  B"},
        LineEndCase{"CrLfSpaceLeadingAndTrailing", kCrLfSpace, "\r\nA\n", " A "},
        LineEndCase{"CrLfSpaceLineEndsOnlyText", kCrLfSpace, "\r\n\n\r\r", " "},
        LineEndCase{"CrLfSpaceSeparateRuns", kCrLfSpace, "A\nB\r\nC", "A B C"},
        LineEndCase{"OnlyCrDropsLf", kOnlyCr, "A\r\nB", "A\rB"},
        LineEndCase{"OnlyCrLoneLfVanishes", kOnlyCr, "A\nB", "AB"},
        LineEndCase{"OnlyCrKeepsEveryCr", kOnlyCr, "\r\n\r", "\r\r"},
        LineEndCase{"OnlyLfDropsCr", kOnlyLf, "A\r\nB", "A\nB"},
        LineEndCase{"OnlyLfLoneCrVanishes", kOnlyLf, "A\rB", "AB"},
        LineEndCase{"OnlyLfKeepsEveryLf", kOnlyLf, "\n\r\n", "\n\n"},
        LineEndCase{"NoCrLfEmptyText", kNoCrLf, "", ""},
        LineEndCase{"CrLfSpaceEmptyText", kCrLfSpace, "", ""},
        LineEndCase{"NoCrLfOtherBytesUnchanged", kNoCrLf, kAllOtherBytes, kAllOtherBytes},
        LineEndCase{"CrLfSpaceOtherBytesUnchanged", kCrLfSpace, kAllOtherBytes, kAllOtherBytes}),
    [](const testing::TestParamInfo<LineEndCase>& info) { return std::string(info.param.name); });

TEST(LineEndPolicyBuffer, BytesAfterNewEndMarkKeepTheirValues) {
    JobHandle job = make_job();
    test::load_text(*job, "A\r\nB");
    job->text_buffer[5] = 'z';
    apply_line_end_policy(*job, false, false, false);
    const std::vector<std::uint8_t> expected{'A', 'B', kEndMark, 'B', kEndMark, 'z', 0};
    EXPECT_EQ(test::bytes(job->text_buffer, 7), expected);
}

TEST(LineEndPolicyBuffer, EmptyTextRewritesEndMarkInPlace) {
    JobHandle job = make_job();
    test::load_text(*job, "");
    job->text_buffer[1] = '\r';
    apply_line_end_policy(*job, false, false, true);
    const std::vector<std::uint8_t> expected{kEndMark, '\r', 0};
    EXPECT_EQ(test::bytes(job->text_buffer, 3), expected);
}

}  // namespace
}  // namespace vendrel
