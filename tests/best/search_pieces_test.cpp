// The pieces of the -best search on small cases worked out by hand: the
// optimal parse, the phrase trie, pair replacement, nesting and the runs.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "best/candidates.h"
#include "best/numbering.h"
#include "best/optimal_parse.h"
#include "best/phrase_trie.h"
#include "best/pruning.h"
#include "best/search_fixture.h"
#include "best/search_state.h"

namespace vendrel {
namespace {

using test::codes_of;
using test::kAlphabet;
using test::phrase_of;

struct ParseCase {
    const char* text;
    std::vector<std::string> phrases;  // ids 0, 1, ...
    int excluded;
    int codes;
    std::vector<std::uint8_t> stream;  // characters as codes, phrase id k as 100 + k
};

TEST(BestParse, FewestCodesOverEveryPhrase) {
    const ParseCase cases[] = {
        {"abcbc", {"ab", "bc", "abc"}, kNoPhrase, 2, {102, 101}},
        // Greedy longest match would take abc, then d, then e: three codes.
        {"abcde", {"abc", "cde", "ab"}, kNoPhrase, 2, {102, 101}},
        {"abcde", {"abc", "cde", "ab"}, 1, 3, {100, 4, 5}},
        {"aaaaa", {"aa", "aaaa"}, kNoPhrase, 2, {101, 1}},
        {"aaaaa", {"aa", "aaaa"}, 1, 3, {100, 100, 1}},
        {"gfe", {"ab"}, kNoPhrase, 3, {7, 6, 5}},
        {"", {"ab"}, kNoPhrase, 0, {}},
    };
    for (const ParseCase& parse : cases) {
        SCOPED_TRACE(parse.text);
        PhraseTrie trie = make_phrase_trie(kAlphabet);
        for (std::size_t id = 0; id < parse.phrases.size(); ++id) {
            add_phrase(trie, phrase_of(parse.phrases[id]), static_cast<int>(id));
        }
        const std::vector<std::uint8_t> enabled(parse.phrases.size(), 1);
        const PhraseFilter filter{&enabled, parse.excluded};
        const std::vector<std::uint8_t> text = codes_of(parse.text);
        ParseScratch scratch;
        const int end = static_cast<int>(text.size());
        EXPECT_EQ(parse_run(trie, filter, text.data(), 0, end, scratch), parse.codes);

        std::vector<std::uint8_t> code_of_phrase;
        for (std::size_t id = 0; id < parse.phrases.size(); ++id)
            code_of_phrase.push_back(static_cast<std::uint8_t>(100 + id));
        std::vector<std::uint8_t> stream;
        emit_parse(trie, filter, text.data(), 0, end, scratch, code_of_phrase, stream);
        EXPECT_EQ(stream, parse.stream);

        // Read from the matches found beforehand: the same parse, the same work.
        PhraseMatches matches;
        find_matches(trie, text.data(), end, matches);
        ParseScratch from_matches;
        EXPECT_EQ(parse_run(matches, filter, 0, end, from_matches), parse.codes);
        EXPECT_EQ(from_matches.steps, scratch.steps / 2);
        std::vector<std::uint8_t> read;
        for (int i = 0; i < end; i += from_matches.length[static_cast<std::size_t>(i)]) {
            const int phrase = from_matches.phrase[static_cast<std::size_t>(i)];
            read.push_back(phrase == kNoPhrase ? text[static_cast<std::size_t>(i)] : code_of_phrase[static_cast<std::size_t>(phrase)]);
        }
        EXPECT_EQ(read, parse.stream);

        // Windows inside the text, where some matches reach past the end.
        for (int begin = 0; begin < end; ++begin) {
            for (int stop = begin + 1; stop <= end; ++stop) {
                ParseScratch walked;
                ParseScratch looked_up;
                EXPECT_EQ(parse_run(matches, filter, begin, stop, looked_up),
                          parse_run(trie, filter, text.data(), begin, stop, walked))
                    << begin << ".." << stop;
                EXPECT_EQ(looked_up.steps, walked.steps) << begin << ".." << stop;
            }
        }
    }
}

TEST(BestPhraseTrie, WalksFindEveryPhraseAndNothingElse) {
    PhraseTrie trie = make_phrase_trie(kAlphabet);
    const std::vector<std::string> phrases = {"ab", "abcde", "abd", "b", "gab"};
    for (std::size_t id = 0; id < phrases.size(); ++id) add_phrase(trie, phrase_of(phrases[id]), static_cast<int>(id));
    struct Walk {
        const char* letters;
        int phrase;  // at its end, or kNoPhrase; -2 when the walk falls off the trie
    };
    const Walk walks[] = {{"ab", 0},          {"abcde", 1},      {"abd", 2},   {"b", 3},  {"gab", 4},
                          {"abc", kNoPhrase}, {"ga", kNoPhrase}, {"abce", -2}, {"c", -2}, {"abdd", -2}};
    for (const Walk& walk : walks) {
        int node = 0;
        for (const std::uint8_t code : codes_of(walk.letters)) {
            node = trie_step(trie, node, code);
            if (node == 0) break;
        }
        EXPECT_EQ(node == 0 ? -2 : trie_phrase(trie, node), walk.phrase) << walk.letters;
    }
}

struct ReplacementCase {
    const char* text;
    std::vector<std::string> phrases;  // in the order they are made
};

TEST(BestCandidates, PairReplacementUntilNoPairOccursThreeTimes) {
    const ReplacementCase cases[] = {
        {"|abababab|", {"ab", "abab"}},
        {"|ababab|", {"ab"}},
        {"|abab|ab|", {"ab"}},
        {"|abab|ba|", {}},
        {"|abc|abc|abc|", {"bc", "abc"}},
        // Pairs never reach across the separator.
        {"|a|a|a|a|", {}},
    };
    for (const ReplacementCase& replacement : cases) {
        SCOPED_TRACE(replacement.text);
        PhraseSet set;
        set.char_count = kAlphabet;
        const std::vector<std::uint8_t> text = codes_of(replacement.text);
        add_replacement_phrases(set, text.data(), static_cast<int>(text.size()), 100);
        std::vector<std::string> expected;
        for (const std::string& phrase : replacement.phrases) expected.push_back(phrase_of(phrase));
        EXPECT_EQ(set.text, expected);
    }
}

TEST(BestCandidates, PairTablePhrasesExpandTheirCodes) {
    PhraseSet set;
    set.char_count = kAlphabet;
    // 8 = ab, 9 = (8, c), 10 = (9, 8)
    add_pair_table_phrases(set, {1, 2, 8, 3, 9, 8});
    EXPECT_EQ(set.text, (std::vector<std::string>{phrase_of("ab"), phrase_of("abc"), phrase_of("abcab")}));
}

struct NestingCase {
    const char* name;
    std::vector<std::uint8_t> pair_table;  // codes from kAlphabet on
    std::vector<std::uint8_t> stream;
    int deepest;
};

TEST(BestNesting, DeepestNestingOfTheStreamsCodes) {
    // 8 = (a, b): one level. 9 = (8, c): the left half nests, two levels.
    // 10 = (a, 9): a right half does not nest, still two. 11 = (9, 9): three.
    const std::vector<std::uint8_t> table = {1, 2, 8, 3, 1, 9, 9, 9};
    const NestingCase cases[] = {
        {"characters only", table, {0, 1, 2, 0}, 0}, {"one pair", table, {0, 8, 0}, 1},
        {"left nesting", table, {0, 8, 9, 0}, 2},    {"right half", table, {0, 10, 0}, 2},
        {"both", table, {0, 1, 11, 8, 0}, 3},
    };
    for (const NestingCase& nesting : cases) {
        const PhraseImage image{nesting.pair_table, nesting.stream};
        EXPECT_EQ(deepest_nesting(image, kAlphabet), nesting.deepest) << nesting.name;
    }
}

TEST(BestNumbering, ShorterPhrasesFirstEachWithItsShallowestSplit) {
    // abc splits as (ab, c), two levels deep, or as (a, bc), one level: the
    // latter is taken. Codes: ab 8, bc 9, abc 10.
    PhraseSet set;
    set.char_count = kAlphabet;
    for (const char* phrase : {"abc", "bc", "ab"}) add_phrase_text(set, phrase_of(phrase));
    const std::vector<std::uint8_t> text = codes_of("|abc|ab|bcab|");
    const int length = static_cast<int>(text.size());
    SearchState state;
    start_search(state, text.data(), length, std::move(set), {{1, 4}, {5, 7}, {8, 12}});
    EXPECT_EQ(state.stream_codes, 4);

    PhraseImage image;
    emit_phrase_image(state, length, image);
    EXPECT_EQ(image.pair_table, (std::vector<std::uint8_t>{1, 2, 2, 3, 1, 9}));
    EXPECT_EQ(image.code_stream, (std::vector<std::uint8_t>{0, 10, 0, 8, 0, 9, 8, 0}));
    EXPECT_EQ(deepest_nesting(image, kAlphabet), 1);
}

TEST(BestTextRuns, LongRecordsAreCutWhereTheDefaultCodesMeet) {
    // A record of 1,000 characters, coded by the default packer as pair
    // code 8 (ab) over and over: codes meet at every even position.
    std::string letters = "|";
    for (int i = 0; i < 500; ++i) letters += "ab";
    letters += "|c|";
    const std::vector<std::uint8_t> text = codes_of(letters);
    PhraseImage greedy;
    greedy.pair_table = {1, 2};
    greedy.code_stream.push_back(0);
    for (int i = 0; i < 500; ++i) greedy.code_stream.push_back(8);
    greedy.code_stream.insert(greedy.code_stream.end(), {0, 3, 0});

    const std::vector<TextRun> runs = text_runs(text.data(), static_cast<int>(text.size()), kAlphabet, greedy);
    ASSERT_GE(runs.size(), 5u);
    EXPECT_EQ(runs.front().begin, 1);
    EXPECT_EQ(runs[runs.size() - 2].end, 1001);
    EXPECT_EQ(runs.back().begin, 1002);
    EXPECT_EQ(runs.back().end, 1003);
    for (std::size_t k = 0; k + 2 < runs.size(); ++k) {
        EXPECT_EQ(runs[k].end, runs[k + 1].begin);
        EXPECT_EQ((runs[k].end - 1) % 2, 0) << "cut inside a code at " << runs[k].end;
    }
    for (const TextRun& run : runs) EXPECT_LE(run.end - run.begin, kLongestRun);
}

}  // namespace
}  // namespace vendrel
