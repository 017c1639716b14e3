// Regrowth: pair replacement run again over the parse of a pruned set, so
// that phrases made of the kept ones join the candidates; the larger set is
// pruned and improved again, and kept when the image got smaller.
#pragma once

#include "pack/best_search_state.h"

namespace vendrel {

// At most rounds rounds; stops at the first that does not make the image
// smaller and leaves the state with the smallest set found.
void regrow_phrases(SearchState& state, int max_phrases, int max_nesting, int rounds);

}  // namespace vendrel
