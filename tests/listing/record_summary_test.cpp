// The record summary on a hand-packed text: each record's text, codes,
// longest line and time, the run after the last separator marked open; and
// the one-line preview of a record's text.
#include "listing/record_summary.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "target/routine_timing.h"

namespace vendrel {
namespace {

// Characters '#', 'a', 'b', CR; pair code 4 = "ab", 5 = "ab" CR.
constexpr std::uint8_t kCharacters[] = {'#', 'a', 'b', '\r'};
constexpr std::uint8_t kPairs[] = {1, 2, 4, 3};

PackedText hand_packed(const std::vector<std::uint8_t>& stream) {
    PackedText packed;
    packed.cpu = &z80_cpu;
    packed.codes.char_count = 4;
    packed.codes.char_table = kCharacters;
    packed.codes.pair_table = kPairs;
    packed.codes.pair_count = 2;
    packed.codes.code_stream = stream.data();
    packed.codes.stream_length = static_cast<int>(stream.size());
    return packed;
}

TEST(RecordSummary, ListsEveryRecordAndTheOpenRun) {
    // Records "ab" CR, "a" "ab" CR "b" "ab" CR, then the open run "ab".
    const std::vector<std::uint8_t> stream = {0, 5, 0, 1, 5, 2, 4, 3, 0, 4};
    const PackedText packed = hand_packed(stream);
    const std::vector<RecordSummary> records = summarize_records(packed);
    ASSERT_EQ(records.size(), 3u);

    EXPECT_EQ(records[0].number, 1);
    EXPECT_EQ(records[0].text, "ab\r");
    EXPECT_EQ(records[0].codes, 1);
    EXPECT_EQ(records[0].longest_line, 2);
    EXPECT_FALSE(records[0].open);

    EXPECT_EQ(records[1].text, "aab\rbab\r");
    EXPECT_EQ(records[1].codes, 5);
    EXPECT_EQ(records[1].longest_line, 3);
    EXPECT_FALSE(records[1].open);

    EXPECT_EQ(records[2].number, 3);
    EXPECT_EQ(records[2].text, "ab");
    EXPECT_EQ(records[2].codes, 1);
    EXPECT_TRUE(records[2].open);

    for (const RecordSummary& record : records) {
        EXPECT_EQ(record.tstates, estimate_record_tstates(z80_cpu, packed.place, packed.codes, record.number));
    }
    EXPECT_LT(records[0].tstates, records[1].tstates);
}

TEST(RecordSummary, AnEmptyRunAfterTheLastSeparatorIsNoRecord) {
    const std::vector<std::uint8_t> stream = {0, 4, 0, 0};
    const std::vector<RecordSummary> records = summarize_records(hand_packed(stream));
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].text, "");
    EXPECT_EQ(records[1].longest_line, 0);
    EXPECT_FALSE(records[1].open);
}

struct PreviewCase {
    const char* name;
    std::string text;
    std::size_t width;
    std::string shown;
};

const PreviewCase kPreviews[] = {
    {"plain", "You see a door.", 40, "You see a door."},
    {"line_ends_and_tab", "a\r\nb\tc", 40, "a\\r\\nb\\tc"},
    {"backslash", "C:\\GAME", 40, "C:\\\\GAME"},
    {"control_and_high_bytes", std::string("\x01\x7F\xC3\xA9", 4), 40, "\\x01\\x7F\\xC3\\xA9"},
    {"cut_at_the_width", "abcdefgh", 5, "abcde..."},
    {"as_long_as_the_width", "abcde", 5, "abcde"},
    {"zero_byte", std::string("a\0b", 3), 40, "a\\x00b"},
};

class RecordPreview : public testing::TestWithParam<PreviewCase> {};

TEST_P(RecordPreview, ShowsTheTextOnOneLine) {
    EXPECT_EQ(record_preview(GetParam().text, GetParam().width), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Texts, RecordPreview, testing::ValuesIn(kPreviews),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vendrel
