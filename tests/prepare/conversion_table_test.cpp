#include "prepare/conversion_table.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "base/job_setup.h"
#include "base/errors.h"
#include "prepare/line_ends.h"
#include "support/job_fixture.h"
#include "support/program.h"

namespace vendrel {
namespace {
using test::ScratchDir;

using Definition = std::pair<int, int>;

struct ReadCase {
    const char* name;
    std::string file;
    int result;
    std::string message;  // expected standard error; the path stands as %s
    std::vector<Definition> definitions;
};

std::string definitions_file(int count, const char* last_line_end = "\n") {
    std::string file;
    for (int i = 1; i <= count; ++i) {
        file += std::to_string(i % 254 + 1) + " " + std::to_string(i % 200 + 1);
        file += i == count ? last_line_end : "\n";
    }
    return file;
}

std::string with_path(std::string message, const std::string& path) {
    const auto at = message.find("%s");
    if (at != std::string::npos) message.replace(at, 2, path);
    return message;
}

class ReadConversionTable : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadConversionTable, ParsesFileExactly) {
    const ReadCase& c = GetParam();
    ScratchDir dir;
    const std::string path = dir.write("table.ct", c.file);
    JobHandle job = make_job();
    job->conversion_path = path.c_str();

    testing::internal::CaptureStderr();
    const int result = read_conversion_table(*job);
    const std::string err = testing::internal::GetCapturedStderr();

