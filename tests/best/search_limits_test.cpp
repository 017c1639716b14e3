// What -best promises the target beside a smaller image: no record nests
// more than one level deeper than the same record of the default image, nor
// deeper than a cap the caller sets; printing takes no more than
// kMostPrintingRise more T-states (the stream keeps at least
// least_stream_codes codes); and a search whose work runs out still leaves
// a set of phrases that fits the codes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "best/numbering.h"
#include "best/phrase_shapes.h"
#include "best/pruning.h"
#include "best/search_fixture.h"
#include "best/unpack_cost.h"

namespace vendrel::test {
namespace {

long long codes_without_separators(const PhraseImage& image) {
    return static_cast<long long>(image.code_stream.size()) -
           std::count(image.code_stream.begin(), image.code_stream.end(), 0);
}

// Short records beside long ones: the long ones nest deep in the default
// image, the short ones shallow.
std::string short_and_long_records() {
    std::string text = phrase_text(200);
    for (int k = 0; k < 300; ++k) text += std::string("ab") + static_cast<char>('c' + k % 5) + "|";
    return text;
}

std::vector<SearchCase> limit_cases() {
    std::vector<SearchCase> cases = search_cases();
    cases.push_back({"short_and_long_records", short_and_long_records(), true});
    // Few symbols: the default packer's phrases are short and the search
    // cuts many codes, which printing pays for.
    cases.push_back({"random_few_symbols", generate_text(21, shape_of(4, 600, 5, 30, 1)), true});
    return cases;
}

class BestLimits : public testing::TestWithParam<SearchCase> {};

TEST_P(BestLimits, EveryRecordNestsAtMostOneLevelDeeperThanTheDefaultImage) {
    const Packed packed = pack_both_ways(GetParam().text);
    PhraseImage best;
    if (!search(packed, best)) {
        EXPECT_FALSE(GetParam().must_find);
        return;
    }
    const std::vector<int> before = record_nesting(packed.greedy, packed.char_count);
    const std::vector<int> after = record_nesting(best, packed.char_count);
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t record = 0; record < before.size(); ++record) {
        EXPECT_LE(after[record], before[record] + 1) << "record " << record + 1;
    }
}

TEST_P(BestLimits, PrintingGrowsNoDearerThanAllowed) {
    const Packed packed = pack_both_ways(GetParam().text);
    PhraseImage best;
    if (!search(packed, best)) return;
    EXPECT_GE(codes_without_separators(best),
              least_stream_codes(packed.codes.data(), static_cast<int>(packed.codes.size()), packed.greedy));
}

TEST_P(BestLimits, ACapHoldsEveryRecordAndTheImageStillReadsBack) {
    const Packed packed = pack_both_ways(GetParam().text);
    const int deepest = deepest_nesting(packed.greedy, packed.char_count);
    for (const int cap : {deepest - 1, 2, 1}) {
        if (cap < 1) continue;
        BestSearchLimits limits;
        limits.max_nesting_cap = cap;
        PhraseImage best;
        if (!search_best_image(packed.codes.data(), static_cast<int>(packed.codes.size()), packed.char_count,
                               packed.greedy, best, limits)) {
            continue;
        }
        EXPECT_LE(deepest_nesting(best, packed.char_count), cap) << "cap " << cap;
        EXPECT_EQ(expanded_codes(best, packed.char_count), packed.codes) << "cap " << cap;
        EXPECT_LT(best.pair_table.size() + best.code_stream.size(),
                  packed.greedy.pair_table.size() + packed.greedy.code_stream.size());
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, BestLimits, testing::ValuesIn(limit_cases()),
                         [](const testing::TestParamInfo<SearchCase>& info) { return std::string(info.param.name); });

// The fewest codes against the cost of printing worked out from the
// routines' costs: records of equal length, a default stream of codes
// codes.
TEST(BestPrintingCost, LeastCodesFollowTheCostOfBothRoutines) {
    struct CostCase {
        const char* name;
        int characters_per_record;
        int records;
        int codes;
    };
    const CostCase cases[] = {{"short", 5, 2, 4}, {"long", 2000, 30, 20000}, {"few codes", 100, 600, 59000}};
    for (const CostCase& cost : cases) {
        std::vector<std::uint8_t> text{0};
        for (int record = 0; record < cost.records; ++record) {
            text.insert(text.end(), static_cast<std::size_t>(cost.characters_per_record), 1);
            text.push_back(0);
        }
        PhraseImage greedy;
        greedy.code_stream.assign(static_cast<std::size_t>(cost.codes), 1);
        greedy.code_stream.insert(greedy.code_stream.end(), static_cast<std::size_t>(cost.records) + 1, 0);
        const long long characters = static_cast<long long>(cost.characters_per_record) * cost.records;
        long long expected = 0;
        for (const UnpackCost& unpack : {kZ80Cost, kI8080Cost}) {
            const long long total = unpack.per_code * cost.codes + unpack.per_pair * (characters - cost.codes) +
                                    unpack.per_character * characters + unpack.per_record * (cost.records + 1);
            expected = std::max(expected,
                                cost.codes - total * kMostPrintingRise / 10'000 / (unpack.per_pair - unpack.per_code));
        }
        EXPECT_EQ(least_stream_codes(text.data(), static_cast<int>(text.size()), greedy), expected) << cost.name;
    }
}

// A pruning that runs out of work still leaves no more phrases than there
// are codes for, and a parse that expands to the text.
TEST(BestWorkBound, PruningOutOfWorkStillFitsTheCodes) {
    const Packed packed = pack_both_ways(generate_text(22, shape_of(6, 400, 10, 60, 1)));
    const int length = static_cast<int>(packed.codes.size());
    PhraseSet set;
    set.char_count = packed.char_count;
    add_replacement_phrases(set, packed.codes.data(), length, 1000);
    ASSERT_GT(set.text.size(), 300u);
    SearchState state;
    start_search(state, packed.codes.data(), length, std::move(set), {{1, length - 1}});
    state.work_limit = state.scratch.steps + 1000;
    prune_phrases(state, 100);
    EXPECT_LE(state.kept_count, 100);
    forget_dropped_phrases(state);
    limit_nesting(state, 1000);
    PhraseImage image;
    emit_phrase_image(state, length, image);
    EXPECT_EQ(expanded_codes(image, packed.char_count), packed.codes);
}

// Texts on which the search takes all the work it may: the same bytes on
// every call, never larger than the default image, and the text back.
TEST(BestWorkBound, HostileTextsGiveTheSameBytesEveryTimeAndNeverMore) {
    const std::pair<const char*, std::string> texts[] = {
        {"random over 3", generate_text(23, shape_of(3, 40, 200, 600, 1, 16000))},
        {"runs", generate_text(24, shape_of(4, 30, 100, 900, 200, 16000))},
        {"few with rare ones", generate_text(25, shape_of(90, 300, 20, 80, 1, 16000))},
    };
    for (const auto& [name, text] : texts) {
        const Packed packed = pack_both_ways(text);
        PhraseImage first;
        PhraseImage second;
        const bool found = search(packed, first);
        ASSERT_EQ(search(packed, second), found) << name;
        if (!found) continue;
        EXPECT_EQ(first.pair_table, second.pair_table) << name;
        EXPECT_EQ(first.code_stream, second.code_stream) << name;
        EXPECT_LT(first.pair_table.size() + first.code_stream.size(),
                  packed.greedy.pair_table.size() + packed.greedy.code_stream.size())
            << name;
        EXPECT_EQ(expanded_codes(first, packed.char_count), packed.codes) << name;
    }
}

}  // namespace
}  // namespace vendrel::test
