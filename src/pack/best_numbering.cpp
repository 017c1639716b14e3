// Numbering, splits and the final stream. Left halves are expanded by a
// recursive call on the target, right halves by a jump, so a phrase's
// nesting is one more than its left half's, or its right half's if deeper.
#include "pack/best_numbering.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace vendrel {

void emit_phrase_image(const SearchState& state, int length, PhraseImage& image) {
    const PhraseSet& set = state.set;
    const int n = set.char_count;
    std::vector<int> order = kept_phrases(state);
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        const std::string& x = set.text[static_cast<std::size_t>(a)];
        const std::string& y = set.text[static_cast<std::size_t>(b)];
        return x.size() != y.size() ? x.size() < y.size() : x < y;
    });

    std::vector<std::uint8_t> code(set.text.size(), 0);
    std::vector<int> nesting(set.text.size(), 0);
    auto code_of = [&](int symbol) { return symbol < n ? symbol : code[static_cast<std::size_t>(symbol - n)]; };
    auto nesting_of = [&](int symbol) { return symbol < n ? 0 : nesting[static_cast<std::size_t>(symbol - n)]; };
    auto usable = [&](int symbol) { return symbol < n || state.kept[static_cast<std::size_t>(symbol - n)]; };

    image.pair_table.clear();
    for (std::size_t k = 0; k < order.size(); ++k) {
        const std::size_t id = static_cast<std::size_t>(order[k]);
        code[id] = static_cast<std::uint8_t>(n + static_cast<int>(k));
        int best_depth = INT_MAX;
        std::pair<int, int> best_split{0, 0};
        for (const auto& [left, right] : set.splits[id]) {
            if (!usable(left) || !usable(right)) continue;
            const int depth = std::max(nesting_of(left) + 1, nesting_of(right));
            if (depth < best_depth) {
                best_depth = depth;
                best_split = {left, right};
            }
        }
        nesting[id] = best_depth;
        image.pair_table.push_back(static_cast<std::uint8_t>(code_of(best_split.first)));
        image.pair_table.push_back(static_cast<std::uint8_t>(code_of(best_split.second)));
    }

    image.code_stream.clear();
    ParseScratch scratch;
    const PhraseFilter filter{&state.kept, kNoPhrase};
    for (int i = 0; i < length;) {
        if (state.text[i] == 0) {
            image.code_stream.push_back(0);
            ++i;
            continue;
        }
        int end = i;
        while (end < length && state.text[end] != 0) ++end;
        emit_parse(state.trie, filter, state.text, i, end, scratch, code, image.code_stream);
        i = end;
    }
}

}  // namespace vendrel