    EXPECT_EQ(result, c.result);
    EXPECT_EQ(err, with_path(c.message, path));
    ASSERT_NE(job->conversion_table, nullptr);
    if (c.result == 0) {
        ASSERT_EQ(job->conversion_count, static_cast<int>(c.definitions.size()));
        for (std::size_t i = 0; i < c.definitions.size(); ++i) {
            EXPECT_EQ(job->conversion_table[i], c.definitions[i].first) << "entry " << i;
            EXPECT_EQ(job->conversion_table[256 + i], c.definitions[i].second) << "entry " << i;
        }
    }
}

const std::string kBadCode1 = "Bad character code at line 1\n\n";
const std::string kBadDefinition1 = "Bad definition at line 1\n\n";
const std::string kTooMany = "Too many definitions in conversion file '%s'!\n\n";

INSTANTIATE_TEST_SUITE_P(
    Lines, ReadConversionTable,
    testing::Values(
        ReadCase{"EmptyFile", "", 0, "", {}},
        ReadCase{"BlanksOnly", "   \t \r\n\n\v\f\n", 0, "", {}},
        ReadCase{"CommentsOnly", ";\n; 65 97\n   ;x\n", 0, "", {}},
        ReadCase{"Plain", "65 97\n", 0, "", {{65, 97}}},
        ReadCase{"BlanksTabAndComment", "  200\t130   ; comment\n", 0, "", {{200, 130}}},
        ReadCase{"CrLfLineEnds", "65 97\r\n66 98\r\n", 0, "", {{65, 97}, {66, 98}}},
        ReadCase{"CommentAfterBlank", "65 97 ;x\n", 0, "", {{65, 97}}},
        ReadCase{"PlusSign", "+65 97\n", 0, "", {{65, 97}}},
        ReadCase{"LeadingZeros", "0065 00097\n", 0, "", {{65, 97}}},
        ReadCase{"Extremes", "1 254\n254 1\n", 0, "", {{1, 254}, {254, 1}}},
        ReadCase{"LastLineWithoutNewline", "65 97", 0, "", {{65, 97}}},
        ReadCase{"HighBytesAreNotBlanks", "65\xA0" "97\n", -25, kBadCode1, {}},
        ReadCase{"CommentGluedToCode", "65 97;x\n", -25, kBadCode1, {}},
        ReadCase{"OneCode", "65\n", -26, kBadDefinition1, {}},
        ReadCase{"OneCodeAtEndOfFile", "65", -25, kBadCode1, {}},
        ReadCase{"ThreeCodes", "65 97 98\n", -26, kBadDefinition1, {}},
        ReadCase{"FromZero", "0 65\n", -25, kBadCode1, {}},
        ReadCase{"ToEndMark", "65 255\n", -25, kBadCode1, {}},
        ReadCase{"FromEndMark", "255 1\n", -25, kBadCode1, {}},
        ReadCase{"Negative", "-1 97\n", -25, kBadCode1, {}},
        ReadCase{"Letter", "x 65\n", -25, kBadCode1, {}},
        ReadCase{"Hexadecimal", "0x41 65\n", -25, kBadCode1, {}},
        ReadCase{"LoneSign", "+ 65\n", -25, kBadCode1, {}},
        ReadCase{"ToLetter", "65 a\n", -25, kBadCode1, {}},
        ReadCase{"Overflow", "99999999999999999999999 65\n", -25, kBadCode1, {}},
        ReadCase{"LineNumberCountsCommentsAndEmptyLines",
                 "; table\n\n65 97\n   \n1 2 3\n", -26, "Bad definition at line 5\n\n", {}},
        ReadCase{"LongCommentEndsInEmptyPiece",
                 ";" + std::string(1021, 'x') + "\n65\n", -26, "Bad definition at line 3\n\n", {}},
        ReadCase{"LongBlankLineCountsEachPiece",
                 std::string(3000, ' ') + "\n65\n", -26, "Bad definition at line 4\n\n", {}},
        ReadCase{"SecondPieceOfLongCommentIsALine",
                 ";" + std::string(1022, 'x') + "\n", -25, "Bad character code at line 2\n\n", {}},
        ReadCase{"DefinitionCutByPieceEnd",
                 std::string(1020, ' ') + "65 97\n", -25, kBadCode1, {}},
        ReadCase{"ErrorAfterDefinitions", "65 97\n66 98\n67\n", -26,
                 "Bad definition at line 3\n\n", {}},
        ReadCase{"FirstErrorStopsReading", "65\n0 1\n", -26, kBadDefinition1, {}},
        ReadCase{"OneDefinitionTooMany", definitions_file(255), -27, kTooMany, {}},
        ReadCase{"TooManyOnLastLineWithoutNewline", definitions_file(255, ""), -27, kTooMany, {}},
        ReadCase{"BadLineBeatsTooMany", definitions_file(254) + "1\n", -26,
                 "Bad definition at line 255\n\n", {}}),
    [](const testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

TEST(ReadConversionTableFile, MaximumDefinitionsAreAllStored) {
    ScratchDir dir;
    const std::string path = dir.write("table.ct", definitions_file(254));
    JobHandle job = make_job();
    job->conversion_path = path.c_str();
    ASSERT_EQ(read_conversion_table(*job), 0);
    ASSERT_EQ(job->conversion_count, 254);
    for (int i = 1; i <= 254; ++i) {
        EXPECT_EQ(job->conversion_table[i - 1], i % 254 + 1);
        EXPECT_EQ(job->conversion_table[256 + i - 1], i % 200 + 1);
    }
}

TEST(ReadConversionTableFile, RefusedDefinitionIsStillStored) {
    ScratchDir dir;
    const std::string path = dir.write("table.ct", definitions_file(254) + "7 8\n");
    JobHandle job = make_job();
    job->conversion_path = path.c_str();
    testing::internal::CaptureStderr();
    EXPECT_EQ(read_conversion_table(*job), kTooManyDefinitions);
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(job->conversion_count, 255);
    EXPECT_EQ(job->conversion_table[254], 7);
    EXPECT_EQ(job->conversion_table[510], 8);
}

TEST(ReadConversionTableFile, MissingFileNamesThePathAsTyped) {
    JobHandle job = make_job();
    job->conversion_path = "no/such/dir/../table.ct";
    testing::internal::CaptureStderr();
    EXPECT_EQ(read_conversion_table(*job), kCannotOpenConversion);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Can't open conversion file 'no/such/dir/../table.ct'!\n\n");
    EXPECT_EQ(job->conversion_count, 0);
    EXPECT_NE(job->conversion_table, nullptr);
}

TEST(SkipWhiteSpace, StopsAtFirstOtherByteOrTheEnd) {
    const char* const blanks = " \t\n\v\f\r";
    EXPECT_EQ(skip_white_space(blanks), blanks + 6);
    const char* const text = " \t x";
    EXPECT_EQ(skip_white_space(text), text + 3);
    const char* const high = "\xA0 x";
    EXPECT_EQ(skip_white_space(high), high);
    const char* const control = "\x08x";
    EXPECT_EQ(skip_white_space(control), control);
}

struct ApplyCase {
    const char* name;
    std::vector<Definition> definitions;
    std::string text;
    std::string expected;
};

void set_definitions(Job& job, const std::vector<Definition>& definitions) {
    allocate_zeroed(job.conversion_table, kConversionTableSize);
    job.conversion_count = static_cast<int>(definitions.size());
    for (std::size_t i = 0; i < definitions.size(); ++i) {
        job.conversion_table[i] = static_cast<std::uint8_t>(definitions[i].first);
        job.conversion_table[256 + i] = static_cast<std::uint8_t>(definitions[i].second);
    }
}

class ApplyConversionTable : public testing::TestWithParam<ApplyCase> {};

TEST_P(ApplyConversionTable, ConvertsUpToEndMark) {
    const ApplyCase& c = GetParam();
    JobHandle job = make_job();
    test::load_text(*job, c.text);
    set_definitions(*job, c.definitions);
    apply_conversion_table(*job);
    EXPECT_EQ(test::bytes(job->text_buffer, static_cast<int>(c.expected.size()) + 1),
              test::bytes(reinterpret_cast<const std::uint8_t*>((c.expected + "\xFF").data()),
                              static_cast<int>(c.expected.size()) + 1));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ApplyConversionTable,
    testing::Values(
        ApplyCase{"Single", {{65, 97}}, "ABBA", "aBBa"},
        ApplyCase{"FirstMatchWins", {{65, 66}, {65, 67}}, "AAx", "BBx"},
        ApplyCase{"NoChaining", {{65, 66}, {66, 67}}, "AB", "BC"},
        ApplyCase{"SwapDoesNotChain", {{65, 66}, {66, 65}}, "AB", "BA"},
        ApplyCase{"SharedToCode", {{65, 42}, {66, 42}}, "ABC", "**C"},
        ApplyCase{"ZeroAndUnnamedBytesPass", {{65, 66}}, std::string("A\0\x80\xFE", 4),
                  std::string("B\0\x80\xFE", 4)},
        ApplyCase{"FirstCharacterToo", {{35, 36}}, "#one#two", "$one$two"},
        ApplyCase{"HighBytes", {{200, 130}, {254, 1}}, "\xC8\xFE", "\x82\x01"},
        ApplyCase{"EmptyText", {{65, 66}}, "", ""}),
    [](const testing::TestParamInfo<ApplyCase>& info) { return std::string(info.param.name); });

TEST(ApplyConversionTableBuffer, BytesAfterEndMarkUntouched) {
    JobHandle job = make_job();
    test::load_text(*job, "AA");
    job->text_buffer[3] = 'A';
    set_definitions(*job, {{65, 66}});
    apply_conversion_table(*job);
    const std::vector<std::uint8_t> expected{'B', 'B', kEndMark, 'A'};
    EXPECT_EQ(test::bytes(job->text_buffer, 4), expected);
}

TEST(ApplyConversionTableBuffer, LastOfMaximumDefinitionsApplies) {
    ScratchDir dir;
    // The generated from-codes are 2 to 253, so 1 first appears on the last
    // line; 65 is defined early (as itself) and again near the end.
    const std::string path = dir.write("table.ct", definitions_file(252) + "65 98\n; last\n1 97\n");
    JobHandle job = make_job();
    job->conversion_path = path.c_str();
    ASSERT_EQ(read_conversion_table(*job), 0);
    ASSERT_EQ(job->conversion_count, 254);
    test::load_text(*job, "\x01\x41");
    apply_conversion_table(*job);
    EXPECT_EQ(job->text_buffer[0], 'a');
    EXPECT_EQ(job->text_buffer[1], 'A');
}

// The conversion runs before the line-end policy, so the policy sees the
// converted bytes.
TEST(ConversionBeforeLineEnds, ConvertedCrIsNoLongerALineEnd) {
    ScratchDir dir;
    const std::string path = dir.write("table.ct", "13 124\n");
    JobHandle job = make_job();
    job->conversion_path = path.c_str();
    ASSERT_EQ(read_conversion_table(*job), 0);
    test::load_text(*job, "A\r\nB\r\n");
    apply_conversion_table(*job);
    apply_line_end_policy(*job, false, false, true);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(job->text_buffer), 7), "A| B| \xFF");
}

TEST(ConversionBeforeLineEnds, ByteConvertedToLfIsRemoved) {
    JobHandle job = make_job();
    test::load_text(*job, "A;B");
    set_definitions(*job, {{59, 10}});
    apply_conversion_table(*job);
    apply_line_end_policy(*job, true, false, false);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(job->text_buffer), 3), "AB\xFF");
}

}  // namespace
}  // namespace vendrel
