// Pruning the phrase set: the phrase whose removal costs least goes (with
// the phrases that could no longer be split without it), until at most
// max_phrases remain and each saves at least its two pair-table bytes.
#pragma once

#include "best/best_search_state.h"

namespace vendrel {

// Two bytes per pair code in the pair table.
inline constexpr int kPairBytes = 2;

void prune_phrases(SearchState& state, int max_phrases);

}  // namespace vendrel
