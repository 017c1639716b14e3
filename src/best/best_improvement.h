// Local improvement of a pruned phrase set: phrases made of two codes that
// often stand side by side in the parse join the set, the set is pruned
// again (the phrases that cost least going first), and the change stays
// only when the image got smaller.
#pragma once

#include "best/best_search_state.h"

namespace vendrel {

// A round that does not make the image smaller is undone, and the next one
// takes fewer newcomers; stops when too few are left, after rounds rounds,
// or when the rounds have used up their work. Leaves the state with the
// smallest set found. Every set it looks at is held to
// max_nesting first (limit_nesting).
void improve_phrases(SearchState& state, int max_phrases, int max_nesting, int rounds);

}  // namespace vendrel
