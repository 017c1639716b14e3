// The candidate table's ordering rules and its removals.
#include "pack/candidate_table.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "pack_checks.h"
#include "support/job_fixture.h"

namespace vendrel::test {
namespace {

// A full table: entry i has count 300 - i and pair (i % 100 + 1, i / 100 + 1).
void fill_table(Job& job) {
    for (int index = 0; index < kCandidateCount; ++index) {
        job.candidate_table[index] = candidate(static_cast<std::uint16_t>(300 - index),
                                               static_cast<std::uint8_t>(index % 100 + 1),
                                               static_cast<std::uint8_t>(index / 100 + 1));
    }
}

std::vector<Candidate> table_copy(const Job& job) {
    return std::vector<Candidate>(job.candidate_table, job.candidate_table + kCandidateCount);
}

// Insertions into an empty table, and the filled entries they leave.
struct Insertion {
    std::uint16_t count;
    std::uint8_t left;
    std::uint8_t right;
    bool unique = false;  // insert_candidate_unique
};

struct InsertionCase {
    const char* name;
    std::vector<Insertion> insertions;
    std::vector<Candidate> table;
};

const InsertionCase kInsertionCases[] = {
    {"orders_by_count_and_keeps_earlier_entries_ahead_of_equal_counts",
     {{4, 1, 2}, {7, 3, 4}, {4, 5, 6}, {5, 7, 8}, {7, 9, 10}},
     {candidate(7, 3, 4), candidate(7, 9, 10), candidate(5, 7, 8), candidate(4, 1, 2), candidate(4, 5, 6)}},
    {"ignores_counts_below_three", {{0, 1, 2}, {1, 1, 2}, {2, 1, 2}, {3, 1, 2}}, {candidate(3, 1, 2)}},
    {"enters_a_pair_twice", {{3, 1, 1}, {3, 1, 1}}, {candidate(3, 1, 1), candidate(3, 1, 1)}},
    {"counts_compare_as_unsigned", {{0x7FFF, 1, 2}, {0x8000, 3, 4}}, {candidate(0x8000, 3, 4), candidate(0x7FFF, 1, 2)}},
    {"unique_refuses_a_pair_present_with_any_count",
     {{4, 1, 2}, {9, 1, 2, true}, {3, 1, 2, true}, {2, 3, 4, true}, {5, 2, 1, true}},
     {candidate(5, 2, 1), candidate(4, 1, 2)}},
};

class Insert : public testing::TestWithParam<InsertionCase> {};

TEST_P(Insert, FillsTheTableInCountOrder) {
    JobHandle job = make_job();
    for (const Insertion& insertion : GetParam().insertions) {
        const auto pair = pair_value(insertion.left, insertion.right);
        if (insertion.unique) {
            insert_candidate_unique(*job, insertion.count, pair);
        } else {
            insert_candidate(*job, insertion.count, pair);
        }
    }
    EXPECT_EQ(filled_candidates(*job), GetParam().table);
}

INSTANTIATE_TEST_SUITE_P(Insertions, Insert, testing::ValuesIn(kInsertionCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(InsertCandidate, IntoAFullTableNeedsMoreThanTheLastCount) {
    JobHandle job = make_job();
    fill_table(*job);
    job->candidate_table[kCandidateCount - 1].count = 5;
    const std::vector<Candidate> before = table_copy(*job);

    insert_candidate(*job, 5, pair_value(120, 121));
    EXPECT_EQ(table_copy(*job), before);

    insert_candidate(*job, 6, pair_value(120, 121));
    EXPECT_EQ(job->candidate_table[kCandidateCount - 1], candidate(6, 120, 121));
    EXPECT_EQ(job->candidate_table[kCandidateCount - 2], before[kCandidateCount - 2]);
}

TEST(InsertCandidateUnique, LooksAtEveryEntryOfAFullTable) {
    JobHandle job = make_job();
    fill_table(*job);
    const std::vector<Candidate> before = table_copy(*job);
    const Candidate last = before[kCandidateCount - 1];
    insert_candidate_unique(*job, 1000, last.pair);
    EXPECT_EQ(table_copy(*job), before);
}

// A removal from a full table: where each place's entry came from.
struct RemovalCase {
    const char* name;
    void (*remove)(Job& job);
    std::vector<std::pair<int, int>> places;  // place, the place it held before (-1: emptied)
};

const RemovalCase kRemovalCases[] = {
    {"candidate_moves_the_rest_up_and_empties_the_last", [](Job& job) { remove_candidate(job, 10); },
     {{9, 9}, {10, 11}, {254, 255}, {255, -1}}},
    {"head_keeping_the_last_moves_it_to_place_254", remove_head_keeping_last, {{0, 1}, {254, 255}, {255, -1}}},
    {"head_dropping_the_last_leaves_two_empty_places", remove_head_dropping_last,
     {{0, 1}, {253, 254}, {254, -1}, {255, -1}}},
};

class Removal : public testing::TestWithParam<RemovalCase> {};

TEST_P(Removal, MovesTheEntriesBehindItUp) {
    JobHandle job = make_job();
    fill_table(*job);
    const std::vector<Candidate> before = table_copy(*job);
    GetParam().remove(*job);
    for (const auto& [place, from] : GetParam().places) {
        EXPECT_EQ(job->candidate_table[place], from < 0 ? candidate(0, 0, 0) : before[from]) << "place " << place;
    }
}

INSTANTIATE_TEST_SUITE_P(Removals, Removal, testing::ValuesIn(kRemovalCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vendrel::test
