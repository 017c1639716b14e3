// Regrowth and its bookkeeping on small cases worked out by hand: pair
// replacement over a parse's symbols, the windows re-parsed when phrases
// go, and a set put back after the trie forgot some of its phrases.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "best/candidates.h"
#include "best/search_fixture.h"
#include "best/search_state.h"

namespace vendrel {
namespace {

using test::codes_of;
using test::kAlphabet;
using test::phrase_of;

struct StreamReplacementCase {
    const char* name;
    std::vector<int> symbols;  // 8 stands for ab, 9 for cd
    std::vector<std::string> phrases;
};

TEST(BestRegrowth, PairReplacementOverSymbolsThatStandForPhrases) {
    std::vector<std::string> texts;
    for (int i = 0; i < kAlphabet; ++i) texts.emplace_back(1, static_cast<char>(i));
    texts.push_back(phrase_of("ab"));
    texts.push_back(phrase_of("cd"));
    const StreamReplacementCase cases[] = {
        {"phrase and character", {0, 8, 5, 8, 5, 8, 5, 0}, {"abe"}},
        {"two phrases, then their pair", {8, 9, 8, 9, 0, 8, 9, 8, 9, 0, 8, 9, 8, 9}, {"abcd", "abcdabcd"}},
        {"twice is too few", {8, 9, 0, 8, 9, 0}, {}},
        {"never across the separator", {8, 0, 9, 0, 8, 0, 9, 0, 8, 0, 9}, {}},
    };
    for (const StreamReplacementCase& replacement : cases) {
        std::vector<std::string> expected;
        for (const std::string& phrase : replacement.phrases) expected.push_back(phrase_of(phrase));
        EXPECT_EQ(replacement_phrases(replacement.symbols, texts, 100), expected) << replacement.name;
    }
}

struct RemovalCase {
    const char* text;
    std::vector<std::string> phrases;  // ids 0, 1, ...
    std::vector<int> removed;
    long long codes_before;
    long long codes_after;
    std::vector<TextRun> windows;  // to re-parse, from the parse before the removal
};

SearchState state_of(const std::vector<std::uint8_t>& text, const std::vector<std::string>& phrases) {
    PhraseSet set;
    set.char_count = kAlphabet;
    for (const std::string& phrase : phrases) add_phrase_text(set, phrase_of(phrase));
    SearchState state;
    start_search(state, text.data(), static_cast<int>(text.size()), std::move(set),
                 {{1, static_cast<int>(text.size()) - 1}});
    return state;
}

// The codes of the parse, as lengths, from the first position of the run.
std::vector<int> piece_lengths(const SearchState& state) {
    std::vector<int> lengths;
    for (int at = state.runs[0].begin; at < state.runs[0].end;) {
        lengths.push_back(state.piece_length[static_cast<std::size_t>(at)]);
        at += lengths.back();
    }
    return lengths;
}

TEST(BestRemoval, OnlyTheWindowsAroundDroppedPhrasesAreParsedAgain) {
    const RemovalCase cases[] = {
        // abc gg gg gg gg gg g abc d: windows from the run start to two codes
        // past the first abc, and from two codes before the second to the end.
        {"|abcgggggggggggabcd|", {"abc", "ab", "cd", "gg"}, {0}, 9, 10, {{1, 8}, {12, 19}}},
        // Both uses of ab in one window, where be takes their place; be is
        // not used while ab is kept, so dropping it parses nothing again.
        {"|abeabe|", {"ab", "be"}, {0}, 4, 4, {{1, 7}}},
        {"|abeabe|", {"ab", "be"}, {1}, 4, 4, {}},
        {"|abeabe|", {"ab", "be"}, {0, 1}, 4, 6, {{1, 7}}},
        // Uses of a group's phrases in text order, whichever phrase they are.
        {"|abgggggcdgggggab|", {"ab", "cd"}, {0, 1}, 13, 16, {{1, 5}, {6, 12}, {13, 17}}},
    };
    for (const RemovalCase& removal : cases) {
        SCOPED_TRACE(removal.text);
        const std::vector<std::uint8_t> text = codes_of(removal.text);
        SearchState state = state_of(text, removal.phrases);
        EXPECT_EQ(state.stream_codes, removal.codes_before);

        const std::vector<TextRun> windows = removal_windows(state, removal.removed);
        ASSERT_EQ(windows.size(), removal.windows.size());
        for (std::size_t k = 0; k < windows.size(); ++k) {
            EXPECT_EQ(windows[k].begin, removal.windows[k].begin);
            EXPECT_EQ(windows[k].end, removal.windows[k].end);
        }

        remove_phrases(state, removal.removed);
        EXPECT_EQ(state.stream_codes, removal.codes_after);
        const std::vector<int> lengths = piece_lengths(state);
        EXPECT_EQ(static_cast<long long>(lengths.size()), removal.codes_after);
        for (std::size_t at = 0; at < state.piece_phrase.size(); ++at) {
            const int id = state.piece_phrase[at];
            EXPECT_TRUE(id == kNoPhrase || state.kept[static_cast<std::size_t>(id)]) << "at " << at;
        }
    }
}

TEST(BestRemoval, AForgottenPhraseComesBackWithTheSetThatKeptIt) {
    const std::vector<std::uint8_t> text = codes_of("|abcabcabc|");
    SearchState state = state_of(text, {"abc", "ab"});
    const std::vector<std::uint8_t> with_abc = state.kept;
    EXPECT_EQ(state.stream_codes, 3);

    remove_phrases(state, {0});
    forget_dropped_phrases(state);
    EXPECT_EQ(state.stream_codes, 6);
    // Kept again without the trie knowing it, it still cannot be parsed.
    keep_only(state, with_abc);
    EXPECT_EQ(state.stream_codes, 6);

    restore_kept(state, with_abc);
    EXPECT_EQ(state.stream_codes, 3);
    EXPECT_EQ(piece_lengths(state), (std::vector<int>{3, 3, 3}));
}

}  // namespace
}  // namespace vendrel
