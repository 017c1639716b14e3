// Properties of packing over many generated texts: the code stream expands
// back to the prepared text, and the pair table is well formed.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "pack/candidate_table.h"
#include "pack/pack_text.h"
#include "pack_checks.h"
#include "packing_steps.h"
#include "support/job_fixture.h"
#include "support/text_generator.h"

namespace vendrel::test {
namespace {

struct GeneratedCase {
    std::uint32_t seed;
    TextShape shape;
    bool oa;
};

void PrintTo(const GeneratedCase& generated, std::ostream* out) {
    *out << "seed " << generated.seed << (generated.oa ? " with -oa" : "");
}

// The text that packing works on: with -oa the last byte takes no part.
std::string prepared_text(const std::string& text, bool oa) {
    if (oa && !text.empty()) return text.substr(0, text.size() - 1);
    return text;
}

// Checks every property of a finished packing of prepared.
void expect_well_packed(const Job& job, const std::string& prepared) {
    const int n = job.char_count;
    const int table_size = job.symbol_table_size;
    ASSERT_LE(n, 126);
    ASSERT_GE(table_size, n);
    ASSERT_EQ((table_size - n) % 2, 0);
    const int pair_codes = (table_size - n) / 2;
    ASSERT_LE(n + pair_codes, 256);

    EXPECT_EQ(job.source_length, static_cast<int>(prepared.size()));
    EXPECT_EQ(job.symbol_end, job.symbol_table + table_size);

    // Pair codes come without gaps: the next code follows the last one,
    // except after code 255, which ends packing.
    if (n + pair_codes == 256) {
        EXPECT_EQ(job.next_code, 255);
    } else {
        EXPECT_EQ(job.next_code, n + pair_codes);
    }

    // Each pair refers to earlier codes only, and never to the separator.
    for (int entry = 0; entry < pair_codes; ++entry) {
        const int left = job.symbol_table[n + 2 * entry];
        const int right = job.symbol_table[n + 2 * entry + 1];
        ASSERT_GT(left, 0) << "pair code " << n + entry;
        ASSERT_GT(right, 0) << "pair code " << n + entry;
        ASSERT_LT(left, n + entry) << "pair code " << n + entry;
        ASSERT_LT(right, n + entry) << "pair code " << n + entry;
    }
    for (int index = table_size; index < kSymbolTableSize; ++index) {
        ASSERT_EQ(job.symbol_table[index], 0xFF) << "behind the symbol table at " << index;
    }

    // The stream expands to the prepared text; its zeros are the separators.
    const Bytes stream = code_stream(job);
    for (const std::uint8_t code : stream) ASSERT_LT(code, n + pair_codes);
    if (!stream.empty()) {
        EXPECT_EQ(stream.front(), 0);
    }
    EXPECT_EQ(job.text_buffer[job.packed_length], kEndMark);
    EXPECT_EQ(expand_code_stream(job), prepared);
    const auto zeros = std::count(stream.begin(), stream.end(), 0);
    const auto separators =
        prepared.empty() ? 0 : std::count(prepared.begin(), prepared.end(), prepared.front());
    EXPECT_EQ(zeros, separators) << "every separator stays a bare code 0";
    EXPECT_EQ(job.record_count, zeros - 1);
}

void pack_and_check(const GeneratedCase& generated) {
    const std::string text = generate_text(generated.seed, generated.shape);
    JobHandle job = make_job();
    job->oa = generated.oa ? 1 : 0;
    test::load_text(*job, text);
    ASSERT_EQ(pack_text(*job), 0);
    expect_well_packed(*job, prepared_text(text, generated.oa));
}

// Small texts of every kind: a shape drawn from each seed.
std::vector<GeneratedCase> small_cases() {
    std::vector<GeneratedCase> cases;
    for (std::uint32_t seed = 1; seed <= 300; ++seed) {
        std::mt19937 engine(seed);
        const auto pick = [&engine](int lo, int hi) {
            return lo + static_cast<int>(engine() % static_cast<std::uint32_t>(hi - lo + 1));
        };
        TextShape shape;
        shape.alphabet_size = pick(0, 3) == 0 ? pick(1, 4) : pick(1, 125);
        shape.separator = static_cast<std::uint8_t>(pick(0, 3) == 0 ? pick(0, 254) : '|');
        shape.record_count = pick(0, 80);
        shape.min_record_length = pick(0, 10);
        shape.max_record_length = shape.min_record_length + pick(0, 60);
        shape.max_run_length = pick(0, 2) == 0 ? pick(2, 12) : 1;
        shape.max_size = pick(0, 4000);
        cases.push_back(GeneratedCase{seed, shape, seed % 3 == 0});
    }
    return cases;
}

class SmallGeneratedTexts : public testing::TestWithParam<GeneratedCase> {};

TEST_P(SmallGeneratedTexts, PackRoundTrip) { pack_and_check(GetParam()); }

INSTANTIATE_TEST_SUITE_P(Seeds, SmallGeneratedTexts, testing::ValuesIn(small_cases()),
                         [](const testing::TestParamInfo<GeneratedCase>& info) {
                             return "seed_" + std::to_string(info.param.seed);
                         });

TextShape big_shape(int alphabet, int run, int max_record_length) {
    TextShape shape;
    shape.alphabet_size = alphabet;
    shape.record_count = 65535;
    shape.min_record_length = 0;
    shape.max_record_length = max_record_length;
    shape.max_run_length = run;
    shape.max_size = 65535;
    return shape;
}

class BigGeneratedTexts : public testing::TestWithParam<GeneratedCase> {};

TEST_P(BigGeneratedTexts, PackRoundTrip) { pack_and_check(GetParam()); }

INSTANTIATE_TEST_SUITE_P(Shapes, BigGeneratedTexts,
                         testing::Values(GeneratedCase{11, big_shape(40, 1, 200), false},
                                         GeneratedCase{12, big_shape(40, 1, 200), true},
                                         GeneratedCase{13, big_shape(6, 9, 30), false},
                                         GeneratedCase{14, big_shape(125, 2, 400), true}),
                         [](const testing::TestParamInfo<GeneratedCase>& info) {
                             return "seed_" + std::to_string(info.param.seed);
                         });

// Long and varied enough that every code is used: the pair code 255
// stands in the stream like any other code.
std::string text_using_every_code() {
    TextShape shape = big_shape(30, 1, 60);
    shape.max_size = 10000;
    return generate_text(1, shape);
}

TEST(LastPairCode, EndsPackingRightAfterIt) {
    const std::string text = text_using_every_code();
    JobHandle job = make_job();
    test::load_text(*job, text);
    ASSERT_EQ(pack_text(*job), 0);

    EXPECT_EQ(job->next_code, 255);
    EXPECT_EQ(job->symbol_table_size, 512 - job->char_count);
    const Bytes stream = code_stream(*job);
    EXPECT_GT(std::count(stream.begin(), stream.end(), 0xFF), 0)
        << "packed_length counts the codes 255 in the stream";
    expect_well_packed(*job, text);
}

// Runs the packing loop by hand and checks what maintenance may change:
// from code 127 on it marks nothing and enters each pair of the new code at
// most once; before, the marks are gone once cleared. The result is the
// same as that of pack_text.
TEST(Maintenance, WithoutMarksLeavesTheStreamAlone) {
    const std::string text = text_using_every_code();
    PackingSteps run(text);
    Job& job = run.job();
    int steps_without_marks = 0;
    while (run.substitute()) {
        const Bytes stream = bytes_before_end_mark(job);
        const std::uint8_t new_code = static_cast<std::uint8_t>(job.next_code - 1);
        run.recount();
        run.count_new_pairs();
        run.clear_marks_if_usable();
        ASSERT_EQ(bytes_before_end_mark(job), stream) << "after code " << int{new_code};
        if (job.next_code < 128) continue;

        ++steps_without_marks;
        std::vector<std::uint16_t> pairs;
        for (const Candidate& entry : filled_candidates(job)) {
            if (left_code(entry.pair) == new_code || right_code(entry.pair) == new_code) {
                pairs.push_back(entry.pair);
            }
        }
        std::sort(pairs.begin(), pairs.end());
        ASSERT_EQ(std::adjacent_find(pairs.begin(), pairs.end()), pairs.end())
            << "a pair of code " << int{new_code} << " entered twice";
    }
    EXPECT_EQ(steps_without_marks, 128);  // after codes 127 to 254
    job.symbol_table_size = static_cast<std::int32_t>(job.symbol_end - job.symbol_table);

    JobHandle packed = make_job();
    test::load_text(*packed, text);
    ASSERT_EQ(pack_text(*packed), 0);
    EXPECT_EQ(code_stream(job), code_stream(*packed));
    EXPECT_EQ(symbol_bytes(job), symbol_bytes(*packed));
    EXPECT_EQ(job.next_code, packed->next_code);
}

}  // namespace
}  // namespace vendrel::test
