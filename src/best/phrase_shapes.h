// How deep the unpack routine recurses to expand a code. It expands a left
// half by a recursive call and a right half by a jump, so a pair's nesting
// is one more than its left half's, or its right half's if that is deeper;
// a character's is 0. Each level takes 4 more bytes of the target's stack.
#pragma once

#include <utility>
#include <vector>

#include "best/search_best_image.h"
#include "best/search_state.h"

namespace vendrel {

inline constexpr int kNoSplit = -1;

// The shallowest split of every kept phrase into two kept symbols.
struct PhraseShapes {
    std::vector<int> order;                  // kept phrase ids, shorter first (then by text)
    std::vector<int> nesting;                // per phrase id; kNoSplit when it has no split
    std::vector<std::pair<int, int>> split;  // per phrase id: left and right symbol
};

PhraseShapes shape_phrases(const SearchState& state);

// The deepest nesting of any code in each record of an image's code stream
// (the text after each code 0 up to the next), and over the whole stream.
std::vector<int> record_nesting(const PhraseImage& image, int char_count);
int deepest_nesting(const PhraseImage& image, int char_count);

}  // namespace vendrel
