// Cutting the text into runs. A cut forces a code boundary, so long records
// are cut only where the default packer's stream has one, about every half
// run length, which leaves the parse almost as short as without the cut.
#include "best/best_text_runs.h"

namespace vendrel {

namespace {

// Positions of the text where a code of the default packer's stream starts;
// none when the stream does not expand to the text's length.
std::vector<std::uint8_t> greedy_boundaries(int length, int char_count, const PhraseImage& greedy) {
    std::vector<int> expanded(static_cast<std::size_t>(char_count), 1);
    for (std::size_t k = 0; k + 1 < greedy.pair_table.size(); k += 2) {
        expanded.push_back(expanded[greedy.pair_table[k]] + expanded[greedy.pair_table[k + 1]]);
    }
    std::vector<std::uint8_t> boundary(static_cast<std::size_t>(length) + 1, 0);
    int at = 0;
    for (const std::uint8_t code : greedy.code_stream) {
        if (code >= expanded.size() || at >= length) return std::vector<std::uint8_t>(boundary.size(), 0);
        boundary[static_cast<std::size_t>(at)] = 1;
        at += expanded[code];
    }
    if (at != length) return std::vector<std::uint8_t>(boundary.size(), 0);
    return boundary;
}

}  // namespace

std::vector<TextRun> text_runs(const std::uint8_t* text, int length, int char_count, const PhraseImage& greedy) {
    const std::vector<std::uint8_t> boundary = greedy_boundaries(length, char_count, greedy);
    std::vector<TextRun> runs;
    int i = 0;
    while (i < length) {
        if (text[i] == 0) {
            ++i;
            continue;
        }
        int end = i;
        while (end < length && text[end] != 0) ++end;
        while (end - i > kLongestRun) {
            int cut = i + kLongestRun / 2;
            while (cut < i + kLongestRun && !boundary[static_cast<std::size_t>(cut)]) ++cut;
            runs.push_back({i, cut});
            i = cut;
        }
        runs.push_back({i, end});
        i = end;
    }
    return runs;
}

}  // namespace vendrel
