// Local improvement of a pruned phrase set: phrases made of two codes that
// often stand side by side in the parse join the set, the set is pruned
// again (the phrases that cost least going first), and the change stays
// only when the image got smaller.
#pragma once

#include "pack/best_search_state.h"

namespace vendrel {

// Stops at the first round that does not make the image smaller, or after
// rounds rounds, and leaves the state with the smallest set found.
void improve_phrases(SearchState& state, int max_phrases, int rounds);

}  // namespace vendrel
