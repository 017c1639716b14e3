// Packing runs followed step by step: the stream after each substitution,
// the table after the recount, and the entries and marks that the count of
// the new code's pairs leaves.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pack_checks.h"
#include "packing_steps.h"

namespace vendrel::test {
namespace {

struct Step {
    int code;
    Bytes stream;
    std::vector<Candidate> after_recount;
    Bytes marked_stream;
    std::vector<Candidate> after_new_pairs;
};

struct SteppedExample {
    const char* name;
    std::string text;
    std::vector<Candidate> initial_table;
    std::vector<Step> steps;
};

class SteppedTexts : public testing::TestWithParam<SteppedExample> {};

TEST_P(SteppedTexts, FollowEachSubstitutionAndItsMaintenance) {
    const SteppedExample& example = GetParam();
    PackingSteps run(example.text);
    Job& job = run.job();
    EXPECT_EQ(filled_candidates(job), example.initial_table);

    for (const Step& step : example.steps) {
        SCOPED_TRACE("code " + std::to_string(step.code));
        ASSERT_EQ(job.next_code, step.code);
        ASSERT_TRUE(run.substitute());
        EXPECT_EQ(code_stream(job), step.stream);
        run.recount();
        EXPECT_EQ(filled_candidates(job), step.after_recount);
        run.count_new_pairs();
        EXPECT_EQ(bytes_before_end_mark(job), step.marked_stream);
        EXPECT_EQ(filled_candidates(job), step.after_new_pairs);
        run.clear_marks_if_usable();
        EXPECT_EQ(bytes_before_end_mark(job), step.stream);
    }

    const Bytes final_stream = code_stream(job);
    const int symbols = job.symbol_end - job.symbol_table;
    EXPECT_FALSE(run.substitute()) << "the table should be empty";
    EXPECT_EQ(code_stream(job), final_stream);
    EXPECT_EQ(job.symbol_end - job.symbol_table, symbols);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SteppedTexts,
    testing::Values(
        // | a b c = 0 1 2 3.
        SteppedExample{"pairs_of_pairs",
                       "|abcabcabc|abcabc|",
                       {candidate(5, 1, 2), candidate(5, 2, 3), candidate(3, 3, 1)},
                       {Step{4,
                             {0, 4, 3, 4, 3, 4, 3, 0, 4, 3, 4, 3, 0},
                             {},
                             // Every later 4 is marked, so (c, 4) is never counted.
                             {0, 4, 3, 0x84, 3, 0x84, 3, 0, 0x84, 3, 0x84, 3, 0},
                             {candidate(5, 4, 3)}},
                        Step{5,
                             {0, 5, 5, 5, 0, 5, 5, 0},
                             {},
                             {0, 5, 0x85, 5, 0, 0x85, 5, 0},
                             {candidate(3, 5, 5)}},
                        Step{6, {0, 6, 5, 0, 6, 0}, {}, {0, 6, 5, 0, 6, 0}, {}}}},
        // | x a b y = 0 1 2 3 4.
        SteppedExample{
            "new_code_on_the_right",
            "|xab|xab|xab|yab|",
            {candidate(4, 2, 3), candidate(3, 1, 2)},
            {Step{5,
                  {0, 1, 5, 0, 1, 5, 0, 1, 5, 0, 4, 5, 0},
                  {},
                  {0, 1, 5, 0, 0x81, 5, 0, 0x81, 5, 0, 4, 5, 0},
                  {candidate(3, 1, 5)}},
             Step{6, {0, 6, 0, 6, 0, 6, 0, 4, 5, 0}, {}, {0, 6, 0, 6, 0, 6, 0, 4, 5, 0}, {}}}},
        SteppedExample{"marked_left_neighbours",
                       "|xab|xab|xab|xab|yab|",
                       {candidate(5, 2, 3), candidate(4, 1, 2)},
                       {Step{5,
                             {0, 1, 5, 0, 1, 5, 0, 1, 5, 0, 1, 5, 0, 4, 5, 0},
                             {},
                             {0, 1, 5, 0, 0x81, 5, 0, 0x81, 5, 0, 0x81, 5, 0, 4, 5, 0},
                             {candidate(4, 1, 5)}},
                        Step{6,
                             {0, 6, 0, 6, 0, 6, 0, 6, 0, 4, 5, 0},
                             {},
                             {0, 6, 0, 6, 0, 6, 0, 6, 0, 4, 5, 0},
                             {}}}},
        // Both entries of (a, a) vanish at the first recount.
        SteppedExample{"seven_a",
                       "|aaaaaaa|",
                       {candidate(3, 1, 1), candidate(3, 1, 1)},
                       {Step{2, {0, 2, 2, 2, 1, 0}, {}, {0, 2, 0x82, 2, 1, 0}, {}}}},
        // | a b c x y = 0 1 2 3 4 5: (b, c) still occurs three times and
        // moves behind (x, y), which has the same count.
        SteppedExample{
            "recount_moves_behind_equal_count",
            "|abc|ab|ab|ab|ab|xy|xy|xy|bc|bc|bc|",
            {candidate(5, 1, 2), candidate(4, 2, 3), candidate(3, 4, 5)},
            {Step{6,
                  {0, 6, 3, 0, 6, 0, 6, 0, 6, 0, 6, 0, 4, 5, 0,
                   4, 5, 0, 4, 5, 0, 2, 3, 0, 2, 3, 0, 2, 3, 0},
                  {candidate(3, 4, 5), candidate(3, 2, 3)},
                  {0, 6, 3, 0, 6, 0, 6, 0, 6, 0, 6, 0, 4, 5, 0,
                   4, 5, 0, 4, 5, 0, 2, 3, 0, 2, 3, 0, 2, 3, 0},
                  {candidate(3, 4, 5), candidate(3, 2, 3)}},
             Step{7,
                  {0, 6, 3, 0, 6, 0, 6, 0, 6, 0, 6, 0, 7, 0, 7, 0, 7, 0, 2, 3, 0, 2, 3, 0, 2, 3, 0},
                  {candidate(3, 2, 3)},
                  {0, 6, 3, 0, 6, 0, 6, 0, 6, 0, 6, 0, 7, 0, 7, 0, 7, 0, 2, 3, 0, 2, 3, 0, 2, 3, 0},
                  {candidate(3, 2, 3)}},
             Step{8,
                  {0, 6, 3, 0, 6, 0, 6, 0, 6, 0, 6, 0, 7, 0, 7, 0, 7, 0, 8, 0, 8, 0, 8, 0},
                  {},
                  {0, 6, 3, 0, 6, 0, 6, 0, 6, 0, 6, 0, 7, 0, 7, 0, 7, 0, 8, 0, 8, 0, 8, 0},
                  {}}}}),
    [](const testing::TestParamInfo<SteppedExample>& info) { return info.param.name; });

}  // namespace
}  // namespace vendrel::test
