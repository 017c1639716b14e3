// Improvement rounds. Adjacent codes of the current parse are counted per
// pair of symbols; the most frequent pairs (3 uses or more) become phrases,
// all at once, so that newcomers which help each other come in together.
#include "pack/best_improvement.h"

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "pack/best_nesting.h"
#include "pack/best_pruning.h"

namespace vendrel {

namespace {

// Newcomers of one round.
constexpr int kPairsPerRound = 256;
constexpr int kMinUses = 3;
// Trie steps of parsing that the rounds may take, per round allowed: a
// text on which they come dear (long runs of one character) gets fewer.
constexpr long long kWorkPerRound = 8'000'000;

std::string symbol_text(const SearchState& state, int symbol) {
    const int n = state.set.char_count;
    return symbol < n ? std::string(1, static_cast<char>(symbol))
                      : state.set.text[static_cast<std::size_t>(symbol - n)];
}

// The texts of the most frequent pairs of adjacent codes in the parse.
std::vector<std::string> frequent_neighbours(const SearchState& state) {
    const int n = state.set.char_count;
    std::map<std::pair<int, int>, int> uses;
    for (const TextRun& run : state.runs) {
        int previous = -1;
        for (int at = run.begin; at < run.end; at += state.piece_length[static_cast<std::size_t>(at)]) {
            const int phrase = state.piece_phrase[static_cast<std::size_t>(at)];
            const int symbol = phrase == kNoPhrase ? state.text[at] : n + phrase;
            if (previous >= 0) ++uses[{previous, symbol}];
            previous = symbol;
        }
    }
    std::vector<std::pair<int, std::pair<int, int>>> ranked;
    for (const auto& [pair, count] : uses) {
        if (count >= kMinUses) ranked.emplace_back(-count, pair);
    }
    std::sort(ranked.begin(), ranked.end());
    if (ranked.size() > static_cast<std::size_t>(kPairsPerRound)) ranked.resize(kPairsPerRound);
    std::vector<std::string> texts;
    for (const auto& [count, pair] : ranked) {
        texts.push_back(symbol_text(state, pair.first) + symbol_text(state, pair.second));
    }
    return texts;
}

}  // namespace

void improve_phrases(SearchState& state, int max_phrases, int max_nesting, int rounds) {
    limit_nesting(state, max_nesting);
    SmallestKept smallest = smallest_so_far(state);
    const long long budget = state.scratch.steps + kWorkPerRound * rounds;
    for (int round = 0; round < rounds && state.scratch.steps < budget; ++round) {
        const std::vector<std::string> texts = frequent_neighbours(state);
        if (texts.empty()) break;
        keep_also(state, texts);
        prune_phrases(state, max_phrases);
        limit_nesting(state, max_nesting);
        if (!take_if_smaller(state, max_phrases, smallest)) break;
    }
    restore_kept(state, smallest.kept);
}

}  // namespace vendrel
