// Pruning the phrase set. By cost: the phrase whose removal costs least
// goes (with the phrases that could no longer be split without it), until
// at most max_phrases remain and each saves at least its two pair-table
// bytes. By nesting: how deep the unpack routine recurses to expand a code
// (phrase_shapes.h).
#pragma once

#include <vector>

#include "best/phrase_shapes.h"
#include "best/search_state.h"

namespace vendrel {

void prune_phrases(SearchState& state, int max_phrases);

// Drops the phrases that save the fewest codes, with their removal groups,
// until the parse takes at least state.least_codes codes; for when the
// work ran out before pruning got there. False when it cannot get there
// (no phrase left, or every removal group too large).
bool give_back_codes(SearchState& state);

// Drops the kept phrases that would nest deeper than max_nesting, or that
// have no split left, until none is left.
void limit_nesting(SearchState& state, int max_nesting);

}  // namespace vendrel
