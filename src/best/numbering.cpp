// Numbering, pair table and the final stream. Phrases are numbered shorter
// first, so both halves of each have smaller codes, and each gets its
// shallowest split; every record is then parsed whole, without the cuts
// that the search made in long ones.
#include "best/numbering.h"

#include <cstdint>

#include "best/phrase_shapes.h"

namespace vendrel {

void emit_phrase_image(const SearchState& state, int length, PhraseImage& image, bool cut_as_searched) {
    const int n = state.set.char_count;
    const PhraseShapes shapes = shape_phrases(state);
    std::vector<std::uint8_t> code(state.set.text.size(), 0);
    auto code_of = [&](int symbol) {
        return symbol < n ? static_cast<std::uint8_t>(symbol) : code[static_cast<std::size_t>(symbol - n)];
    };
    image.pair_table.clear();
    for (std::size_t k = 0; k < shapes.order.size(); ++k) {
        const std::size_t id = static_cast<std::size_t>(shapes.order[k]);
        code[id] = static_cast<std::uint8_t>(n + static_cast<int>(k));
        image.pair_table.push_back(code_of(shapes.split[id].first));
        image.pair_table.push_back(code_of(shapes.split[id].second));
    }

    image.code_stream.clear();
    ParseScratch scratch;
    PhraseFilter filter{&state.kept, kNoPhrase};
    if (!state.run_nesting.empty()) filter.nesting = &shapes.nesting;
    for (int i = 0; i < length;) {
        if (state.text[i] == 0) {
            image.code_stream.push_back(0);
            ++i;
            continue;
        }
        const int run = state.run_of[static_cast<std::size_t>(i)];
        if (!state.run_nesting.empty()) filter.max_nesting = state.run_nesting[static_cast<std::size_t>(run)];
        int end = i;
        if (cut_as_searched) {
            end = state.runs[static_cast<std::size_t>(run)].end;
        } else {
            while (end < length && state.text[end] != 0) ++end;
        }
        emit_parse(state.trie, filter, state.text, i, end, scratch, code, image.code_stream);
        i = end;
    }
}

}  // namespace vendrel
