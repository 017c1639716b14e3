// Pruning the phrase set. By cost: the phrase whose removal costs least
// goes (with the phrases that could no longer be split without it), until
// at most max_phrases remain and each saves at least its two pair-table
// bytes. By nesting: how deep the unpack routine recurses to expand a
// code. It expands a left half by a recursive call and a right half by a
// jump, so a pair's nesting is one more than its left half's, or its right
// half's if that is deeper; a character's is 0.
#pragma once

#include <utility>
#include <vector>

#include "best/search_best_image.h"
#include "best/search_state.h"

namespace vendrel {

void prune_phrases(SearchState& state, int max_phrases);

inline constexpr int kNoSplit = -1;

// The shallowest split of every kept phrase into two kept symbols.
struct PhraseShapes {
    std::vector<int> order;                  // kept phrase ids, shorter first (then by text)
    std::vector<int> nesting;                // per phrase id; kNoSplit when it has no split
    std::vector<std::pair<int, int>> split;  // per phrase id: left and right symbol
};

PhraseShapes shape_phrases(const SearchState& state);

// The deepest nesting of any code in an image's code stream.
int deepest_nesting(const PhraseImage& image, int char_count);

// Drops the kept phrases that would nest deeper than max_nesting, or that
// have no split left, until none is left.
void limit_nesting(SearchState& state, int max_nesting);

}  // namespace vendrel
