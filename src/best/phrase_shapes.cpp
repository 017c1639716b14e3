// Nesting: shallowest splits, in order of length: a phrase's halves are
// shorter, so their nesting is known when the phrase comes. Ties go to the
// earlier cut.
#include "best/phrase_shapes.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace vendrel {

PhraseShapes shape_phrases(const SearchState& state) {
    const PhraseSet& set = state.set;
    const int n = set.char_count;
    PhraseShapes shapes;
    shapes.order = kept_phrases(state);
    std::sort(shapes.order.begin(), shapes.order.end(), [&](int a, int b) {
        const std::string& x = set.text[static_cast<std::size_t>(a)];
        const std::string& y = set.text[static_cast<std::size_t>(b)];
        return x.size() != y.size() ? x.size() < y.size() : x < y;
    });
    shapes.nesting.assign(set.text.size(), kNoSplit);
    shapes.split.assign(set.text.size(), {0, 0});
    auto nesting_of = [&](int symbol) { return symbol < n ? 0 : shapes.nesting[static_cast<std::size_t>(symbol - n)]; };
    for (const int id : shapes.order) {
        int& nesting = shapes.nesting[static_cast<std::size_t>(id)];
        for (const auto& [left, right] : set.splits[static_cast<std::size_t>(id)]) {
            const int left_nesting = nesting_of(left);
            const int right_nesting = nesting_of(right);
            if (left_nesting == kNoSplit || right_nesting == kNoSplit) continue;
            if (left >= n && !state.kept[static_cast<std::size_t>(left - n)]) continue;
            if (right >= n && !state.kept[static_cast<std::size_t>(right - n)]) continue;
            const int depth = std::max(left_nesting + 1, right_nesting);
            if (nesting == kNoSplit || depth < nesting) {
                nesting = depth;
                shapes.split[static_cast<std::size_t>(id)] = {left, right};
            }
        }
    }
    return shapes;
}

std::vector<int> record_nesting(const PhraseImage& image, int char_count) {
    const std::size_t pairs = image.pair_table.size() / 2;
    std::vector<int> nesting(pairs, 0);
    auto nesting_of = [&](int code) {
        return code < char_count ? 0 : nesting[static_cast<std::size_t>(code - char_count)];
    };
    for (std::size_t k = 0; k < pairs; ++k) {
        const int left = image.pair_table[2 * k];
        const int right = image.pair_table[2 * k + 1];
        if (left >= char_count + static_cast<int>(k) || right >= char_count + static_cast<int>(k)) continue;
        nesting[k] = std::max(nesting_of(left) + 1, nesting_of(right));
    }
    std::vector<int> records;
    for (const std::uint8_t code : image.code_stream) {
        if (code == 0) {
            records.push_back(0);
        } else if (!records.empty() && code < char_count + static_cast<int>(pairs)) {
            records.back() = std::max(records.back(), nesting_of(code));
        }
    }
    return records;
}

int deepest_nesting(const PhraseImage& image, int char_count) {
    const std::vector<int> records = record_nesting(image, char_count);
    return records.empty() ? 0 : *std::max_element(records.begin(), records.end());
}

}  // namespace vendrel
