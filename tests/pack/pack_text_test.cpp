// Whole packing runs on short texts whose result is known code by code.
#include "pack/pack_text.h"

#include <gtest/gtest.h>

#include <string>

#include "pack_checks.h"
#include "support/job_fixture.h"

namespace vendrel::test {
namespace {

const std::vector<std::int32_t Job::*> kOaFlag = {&Job::oa};
const std::vector<std::int32_t Job::*> kNoFlags;

struct PackedExample {
    const char* name;
    std::string text;
    bool oa;
    Bytes stream;
    Bytes symbols;  // character table, then pair table
    int record_count;
    int next_code;
};

class PackedExamples : public testing::TestWithParam<PackedExample> {};

TEST_P(PackedExamples, GiveExactStreamTablesAndCounts) {
    const PackedExample& example = GetParam();
    JobHandle job = job_with_text(example.text, example.oa ? kOaFlag : kNoFlags);

    ASSERT_EQ(pack_text(*job), 0);

    EXPECT_EQ(code_stream(*job), example.stream);
    EXPECT_EQ(job->text_buffer[job->packed_length], kEndMark);
    EXPECT_EQ(symbol_bytes(*job), example.symbols);
    EXPECT_EQ(job->packed_length, static_cast<int>(example.stream.size()));
    EXPECT_EQ(job->symbol_table_size, static_cast<int>(example.symbols.size()));
    EXPECT_EQ(job->record_count, example.record_count);
    EXPECT_EQ(job->next_code, example.next_code);
    const int prepared =
        static_cast<int>(example.text.size()) - (example.oa && !example.text.empty());
    EXPECT_EQ(job->source_length, prepared);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PackedExamples,
    testing::Values(
        // Characters only: no pair occurs three times.
        PackedExample{"hello", "hello", false, {0, 1, 2, 2, 3}, bytes_of("helo"), 0, 4},
        PackedExample{
            "two_records", "|ab|cd|", false, {0, 1, 2, 0, 3, 4, 0}, bytes_of("|abcd"), 2, 5},
        PackedExample{"trailing_run_not_a_record",
                      "|ab|cd",
                      false,
                      {0, 1, 2, 0, 3, 4},
                      bytes_of("|abcd"),
                      1,
                      5},
        PackedExample{"separator_only", "aaaa", false, {0, 0, 0, 0}, bytes_of("a"), 3, 1},
        PackedExample{"empty", "", false, {}, {}, -1, 0},
        PackedExample{"four_a", "|aaaa|", false, {0, 1, 1, 1, 1, 0}, bytes_of("|a"), 1, 2},
        // Pair codes.
        PackedExample{"seven_a", "|aaaaaaa|", false, {0, 2, 2, 2, 1, 0}, {'|', 'a', 1, 1}, 1, 3},
        PackedExample{"eight_a", "|aaaaaaaa|", false, {0, 2, 2, 2, 2, 0}, {'|', 'a', 1, 1}, 1, 3},
        PackedExample{"abab", "|abababab|", false, {0, 3, 3, 3, 3, 0}, {'|', 'a', 'b', 1, 2}, 1, 4},
        PackedExample{"abab_oa_drops_last_byte",
                      "|abababab|",
                      true,
                      {0, 3, 3, 3, 3},
                      {'|', 'a', 'b', 1, 2},
                      0,
                      4},
        PackedExample{"pairs_of_pairs",
                      "|abcabcabc|abcabc|",
                      false,
                      {0, 6, 5, 0, 6, 0},
                      {'|', 'a', 'b', 'c', 1, 2, 4, 3, 5, 5},
                      2,
                      7},
        PackedExample{"pairs_of_pairs_oa",
                      "|abcabcabc|abcabc|",
                      true,
                      {0, 6, 5, 0, 6},
                      {'|', 'a', 'b', 'c', 1, 2, 4, 3, 5, 5},
                      1,
                      7},
        PackedExample{"new_code_on_the_right",
                      "|xab|xab|xab|yab|",
                      false,
                      {0, 6, 0, 6, 0, 6, 0, 4, 5, 0},
                      {'|', 'x', 'a', 'b', 'y', 2, 3, 1, 5},
                      4,
                      7},
        PackedExample{"marked_left_neighbours",
                      "|xab|xab|xab|xab|yab|",
                      false,
                      {0, 6, 0, 6, 0, 6, 0, 6, 0, 4, 5, 0},
                      {'|', 'x', 'a', 'b', 'y', 2, 3, 1, 5},
                      5,
                      7},
        // The first character separates records, whatever it is.
        PackedExample{"first_character_separates",
                      "a|b|ab|ab|aba",
                      false,
                      {0, 1, 3, 0, 3, 0, 3, 0, 2, 0},
                      {'a', '|', 'b', 2, 1},
                      4,
                      4}),
    [](const testing::TestParamInfo<PackedExample>& info) { return info.param.name; });

// A long text of two letters takes every code up to 255, with and without
// -best; the count then stays at the last code assigned.
TEST(FullCodeTable, LeavesNextCodeAt255) {
    std::string text = "|";
    std::uint32_t state = 12345;
    while (text.size() < 60000) {
        state = state * 1103515245u + 12345u;
        text += (state >> 16) & 1 ? 'a' : 'b';
    }
    for (const bool best : {false, true}) {
        JobHandle job = job_with_text(text, best ? std::vector<std::int32_t Job::*>{&Job::best} : kNoFlags);
        ASSERT_EQ(pack_text(*job), 0);
        EXPECT_EQ(job->symbol_table_size, 3 + 2 * 253) << "best " << best;
        EXPECT_EQ(job->next_code, 255) << "best " << best;
    }
}

}  // namespace
}  // namespace vendrel::test
