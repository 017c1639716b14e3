// Regrowth rounds. The parse becomes a stream of symbols (characters, and
// the char_count + id of phrases), runs separated by 0, and pair
// replacement makes new phrases from it as it did from the text.
#include "best/best_regrowth.h"

#include <string>
#include <vector>

#include "best/best_candidates.h"
#include "best/best_improvement.h"
#include "best/best_nesting.h"
#include "best/best_pruning.h"

namespace vendrel {

namespace {

// The most new phrases of each round. Later rounds start from the set the
// earlier ones left and add fewer, the most frequent pairs of its parse,
// which lets a round that a flood of newcomers spoilt find its way.
constexpr int kGrownPhrases[] = {6000, 1500, 375, 93};
constexpr int kImprovementRounds = 8;

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

}  // namespace

void regrow_phrases(SearchState& state, int max_phrases, int max_nesting) {
    SmallestKept smallest = smallest_so_far(state);
    std::vector<int> symbols;
    std::vector<std::string> texts;
    for (const int most : kGrownPhrases) {
        parse_symbols(state, symbols, texts);
        const std::vector<std::string> grown = replacement_phrases(symbols, texts, most);
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
