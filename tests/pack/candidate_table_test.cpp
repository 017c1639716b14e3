// The candidate table's ordering rules and its removals.
#include "pack/candidate_table.h"

#include <gtest/gtest.h>

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

TEST(InsertCandidate, OrdersByCountAndKeepsEarlierEntriesAheadOfEqualCounts) {
    JobHandle job = make_job();
    insert_candidate(*job, 4, pair_value(1, 2));
    insert_candidate(*job, 7, pair_value(3, 4));
    insert_candidate(*job, 4, pair_value(5, 6));
    insert_candidate(*job, 5, pair_value(7, 8));
    insert_candidate(*job, 7, pair_value(9, 10));
    EXPECT_EQ(filled_candidates(*job),
              (std::vector<Candidate>{candidate(7, 3, 4), candidate(7, 9, 10), candidate(5, 7, 8),
                                      candidate(4, 1, 2), candidate(4, 5, 6)}));
}

TEST(InsertCandidate, IgnoresCountsBelowThree) {
    JobHandle job = make_job();
    for (const std::uint16_t count : {0, 1, 2}) insert_candidate(*job, count, pair_value(1, 2));
    insert_candidate(*job, 3, pair_value(1, 2));
    EXPECT_EQ(filled_candidates(*job), std::vector<Candidate>{candidate(3, 1, 2)});
}

TEST(InsertCandidate, EntersAPairTwice) {
    JobHandle job = make_job();
    insert_candidate(*job, 3, pair_value(1, 1));
    insert_candidate(*job, 3, pair_value(1, 1));
    EXPECT_EQ(filled_candidates(*job),
              (std::vector<Candidate>{candidate(3, 1, 1), candidate(3, 1, 1)}));
}

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

TEST(InsertCandidate, CountsCompareAsUnsigned) {
    JobHandle job = make_job();
    insert_candidate(*job, 0x7FFF, pair_value(1, 2));
    insert_candidate(*job, 0x8000, pair_value(3, 4));
    EXPECT_EQ(job->candidate_table[0], candidate(0x8000, 3, 4));
}

TEST(InsertCandidateUnique, RefusesAPairPresentWithAnyCount) {
    JobHandle job = make_job();
    insert_candidate(*job, 4, pair_value(1, 2));
    insert_candidate_unique(*job, 9, pair_value(1, 2));
    insert_candidate_unique(*job, 3, pair_value(1, 2));
    insert_candidate_unique(*job, 2, pair_value(3, 4));
    insert_candidate_unique(*job, 5, pair_value(2, 1));
    EXPECT_EQ(filled_candidates(*job),
              (std::vector<Candidate>{candidate(5, 2, 1), candidate(4, 1, 2)}));
}

TEST(InsertCandidateUnique, LooksAtEveryEntryOfAFullTable) {
    JobHandle job = make_job();
    fill_table(*job);
    const std::vector<Candidate> before = table_copy(*job);
    const Candidate last = before[kCandidateCount - 1];
    insert_candidate_unique(*job, 1000, last.pair);
    EXPECT_EQ(table_copy(*job), before);
}

TEST(RemoveCandidate, MovesTheRestUpAndEmptiesTheLast) {
    JobHandle job = make_job();
    fill_table(*job);
    const std::vector<Candidate> before = table_copy(*job);
    remove_candidate(*job, 10);
    EXPECT_EQ(job->candidate_table[9], before[9]);
    EXPECT_EQ(job->candidate_table[10], before[11]);
    EXPECT_EQ(job->candidate_table[254], before[255]);
    EXPECT_EQ(job->candidate_table[255], candidate(0, 0, 0));
}

TEST(RemoveHead, KeepingTheLastMovesItToPlace254) {
    JobHandle job = make_job();
    fill_table(*job);
    const std::vector<Candidate> before = table_copy(*job);
    remove_head_keeping_last(*job);
    EXPECT_EQ(job->candidate_table[0], before[1]);
    EXPECT_EQ(job->candidate_table[254], before[255]);
    EXPECT_EQ(job->candidate_table[255], candidate(0, 0, 0));
}

TEST(RemoveHead, DroppingTheLastLeavesTwoEmptyPlaces) {
    JobHandle job = make_job();
    fill_table(*job);
    const std::vector<Candidate> before = table_copy(*job);
    remove_head_dropping_last(*job);
    EXPECT_EQ(job->candidate_table[0], before[1]);
    EXPECT_EQ(job->candidate_table[253], before[254]);
    EXPECT_EQ(job->candidate_table[254], candidate(0, 0, 0));
    EXPECT_EQ(job->candidate_table[255], candidate(0, 0, 0));
}

}  // namespace
}  // namespace vendrel::test
