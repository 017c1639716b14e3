// Regrowth and improvement of a pruned phrase set. Regrowth runs pair
// replacement again over the parse, so that phrases made of the kept ones
// join the candidates; improvement lets phrases made of two codes that
// often stand side by side in the parse join the set. Either way the
// larger set is pruned again and kept only when the image got smaller.
#pragma once

#include "best/search_state.h"

namespace vendrel {

// A few rounds of regrowth, each with fewer new phrases and each followed
// by rounds of improvement; a round that does not make the image smaller
// is undone. Leaves the state with the smallest set found.
void regrow_phrases(SearchState& state, int max_phrases, int max_nesting);

}  // namespace vendrel
