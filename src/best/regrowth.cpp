// Regrowth rounds: the parse becomes a stream of symbols (characters, and
// the char_count + id of phrases), runs separated by 0, and pair
// replacement makes new phrases from it as it did from the text.
//
// Improvement rounds: adjacent codes of the current parse are counted per
// pair of symbols; the most frequent pairs (3 uses or more) become phrases,
// all at once, so that newcomers which help each other come in together.
// When so many newcomers crowd out good phrases and the round fails, it is
// undone and tried again with a quarter of them.
#include "best/regrowth.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "best/candidates.h"
#include "best/pruning.h"

namespace vendrel {

namespace {

// The most new phrases of each regrowth round, a quarter as many each
// time. Later rounds start from the set the earlier ones left and add
// fewer, the most frequent pairs of its parse. Under a work bound of 500
// steps per character of the text, rounds of 375, 93 and 23 took the 17 texts of
// scripts/best-corpus.sh to 1.85 % smaller in total (with 1,000 first
// candidates), rounds of 6,000 to 93 to 1.78 %: a small first round leaves
// work for the others.
constexpr int kGrownPhrases[] = {375, 93, 23};

// Improvement rounds after each regrowth round, at most; most end earlier
// (a failed round with too few newcomers left, or the work used up). On
// the benchmark inputs 2 to 8 rounds run. No figures for other counts are
// recorded.
constexpr int kImprovementRounds = 8;

// Newcomers of the first improvement round. 256 since the first version;
// 1,024 was tried and brought back to 256 when regrowth came in, with no
// figures recorded either way.
constexpr int kPairsPerRound = 256;
// A round that failed is undone and tried again with a quarter of its
// newcomers (256, 64, 16): part of the change from 1.94 % to 2.00 % above.
constexpr int kFewerPairs = 4;
// Fewer newcomers than this end the rounds, so at most three batch sizes
// are tried; no measurement of other limits is recorded.
constexpr int kFewestPairs = 16;
// A phrase of two codes used k times saves k codes and costs 2 pair-table
// bytes: it gains from 3 uses on.
constexpr int kMinUses = 3;
// The work the improvement rounds may take, per round allowed, in trie
// steps (ParseScratch::steps; checked before each round). A text on which
// the rounds come dear, such as long runs of one character, gets fewer.
// On the six 65,535-byte benchmark inputs the rounds after one regrowth
// round take 1.8 to 24 million steps of the 64 million allowed, except on
// the repetitive one, where two or three rounds take 72 to 96 million and
// the budget ends them. Counted in trie steps, never in time, the budget
// ends the rounds at the same place on every machine.
constexpr long long kWorkPerRound = 8'000'000;

// The smallest set of kept phrases a search loop has seen, and its size.
struct SmallestKept {
    std::vector<std::uint8_t> kept;
    long long size;
};

SmallestKept smallest_so_far(const SearchState& state) { return {state.kept, search_size(state)}; }

// Takes the state's set as the smallest when it has at most max_phrases
// phrases and is smaller; false when it is not, which ends a search loop.
bool take_if_smaller(const SearchState& state, int max_phrases, SmallestKept& smallest) {
    if (state.kept_count > max_phrases || search_size(state) >= smallest.size) return false;
    smallest = smallest_so_far(state);
    return true;
}

// The parse as symbols, and the characters of every symbol.
void parse_symbols(const SearchState& state, std::vector<int>& symbols, std::vector<std::string>& texts) {
    const int n = state.set.char_count;
    texts.clear();
    for (int i = 0; i < n; ++i) texts.emplace_back(1, static_cast<char>(i));
    texts.insert(texts.end(), state.set.text.begin(), state.set.text.end());
    symbols.clear();
    for (const TextRun& run : state.runs) {
        for (int at = run.begin; at < run.end; at += state.piece_length[static_cast<std::size_t>(at)]) {
            const int phrase = state.piece_phrase[static_cast<std::size_t>(at)];
            symbols.push_back(phrase == kNoPhrase ? state.text[at] : n + phrase);
        }
        symbols.push_back(0);
    }
}

std::string symbol_text(const SearchState& state, int symbol) {
    const int n = state.set.char_count;
    return symbol < n ? std::string(1, static_cast<char>(symbol))
                      : state.set.text[static_cast<std::size_t>(symbol - n)];
}

// The texts of the most frequent pairs of adjacent codes in the parse, the
// most frequent first, ties in the order of their symbols.
std::vector<std::string> frequent_neighbours(const SearchState& state, int most) {
    const int n = state.set.char_count;
    std::vector<std::uint64_t> neighbours;  // left symbol above, right symbol below
    for (const TextRun& run : state.runs) {
        std::uint64_t previous = 0;
        bool first = true;
        for (int at = run.begin; at < run.end; at += state.piece_length[static_cast<std::size_t>(at)]) {
            const int phrase = state.piece_phrase[static_cast<std::size_t>(at)];
            const auto symbol = static_cast<std::uint64_t>(phrase == kNoPhrase ? state.text[at] : n + phrase);
            if (!first) neighbours.push_back(previous << 32 | symbol);
            previous = symbol;
            first = false;
        }
    }
    std::sort(neighbours.begin(), neighbours.end());
    std::vector<std::pair<int, std::uint64_t>> ranked;
    for (std::size_t k = 0; k < neighbours.size();) {
        std::size_t end = k;
        while (end < neighbours.size() && neighbours[end] == neighbours[k]) ++end;
        const int count = static_cast<int>(end - k);
        if (count >= kMinUses) ranked.emplace_back(-count, neighbours[k]);
        k = end;
    }
    std::sort(ranked.begin(), ranked.end());
    if (ranked.size() > static_cast<std::size_t>(most)) ranked.resize(static_cast<std::size_t>(most));
    std::vector<std::string> texts;
    for (const auto& [count, pair] : ranked) {
        texts.push_back(symbol_text(state, static_cast<int>(pair >> 32)) +
                        symbol_text(state, static_cast<int>(pair & 0xFFFFFFFF)));
    }
    return texts;
}

// A round that does not make the image smaller is undone, and the next one
// takes fewer newcomers; stops when too few are left, after rounds rounds,
// or when the rounds have used up their work. Leaves the state with the
// smallest set found. Every set it looks at is held to max_nesting first
// (limit_nesting).
void improve_phrases(SearchState& state, int max_phrases, int max_nesting, int rounds) {
    limit_nesting(state, max_nesting);
    SmallestKept smallest = smallest_so_far(state);
    const long long budget = state.scratch.steps + kWorkPerRound * rounds;
    int batch = kPairsPerRound;
    for (int round = 0; round < rounds && state.scratch.steps < budget && !out_of_work(state); ++round) {
        const std::vector<std::string> texts = frequent_neighbours(state, batch);
        if (texts.empty()) break;
        keep_also(state, texts);
        prune_phrases(state, max_phrases);
        forget_dropped_phrases(state);
        limit_nesting(state, max_nesting);
        if (take_if_smaller(state, max_phrases, smallest)) continue;
        batch /= kFewerPairs;
        if (batch < kFewestPairs) break;
        restore_kept(state, smallest.kept);
    }
    restore_kept(state, smallest.kept);
}

}  // namespace

void regrow_phrases(SearchState& state, int max_phrases, int max_nesting) {
    SmallestKept smallest = smallest_so_far(state);
    std::vector<int> symbols;
    std::vector<std::string> texts;
    for (const int most : kGrownPhrases) {
        if (out_of_work(state)) break;
        parse_symbols(state, symbols, texts);
        const std::vector<std::string> grown = replacement_phrases(symbols, texts, most, &state.scratch.steps);
        if (grown.empty()) break;
        keep_also(state, grown);
        prune_phrases(state, max_phrases);
        forget_dropped_phrases(state);
        improve_phrases(state, max_phrases, max_nesting, kImprovementRounds);
        if (!take_if_smaller(state, max_phrases, smallest)) restore_kept(state, smallest.kept);
    }
    restore_kept(state, smallest.kept);
}

}  // namespace vendrel
