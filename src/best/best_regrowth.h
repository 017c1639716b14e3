// Regrowth: pair replacement run again over the parse of a pruned set, so
// that phrases made of the kept ones join the candidates; the larger set is
// pruned and improved again, and kept when the image got smaller.
#pragma once

#include "best/best_search_state.h"

namespace vendrel {

// A few rounds, each with fewer new phrases; a round that does not make the
// image smaller is undone. Leaves the state with the smallest set found.
void regrow_phrases(SearchState& state, int max_phrases, int max_nesting);

}  // namespace vendrel
