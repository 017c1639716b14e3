// The two recounts on hand-made streams and tables.
#include "pack/reference/candidate_recount.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pack/candidate_table.h"
#include "pack_checks.h"
#include "support/job_fixture.h"

namespace vendrel::test {
namespace {

// The operations one by one are those of the plain reference packer.
using namespace vendrel::reference;

// Codes of the pair just replaced, as the newest pair-table entry.
constexpr std::uint8_t kA = 1;
constexpr std::uint8_t kB = 2;

// A job whose stream is stream and whose newest pair-table entry is (A, B);
// the candidate table holds the entries given, head first.
void set_up(JobHandle& job, const Bytes& stream, const std::vector<Candidate>& table) {
    test::load_text(*job, std::string(stream.begin(), stream.end()));
    job->symbol_table[0] = kA;
    job->symbol_table[1] = kB;
    job->symbol_end = job->symbol_table + 2;
    for (std::size_t index = 0; index < table.size(); ++index)
        job->candidate_table[index] = table[index];
}

// count times the records 0 left right, then a final separator.
Bytes repeated_pair(int count, std::uint8_t left, std::uint8_t right) {
    Bytes stream;
    for (int i = 0; i < count; ++i) {
        stream.push_back(0);
        stream.push_back(left);
        stream.push_back(right);
    }
    stream.push_back(0);
    return stream;
}

Bytes concatenated(std::initializer_list<Bytes> parts) {
    Bytes stream;
    for (const Bytes& part : parts) stream.insert(stream.end(), part.begin(), part.end());
    return stream;
}

TEST(CountPair, CountsLeftToRightWithoutOverlap) {
    JobHandle job = make_job();
    set_up(job, {0, 5, 5, 5, 0, 5, 5, 5, 5, 0, 5, 6, 5}, {});
    EXPECT_EQ(count_pair(*job, 5, 5), 3);
    EXPECT_EQ(count_pair(*job, 5, 6), 1);
    EXPECT_EQ(count_pair(*job, 6, 5), 1);
    EXPECT_EQ(count_pair(*job, 5, 0), 2);
    EXPECT_EQ(count_pair(*job, 6, 6), 0);
}

struct RecountExample {
    const char* name;
    Bytes stream;
    std::vector<Candidate> table;  // head first: the pair just replaced
    std::vector<Candidate> after_default;
    std::vector<Candidate> after_single_pass;
};

class Recounts : public testing::TestWithParam<RecountExample> {};

TEST_P(Recounts, SetAffectedCountsRight) {
    const RecountExample& example = GetParam();
    {
        JobHandle job = make_job();
        set_up(job, example.stream, example.table);
        recount_candidates(*job);
        EXPECT_EQ(filled_candidates(*job), example.after_default) << "restarting recount";
    }
    {
        JobHandle job = make_job();
        set_up(job, example.stream, example.table);
        recount_candidates_single_pass(*job);
        EXPECT_EQ(filled_candidates(*job), example.after_single_pass) << "single-pass recount";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tables, Recounts,
    testing::Values(RecountExample{"vanished_pair_leaves",
                                   repeated_pair(4, 7, 8),
                                   {candidate(9, kA, kB), candidate(5, kB, 3), candidate(4, 7, 8)},
                                   {candidate(4, 7, 8)},
                                   {candidate(4, 7, 8)}},
                    // Unaffected entries are not recounted, however wrong their count.
                    RecountExample{"unaffected_entries_stay",
                                   repeated_pair(3, 4, kA),
                                   {candidate(9, kA, kB), candidate(8, 7, 8), candidate(5, 4, kA)},
                                   {candidate(8, 7, 8), candidate(3, 4, kA)},
                                   {candidate(8, 7, 8), candidate(3, 4, kA)}},
                    RecountExample{"moves_behind_equal_counts",
                                   repeated_pair(4, kB, 3),
                                   {candidate(20, kA, kB), candidate(6, kB, 3), candidate(4, 5, 6),
                                    candidate(3, 7, 8)},
                                   {candidate(4, 5, 6), candidate(4, kB, 3), candidate(3, 7, 8)},
                                   {candidate(4, 5, 6), candidate(4, kB, 3), candidate(3, 7, 8)}},
                    // The first entry of a doubled pair is refused its new count; the
                    // second is recounted in its turn.
                    RecountExample{
                        "doubled_pair",
                        repeated_pair(4, kB, 3),
                        {candidate(20, kA, kB), candidate(9, kB, 3), candidate(5, kB, 3)},
                        {candidate(4, kB, 3)},
                        {candidate(4, kB, 3)}},
                    // A count found higher than stored moves the entry ahead.
                    RecountExample{"count_rises",
                                   concatenated({repeated_pair(6, kA, 3), repeated_pair(5, 4, 5)}),
                                   {candidate(20, kA, kB), candidate(5, 4, 5), candidate(3, kA, 3)},
                                   {candidate(6, kA, 3), candidate(5, 4, 5)},
                                   {candidate(6, kA, 3), candidate(5, 4, 5)}}),
    [](const testing::TestParamInfo<RecountExample>& info) { return info.param.name; });

// A full table: head (A, B), then entries 1 to 255 with counts 300 - i and
// pairs that hold neither A nor B.
std::vector<Candidate> full_table() {
    std::vector<Candidate> table{candidate(400, kA, kB)};
    for (int index = 1; index < kCandidateCount; ++index) {
        table.push_back(candidate(static_cast<std::uint16_t>(300 - index),
                                  static_cast<std::uint8_t>(index % 100 + 10),
                                  static_cast<std::uint8_t>(index / 100 + 10)));
    }
    return table;
}

// Both recounts drop the head of a full table; the default one keeps the
// 256th candidate (in place 254), the single pass loses it.
struct FullTableCase {
    const char* name;
    void (*recount)(Job& job);
    int kept;  // places 0 .. kept - 1 hold the candidates behind the head; the rest are empty
};

class FullTableRecount : public testing::TestWithParam<FullTableCase> {};

TEST_P(FullTableRecount, MovesTheOthersUp) {
    const std::vector<Candidate> table = full_table();
    JobHandle job = make_job();
    set_up(job, repeated_pair(3, kA, kB), table);
    GetParam().recount(*job);
    for (int index = 0; index < GetParam().kept; ++index) {
        ASSERT_EQ(job->candidate_table[index], table[index + 1]) << "at " << index;
    }
    for (int index = GetParam().kept; index < kCandidateCount; ++index) {
        EXPECT_EQ(job->candidate_table[index], candidate(0, 0, 0)) << "at " << index;
    }
}

INSTANTIATE_TEST_SUITE_P(Recounts, FullTableRecount,
                         testing::Values(FullTableCase{"default_keeps_the_256th", recount_candidates, 255},
                                         FullTableCase{"single_pass_loses_the_256th",
                                                       recount_candidates_single_pass, 254}),
                         [](const auto& info) { return std::string(info.param.name); });

// Two corrections near the head use up two of the single pass's 255 steps,
// so the affected entry in place 253 is not reached and keeps its count.
TEST(RecountOfAFullTable, SinglePassTakes255StepsRepeatsIncluded) {
    std::vector<Candidate> table = full_table();
    table[1] = candidate(299, kA, 3);   // occurs 150 times
    table[2] = candidate(298, kA, 4);   // occurs 150 times
    table[254] = candidate(46, kA, 5);  // occurs 10 times
    const Bytes stream = concatenated(
        {repeated_pair(150, kA, 3), repeated_pair(150, kA, 4), repeated_pair(10, kA, 5)});

    JobHandle single = make_job();
    set_up(single, stream, table);
    recount_candidates_single_pass(*single);
    EXPECT_EQ(single->candidate_table[148], candidate(150, kA, 3));
    EXPECT_EQ(single->candidate_table[149], candidate(150, kA, 4));
    EXPECT_EQ(single->candidate_table[253], candidate(46, kA, 5));
    EXPECT_EQ(single->candidate_table[254], candidate(0, 0, 0));

    JobHandle restarting = make_job();
    set_up(restarting, stream, table);
    recount_candidates(*restarting);
    EXPECT_EQ(restarting->candidate_table[148], candidate(150, kA, 3));
    EXPECT_EQ(restarting->candidate_table[149], candidate(150, kA, 4));
    EXPECT_EQ(restarting->candidate_table[253], table[255]);
    EXPECT_EQ(restarting->candidate_table[254], candidate(10, kA, 5));
    EXPECT_EQ(restarting->candidate_table[255], candidate(0, 0, 0));
}

}  // namespace
}  // namespace vendrel::test
