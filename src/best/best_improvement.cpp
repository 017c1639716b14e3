// Improvement rounds. Adjacent codes of the current parse are counted per
// pair of symbols; the most frequent pairs (3 uses or more) become phrases,
// all at once, so that newcomers which help each other come in together.
// When so many newcomers crowd out good phrases and the round fails, it is
// undone and tried again with a quarter of them.
#include "best/best_improvement.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "best/best_nesting.h"
#include "best/best_pruning.h"

namespace vendrel {

namespace {

// Newcomers of one round: at first, after a failed round, and the fewest
// worth a round.
constexpr int kPairsPerRound = 256;
constexpr int kFewerPairs = 4;
constexpr int kFewestPairs = 16;
constexpr int kMinUses = 3;
// Trie steps of parsing that the rounds may take, per round allowed: a
// text on which they come dear (long runs of one character) gets fewer.
constexpr long long kWorkPerRound = 8'000'000;

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

}  // namespace

void improve_phrases(SearchState& state, int max_phrases, int max_nesting, int rounds) {
    limit_nesting(state, max_nesting);
    SmallestKept smallest = smallest_so_far(state);
    const long long budget = state.scratch.steps + kWorkPerRound * rounds;
    int batch = kPairsPerRound;
    for (int round = 0; round < rounds && state.scratch.steps < budget; ++round) {
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

}  // namespace vendrel
