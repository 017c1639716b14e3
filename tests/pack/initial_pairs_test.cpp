// The first count of adjacent pairs: the entries it makes and the marks it
// leaves in the stream.
#include "pack/reference/initial_pairs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pack/character_table.h"
#include "pack/reference/stream_marks.h"
#include "pack_checks.h"
#include "support/job_fixture.h"

namespace vendrel::test {
namespace {

// The operations one by one are those of the plain reference packer.
using namespace vendrel::reference;

struct InitialCountExample {
    const char* name;
    std::string text;
    Bytes marked_stream;
    std::vector<Candidate> table;
};

class InitialCounts : public testing::TestWithParam<InitialCountExample> {};

TEST_P(InitialCounts, EnterPairsAndMarkLaterOccurrences) {
    const InitialCountExample& example = GetParam();
    JobHandle job = job_with_text(example.text);
    build_character_table(*job);
    map_text_to_codes(*job);
    const Bytes unmarked = bytes_before_end_mark(*job);

    count_initial_pairs(*job);
    EXPECT_EQ(bytes_before_end_mark(*job), example.marked_stream);
    EXPECT_EQ(filled_candidates(*job), example.table);

    clear_marks(*job);
    EXPECT_EQ(bytes_before_end_mark(*job), unmarked);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, InitialCounts,
    testing::Values(
        // b before the separator is never counted.
        InitialCountExample{"abab",
                            "|abababab|",
                            {0x00, 0x01, 0x02, 0x81, 0x82, 0x81, 0x82, 0x81, 0x02, 0x00},
                            {candidate(4, 1, 2), candidate(3, 2, 1)}},
        // Both alignments of the run count the pair (a, a).
        InitialCountExample{"seven_a",
                            "|aaaaaaa|",
                            {0x00, 0x01, 0x01, 0x81, 0x81, 0x81, 0x81, 0x01, 0x00},
                            {candidate(3, 1, 1), candidate(3, 1, 1)}},
        InitialCountExample{"four_a", "|aaaa|", {0x00, 0x01, 0x01, 0x81, 0x01, 0x00}, {}},
        InitialCountExample{"twice_is_not_enough", "|ab|ab|", {0, 1, 2, 0, 0x81, 2, 0}, {}},
        InitialCountExample{"three_times_is",
                            "|ab|ab|ab|",
                            {0, 1, 2, 0, 0x81, 2, 0, 0x81, 2, 0},
                            {candidate(3, 1, 2)}},
        // Equal counts stand in the order they were found.
        InitialCountExample{"equal_counts",
                            "|cd|ab|cd|ab|cd|ab|",
                            {0, 1, 2, 0, 3, 4, 0, 0x81, 2, 0, 0x83, 4, 0, 0x81, 2, 0, 0x83, 4, 0},
                            {candidate(3, 1, 2), candidate(3, 3, 4)}},
        InitialCountExample{"every_code_before_a_separator",
                            "|a|b|c|a|b|c|a|",
                            {0, 1, 0, 2, 0, 3, 0, 1, 0, 2, 0, 3, 0, 1, 0},
                            {}},
        // The last code before the end mark starts no pair.
        InitialCountExample{"no_separator_at_the_end",
                            "|abxabyab",
                            {0, 1, 2, 3, 0x81, 2, 4, 0x81, 2},
                            {candidate(3, 1, 2)}}),
    [](const testing::TestParamInfo<InitialCountExample>& info) { return info.param.name; });

}  // namespace
}  // namespace vendrel::test
