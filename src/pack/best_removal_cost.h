// What removing one phrase would cost the parse.
#pragma once

#include "pack/best_search_state.h"

namespace vendrel {

// Codes that the parse would grow by without phrase id. Each use of the
// phrase is re-parsed within a window of a few codes around it, the rest
// of its run kept as it is, so the figure may be a little high but never
// low: the removal itself re-parses the runs whole.
int removal_growth(SearchState& state, int id);

}  // namespace vendrel
