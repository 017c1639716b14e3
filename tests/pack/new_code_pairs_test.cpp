// The count of the pairs that a new code forms, with and without marks.
#include "pack/reference/new_code_pairs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pack_checks.h"
#include "support/job_fixture.h"

namespace vendrel::test {
namespace {

// The operations one by one are those of the plain reference packer.
using namespace vendrel::reference;

struct NewPairsExample {
    const char* name;
    int next_code;  // the new code is one below
    Bytes stream;
    Bytes stream_after;
    std::vector<Candidate> table;
};

class NewCodePairs : public testing::TestWithParam<NewPairsExample> {};

TEST_P(NewCodePairs, EnterThePairsOfTheNewCode) {
    const NewPairsExample& example = GetParam();
    JobHandle job = job_with_text(std::string(example.stream.begin(), example.stream.end()));
    job->next_code = example.next_code;
    count_new_code_pairs(*job);
    EXPECT_EQ(bytes_before_end_mark(*job), example.stream_after);
    EXPECT_EQ(filled_candidates(*job), example.table);
}

constexpr std::uint8_t kLow = 99;    // a new code counted with marks
constexpr std::uint8_t kHigh = 199;  // a new code counted without marks
constexpr std::uint8_t kLowMarked = kLow | 0x80;

INSTANTIATE_TEST_SUITE_P(
    Streams, NewCodePairs,
    testing::Values(
        // Marks keep the later occurrences from being counted again.
        NewPairsExample{"left_with_marks",
                        kLow + 1,
                        {0, kLow, 7, kLow, 7, kLow, 7, kLow, 7, 0},
                        {0, kLow, 7, kLowMarked, 7, kLowMarked, 7, kLowMarked, 7, 0},
                        {candidate(4, kLow, 7)}},
        // Without marks every later occurrence counts again with a smaller
        // count, and only the first count is entered.
        NewPairsExample{"left_without_marks",
                        kHigh + 1,
                        {0, kHigh, 7, kHigh, 7, kHigh, 7, kHigh, 7, 0},
                        {0, kHigh, 7, kHigh, 7, kHigh, 7, kHigh, 7, 0},
                        {candidate(4, kHigh, 7), candidate(3, 7, kHigh)}},
        NewPairsExample{"right_with_marks",
                        kLow + 1,
                        {0, 7, kLow, 0, 7, kLow, 0, 7, kLow, 0, 8, kLow, 0},
                        {0, 7, kLow, 0, 7 | 0x80, kLow, 0, 7 | 0x80, kLow, 0, 8, kLow, 0},
                        {candidate(3, 7, kLow)}},
        // The scan starts on the occurrence's right byte, so a run of the new
        // code counts its overlapping pair.
        NewPairsExample{"run_of_the_new_code",
                        kLow + 1,
                        {0, kLow, kLow, kLow, 0, kLow, kLow, 0},
                        {0, kLow, kLowMarked, kLow, 0, kLowMarked, kLow, 0},
                        {candidate(3, kLow, kLow)}},
        // Code 127 is the first that is counted without marks.
        NewPairsExample{"code_127_without_marks",
                        128,
                        {0, 127, 7, 127, 7, 127, 7, 0},
                        {0, 127, 7, 127, 7, 127, 7, 0},
                        {candidate(3, 127, 7)}},
        NewPairsExample{"code_126_with_marks",
                        127,
                        {0, 126, 7, 126, 7, 126, 7, 0},
                        {0, 126, 7, 0xFE, 7, 0xFE, 7, 0},
                        {candidate(3, 126, 7)}},
        NewPairsExample{"separators_form_no_pairs",
                        kLow + 1,
                        {0, kLow, 0, kLow, 0, kLow, 0, kLow},
                        {0, kLow, 0, kLow, 0, kLow, 0, kLow},
                        {}}),
    [](const testing::TestParamInfo<NewPairsExample>& info) { return info.param.name; });

}  // namespace
}  // namespace vendrel::test
