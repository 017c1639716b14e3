// Pruning the phrase set: the phrase whose removal costs least goes, until
// few enough remain and each saves at least its two pair-table bytes.
#pragma once

#include "pack/best_search_state.h"

namespace vendrel {

// Two bytes per pair code in the pair table.
inline constexpr int kPairBytes = 2;

void prune_phrases(SearchState& state, int max_phrases);

}  // namespace vendrel
