// Nesting by hand: the depth of each record of an image, a run held to its
// record's depth, a phrase that nests deeper once one of its halves goes,
// and codes given back when the parse takes fewer than printing allows.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "best/phrase_shapes.h"
#include "best/pruning.h"
#include "best/search_fixture.h"
#include "best/search_state.h"

namespace vendrel {
namespace {

using test::codes_of;
using test::kAlphabet;
using test::phrase_of;

TEST(BestNesting, EachRecordNestsAsDeepAsItsDeepestCode) {
    PhraseImage image;
    // 8 = a b (1), 9 = 8 c (2: the left half recurses), 10 = c 8 (1: the
    // right half is a jump), 11 = 9 9 (3).
    image.pair_table = {1, 2, 8, 3, 3, 8, 9, 9};
    struct Case {
        const char* name;
        std::vector<std::uint8_t> stream;
        std::vector<int> records;
    };
    const Case cases[] = {
        {"characters only", {0, 1, 2, 0}, {0, 0}},
        {"one pair a record", {0, 8, 0, 9, 0, 10, 0, 11, 0}, {1, 2, 1, 3, 0}},
        {"deepest of a record", {0, 10, 1, 9, 8, 0}, {2, 0}},
    };
    for (const Case& nesting : cases) {
        image.code_stream = nesting.stream;
        EXPECT_EQ(record_nesting(image, kAlphabet), nesting.records) << nesting.name;
    }
    image.code_stream = {0, 8, 0, 11, 0};
    EXPECT_EQ(deepest_nesting(image, kAlphabet), 3);
}

// |abcd|abcd|: abcd nests 2 deep as ab cd, 3 as abc d. The first record may
// nest 1 deep, the second 2.
SearchState two_records(const std::vector<std::uint8_t>& text) {
    PhraseSet set;
    set.char_count = kAlphabet;
    for (const char* phrase : {"ab", "abc", "abcd", "cd"}) add_phrase_text(set, phrase_of(phrase));
    SearchState state;
    start_search(state, text.data(), static_cast<int>(text.size()), std::move(set), {{1, 5}, {6, 10}}, {1, 2, 0});
    return state;
}

TEST(BestNesting, ARunUsesOnlyPhrasesThatNestNoDeeperThanItsRecordMay) {
    const std::vector<std::uint8_t> text = codes_of("|abcd|abcd|");
    SearchState state = two_records(text);
    EXPECT_EQ(state.run_codes, (std::vector<int>{2, 1}));  // ab cd, abcd
    EXPECT_EQ(state.piece_phrase[6], 2);
}

TEST(BestNesting, APhraseLeftToNestDeeperIsParsedAgainWhereItMayNotGo) {
    const std::vector<std::uint8_t> text = codes_of("|abcd|abcd|");
    SearchState state = two_records(text);
    remove_phrases(state, {3});  // cd: abcd is abc d now, 3 deep
    EXPECT_EQ(state.phrase_nesting[2], 3);
    EXPECT_EQ(state.run_codes, (std::vector<int>{3, 2}));  // ab c d, abc d
    EXPECT_EQ(state.piece_phrase[6], 1);
    EXPECT_EQ(state.stream_codes, 5);
}

TEST(BestNesting, CodesAreGivenBackUntilPrintingMayTakeThem) {
    const std::vector<std::uint8_t> text = codes_of("|abcabcabc|ab|");
    PhraseSet set;
    set.char_count = kAlphabet;
    for (const char* phrase : {"abc", "ab"}) add_phrase_text(set, phrase_of(phrase));
    SearchState state;
    start_search(state, text.data(), static_cast<int>(text.size()), std::move(set), {{1, 10}, {11, 13}});
    EXPECT_EQ(state.stream_codes, 4);
    state.least_codes = 5;
    // abc saves 6 codes, ab 1: ab goes first, and abc with it, which has no
    // split left.
    ASSERT_TRUE(give_back_codes(state));
    EXPECT_EQ(state.kept_count, 0);
    EXPECT_EQ(state.stream_codes, 11);
    state.least_codes = 20;
    EXPECT_FALSE(give_back_codes(state));
}

}  // namespace
}  // namespace vendrel
