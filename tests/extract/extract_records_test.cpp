#include "extract/extract_records.h"

#include <gtest/gtest.h>

#include <string>

#include "base/errors.h"
#include "extract/extraction_fixture.h"
#include "support/emulator.h"

namespace vendrel::test {
namespace {

struct RangeCase {
    int from;
    int to;
    const char* text;
};

class OneTwoRange : public ::testing::TestWithParam<std::tuple<Routine, RangeCase>> {};

// "#one" CR LF "#two" CR LF "#" from a raw Z80 or i8080 image.
TEST_P(OneTwoRange, ExtractsTheRecordsAndTheClosingLine) {
    const auto& [routine, range] = GetParam();
    const Extraction run = extract_file(compose_raw(one_two_text(), routine),
                                        ExtractOptions{range.from, range.to, false, "out.txt"});
    EXPECT_EQ(run.result, 0);
    EXPECT_EQ(run.text, range.text);
    EXPECT_EQ(run.console, "");
    EXPECT_EQ(run.errors, "");
}

INSTANTIATE_TEST_SUITE_P(
    Table, OneTwoRange,
    ::testing::Combine(::testing::Values(Routine::kZ80, Routine::kI8080),
                       ::testing::Values(RangeCase{0, 0, "#one\r\n#two\r\n#\r"}, RangeCase{0, 65535, "#one\r\n#two\r\n#\r"},
                                         RangeCase{1, 1, "#one\r\n#\r"}, RangeCase{2, 2, "#two\r\n#\r"},
                                         RangeCase{2, 9, "#two\r\n#\r"}, RangeCase{3, 3, "#\r"},
                                         RangeCase{4, 4, ""}, RangeCase{65535, 65535, ""})));

TEST(ExtractRecords, ConsoleShowsEachLineEndAsOneNewlineAndOneMoreAtTheEnd) {
    const Extraction run = extract_file(compose_raw(one_two_text(), Routine::kZ80), ExtractOptions{0, 0});
    EXPECT_EQ(run.result, 0);
    EXPECT_EQ(run.console, "#one\n#two\n#\n\n");
    EXPECT_EQ(run.text, "#one\r\n#two\r\n#\r") << "the text stays in the image buffer";
}

TEST(ExtractRecords, NothingIsPrintedWhenFromIsBeyondTheLastRecord) {
    const Extraction run = extract_file(compose_raw(one_two_text(), Routine::kZ80), ExtractOptions{4, 7});
    EXPECT_EQ(run.result, 0);
    EXPECT_EQ(run.console, "");
    EXPECT_EQ(run.text, "");
}

TEST(ExtractRecords, DesktopLayoutStartsEveryLineWith128AndPrintsNothing) {
    const Extraction run =
        extract_file(compose_raw(one_two_text(), Routine::kI8080), ExtractOptions{0, 0, true, "out.dtp"});
    EXPECT_EQ(run.result, 0);
    EXPECT_EQ(run.text, "\x80#one\r\n\x80#two\r\n\x80#\r");
    EXPECT_EQ(run.console, "");
}

// Codes: 0 '#', 1 'x', 2 LF, 3 'y', 4 CR.
HandPacked line_end_text() {
    return HandPacked{"#x\ny\r", {}, {0, 1, 2, 0, 3, 0, 3, 4, 0, 0, 2, 4, 0, 4, 2}};
}

TEST(ExtractRecords, OnlyRecordsNotEndingInCrOrLfGetACr) {
    const Extraction run = extract_file(compose_raw(line_end_text(), Routine::kZ80), ExtractOptions{0, 0, false, "o"});
    EXPECT_EQ(run.result, 0);
    // x LF: no CR; y: CR; y CR: none; empty: CR after the separator; LF CR:
    // none; the last record, without its closing code 0, comes out whole.
    EXPECT_EQ(run.text, "#x\n#y\r#y\r#\r#\n\r#\r\n#\r");
}

TEST(ExtractRecords, OaImageReadsTheZeroAfterTheFileAsTheLastCode) {
    // "#ab#cd" packed with -oa from "#ab#cd#": the stored codes stop before
    // the last separator; the search length counts it.
    const HandPacked packed{"#abcd", {}, {0, 1, 2, 0, 3, 4}};
    for (Routine routine : {Routine::kZ80, Routine::kI8080}) {
        const Bytes image = compose_raw(packed, routine, true);
        const Extraction run = extract_file(image, ExtractOptions{0, 0, false, "o"});
        EXPECT_EQ(run.result, 0) << routine_name(routine);
        EXPECT_EQ(run.text, "#ab\r#cd\r#\r") << routine_name(routine);

        const RoutineCall call = call_unpack_routine(image, 0x8000, routine == Routine::kZ80 ? 16 : 0x8500, 2,
                                                     0xEE, true);
        EXPECT_EQ(call.printed, "cd") << "the target reads the same 0 after the image";
    }
}

TEST(ExtractRecords, LastRecordEndsWithTheCodeStreamNotInBytesBehindIt) {
    // The last record has no closing code 0, and the file goes on behind
    // the image with bytes that would read as codes of "two".
    HandPacked packed = one_two_text();
    packed.stream = {0, 9, 3, 8, 0, 9, 3};
    for (Routine routine : {Routine::kZ80, Routine::kI8080}) {
        Bytes file = compose_raw(packed, routine);
        file.insert(file.end(), {6, 7, 1, 0});
        const Extraction run = extract_file(file, ExtractOptions{0, 0, false, "o"});
        EXPECT_EQ(run.result, 0) << routine_name(routine);
        EXPECT_EQ(run.text, "#one\r\n#one\r#\r") << routine_name(routine);
    }
}

// The separator '#', then pair codes that double 'x': code 2 + k stands for
// 2^(k+1) x's.
HandPacked doubling_text(int x_count) {
    HandPacked packed{"#x", {{1, 1}}, {0}};
    for (int k = 1; k < 16; ++k) {
        packed.pairs.emplace_back(static_cast<std::uint8_t>(k + 1), static_cast<std::uint8_t>(k + 1));
    }
    for (int bit = 16; bit >= 0; --bit) {
        if (x_count & (1 << bit)) packed.stream.push_back(static_cast<std::uint8_t>(bit == 0 ? 1 : bit + 1));
    }
    packed.stream.push_back(0);
    return packed;
}

TEST(ExtractRecords, TextFillingTheBufferToTheEndMarkFits) {
    // "#", 65,531 x's, CR, "#", CR: 65,535 bytes and the end mark.
    const Extraction run = extract_file(compose_raw(doubling_text(65531), Routine::kZ80), ExtractOptions{0, 0, false, "o"});
    EXPECT_EQ(run.result, 0);
    ASSERT_EQ(run.text.size(), 65535u);
    EXPECT_EQ(run.text.substr(65529), "xxx\r#\r");
    EXPECT_EQ(run.text.find_first_not_of('x', 1), 65532u);
}

TEST(ExtractRecords, TextBeyondTheBufferIsRefusedAndNothingPrinted) {
    for (int x_count : {65532, 131071}) {
        const Extraction run = extract_file(compose_raw(doubling_text(x_count), Routine::kZ80), ExtractOptions{0, 0});
        EXPECT_EQ(run.result, kExtractedTextTooLong);
        EXPECT_EQ(run.errors, std::string(error_message_format(kExtractedTextTooLong)) + "\n\n");
        EXPECT_EQ(run.console, "");
        EXPECT_EQ(run.text, "") << "final_length stays 0";
    }
}

TEST(ExtractRecords, DesktopMarkersCountTowardsTheLimit) {
    // 65,531 x's fit without -dtp (previous test), but the two line heads do not.
    const Extraction run =
        extract_file(compose_raw(doubling_text(65531), Routine::kZ80), ExtractOptions{0, 0, true, "o"});
    EXPECT_EQ(run.result, kExtractedTextTooLong);
    EXPECT_EQ(run.text, "");
}

}  // namespace
}  // namespace vendrel::test
