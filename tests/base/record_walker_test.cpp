// The record walker: records split by code 0 (the code 0 behind an -oa
// stream that fills the text buffer included), codes expanded through the
// tables, sound and damaged, and the counts the timing estimate uses.
#include "base/record_walker.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "support/job_making.h"

namespace vendrel {
namespace {

struct WalkCase {
    std::string name;
    std::vector<std::uint8_t> stream;
    bool zero_after;
    int separators;
    // Each record as number, begin, end, closed.
    std::vector<std::vector<int>> records;
};

void PrintTo(const WalkCase& c, std::ostream* out) { *out << c.name; }

std::vector<WalkCase> walk_cases() {
    return {
        {"two_closed_records", {0, 1, 2, 0, 3, 4, 0}, false, 3, {{1, 1, 3, 1}, {2, 4, 6, 1}}},
        {"open_run_after_the_last_separator", {0, 1, 2, 0, 3, 4}, false, 2, {{1, 1, 3, 1}, {2, 4, 6, 0}}},
        {"separators_only", {0, 0, 0, 0}, false, 4, {{1, 1, 1, 1}, {2, 2, 2, 1}, {3, 3, 3, 1}}},
        {"one_code_no_record", {0}, false, 1, {}},
        {"empty_stream", {}, false, 0, {}},
        {"codes_before_the_first_separator", {1, 2, 0, 3, 0}, false, 2, {{1, 3, 4, 1}}},
        {"no_separator_at_all", {1, 2, 3}, false, 0, {}},
        {"zero_after_closes_the_open_run", {0, 1, 0, 2, 3}, true, 3, {{1, 1, 2, 1}, {2, 3, 5, 1}}},
        {"zero_after_a_closing_zero_makes_an_empty_record", {0, 1, 0}, true, 3, {{1, 1, 2, 1}, {2, 3, 3, 1}}},
        {"zero_after_a_stream_without_separator", {1, 2}, true, 1, {}},
    };
}

class RecordWalkTable : public testing::TestWithParam<WalkCase> {};

TEST_P(RecordWalkTable, SplitsTheStreamAtItsSeparators) {
    const WalkCase& c = GetParam();
    PackedCodes codes;
    codes.char_count = 5;
    codes.code_stream = c.stream.data();
    codes.stream_length = static_cast<int>(c.stream.size());
    codes.zero_after_stream = c.zero_after;
    const RecordWalk walk = walk_records(codes);
    EXPECT_EQ(walk.separators, c.separators);
    std::vector<std::vector<int>> found;
    for (const RecordSpan& record : walk.records) {
        found.push_back({record.number, record.begin, record.end, record.closed ? 1 : 0});
    }
    EXPECT_EQ(found, c.records);
}

INSTANTIATE_TEST_SUITE_P(Streams, RecordWalkTable, testing::ValuesIn(walk_cases()),
                         [](const testing::TestParamInfo<WalkCase>& info) { return info.param.name; });

// Characters h, e, l, o; pair 4 = "he", 5 = "ll", 6 = "he" "ll".
constexpr std::uint8_t kCharacters[] = {'h', 'e', 'l', 'o'};

PackedCodes hello_codes(const std::vector<std::uint8_t>& pairs) {
    PackedCodes codes;
    codes.char_count = 4;
    codes.char_table = kCharacters;
    codes.pair_table = pairs.data();
    codes.pair_count = static_cast<int>(pairs.size() / 2);
    return codes;
}

std::string expanded(const PackedCodes& codes, int code, std::size_t most = 1000) {
    std::string text;
    auto take = [&](std::uint8_t c) {
        text.push_back(static_cast<char>(c));
        return text.size() < most;
    };
    expand_characters(codes, code, take);
    return text;
}

struct ExpandCase {
    std::string name;
    std::vector<std::uint8_t> pairs;
    int code;
    std::string text;
};

void PrintTo(const ExpandCase& c, std::ostream* out) { *out << c.name; }

std::vector<ExpandCase> expand_cases() {
    const std::vector<std::uint8_t> sound = {0, 1, 2, 2, 4, 5};
    return {
        {"character", sound, 3, "o"},
        {"pair_of_characters", sound, 4, "he"},
        {"pair_of_pairs_left_first", sound, 6, "hell"},
        {"code_beyond_the_table", sound, 7, ""},
        {"negative_code", sound, -1, ""},
        {"left_half_names_its_own_pair", {4, 3}, 4, "o"},
        {"right_half_names_its_own_pair", {0, 4}, 4, "h"},
        {"half_names_a_later_pair", {5, 1, 0, 0}, 4, "e"},
        {"undefined_half", {0, 9}, 4, "h"},
    };
}

class ExpandTable : public testing::TestWithParam<ExpandCase> {};

TEST_P(ExpandTable, ExpandsThroughTheTables) {
    const ExpandCase& c = GetParam();
    EXPECT_EQ(expanded(hello_codes(c.pairs), c.code), c.text);
}

INSTANTIATE_TEST_SUITE_P(Codes, ExpandTable, testing::ValuesIn(expand_cases()),
                         [](const testing::TestParamInfo<ExpandCase>& info) { return info.param.name; });

TEST(ExpandCode, StopsWhenTheTakerSaysSo) {
    const std::vector<std::uint8_t> pairs = {0, 1, 2, 2, 4, 5};
    EXPECT_EQ(expanded(hello_codes(pairs), 6, 3), "hel");
}

TEST(ExpandCode, DoublingPairsAtEveryLevelEndWhenStopped) {
    // Pair 1 + k doubles pair k: code 255 stands for 2^254 characters.
    std::vector<std::uint8_t> pairs = {0, 0};
    for (int code = 1; code < 255; ++code) {
        pairs.push_back(static_cast<std::uint8_t>(code));
        pairs.push_back(static_cast<std::uint8_t>(code));
    }
    PackedCodes codes = hello_codes(pairs);
    codes.char_count = 1;
    codes.pair_count = 255;
    EXPECT_EQ(expanded(codes, 255, 100).size(), 100u);
}

TEST(ExpansionCounts, AgreeWithTheExpansion) {
    // Sound pairs and damaged ones: each code's count is what expanding it gives.
    const std::vector<std::uint8_t> pairs = {0, 1, 2, 2, 4, 5, 6, 6, 9, 3, 8, 0};
    const PackedCodes codes = hello_codes(pairs);
    const std::vector<ExpansionCount> counts = expansion_counts(codes);
    ASSERT_EQ(counts.size(), 256u);
    for (int code = 0; code < 256; ++code) {
        SCOPED_TRACE(code);
        EXPECT_EQ(counts[static_cast<std::size_t>(code)].characters, expanded(codes, code).size());
    }
    EXPECT_EQ(counts[3].pairs, 0u);
    EXPECT_EQ(counts[4].pairs, 1u);
    EXPECT_EQ(counts[6].pairs, 3u);
    EXPECT_EQ(counts[7].pairs, 7u);  // 6 6: 1 + 3 + 3
    EXPECT_EQ(counts[8].pairs, 1u);  // 9 is later, 3 a character
    EXPECT_EQ(counts[10].pairs, 0u); // beyond the table
}

struct NestingCase {
    std::string name;
    std::vector<std::uint8_t> pairs;   // behind 3 characters: codes 3, 4, ...
    std::vector<std::uint8_t> stream;
    std::vector<int> levels;           // of codes 0 .. 2 + pairs / 2
    std::vector<int> records;          // each record's nesting, in the walk's order
    int deepest;
};

void PrintTo(const NestingCase& c, std::ostream* out) { *out << c.name; }

std::vector<NestingCase> nesting_cases() {
    return {
        {"characters_only", {}, {0, 1, 2, 0, 1}, {0, 0, 0}, {0, 0}, 0},
        // 3 = (1 2), 4 = (3 1), 5 = (1 4), 6 = (4 4): a left half one level
        // deeper, a right half as deep as its own.
        {"left_and_right_halves", {1, 2, 3, 1, 1, 4, 4, 4}, {0, 3, 1, 0, 6, 0, 5},
         {0, 0, 0, 1, 2, 2, 3}, {1, 3, 2}, 3},
        {"empty_records_nest_nothing", {1, 2}, {0, 0, 3, 0}, {0, 0, 0, 1}, {0, 1}, 1},
        {"codes_before_the_first_separator_are_no_record", {1, 2, 3, 3}, {4, 0, 3}, {0, 0, 0, 1, 2}, {1}, 1},
        // Halves that expand_code does not follow: the code itself, a later one.
        {"damaged_halves_nest_nothing", {3, 1, 1, 9}, {0, 3, 4}, {0, 0, 0, 0, 1}, {1}, 1},
    };
}

class NestingTable : public testing::TestWithParam<NestingCase> {};

TEST_P(NestingTable, CountsThePendingLeftHalves) {
    const NestingCase& c = GetParam();
    const std::uint8_t characters[] = {'#', 'a', 'b'};
    PackedCodes codes;
    codes.char_count = 3;
    codes.char_table = characters;
    codes.pair_table = c.pairs.data();
    codes.pair_count = static_cast<int>(c.pairs.size() / 2);
    codes.code_stream = c.stream.data();
    codes.stream_length = static_cast<int>(c.stream.size());
    const std::vector<int> levels = nesting_levels(codes);
    ASSERT_EQ(levels.size(), 256u);
    for (std::size_t code = 0; code < 256; ++code) {
        EXPECT_EQ(levels[code], code < c.levels.size() ? c.levels[code] : 0) << "code " << code;
    }
    std::vector<int> records;
    for (const RecordSpan& record : walk_records(codes).records) records.push_back(record_nesting(codes, record, levels));
    EXPECT_EQ(records, c.records);
    EXPECT_EQ(deepest_record_nesting(codes), c.deepest);
}

INSTANTIATE_TEST_SUITE_P(Tables, NestingTable, testing::ValuesIn(nesting_cases()),
                         [](const testing::TestParamInfo<NestingCase>& info) { return info.param.name; });

TEST(PackedCodesOf, ReadsThePackedJobAndTheRecognisedImage) {
    JobHandle job = make_job();
    ASSERT_TRUE(job);
    job->char_count = 4;
    job->symbol_table_size = 4 + 2 * 3;
    job->packed_length = 9;
    PackedCodes packed = packed_codes_of(*job);
    EXPECT_EQ(packed.char_table, job->symbol_table);
    EXPECT_EQ(packed.pair_table, job->symbol_table + 4);
    EXPECT_EQ(packed.pair_count, 3);
    EXPECT_EQ(packed.code_stream, job->text_buffer);
    EXPECT_EQ(packed.stream_length, 9);
    EXPECT_FALSE(packed.zero_after_stream);

    // A recognised -oa image that fills the text buffer: its stream stops at
    // the buffer's end, and the 0 behind it is counted, not read.
    job->extract_from = 0;
    job->routine_length = 58;
    job->packed_length = kTextBufferSize - 58 - 10 + 1;
    packed = packed_codes_of(*job);
    EXPECT_EQ(packed.code_stream, job->text_buffer + 58 + 10);
    EXPECT_EQ(packed.stream_length, kTextBufferSize - 58 - 10);
    EXPECT_TRUE(packed.zero_after_stream);

    // A table shorter than its characters defines no pair.
    job->symbol_table_size = 3;
    EXPECT_EQ(packed_codes_of(*job).pair_count, 0);
}

}  // namespace
}  // namespace vendrel
