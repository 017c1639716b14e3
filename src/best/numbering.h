// Writing the search's result: the kept phrases numbered as pair codes, the
// pair table, and the code stream of the whole text's optimal parse.
#pragma once

#include "best/search_best_image.h"
#include "best/search_state.h"

namespace vendrel {

// Numbers the kept phrases by length, so both halves of a phrase have
// smaller codes, and gives each its shallowest split; then parses every
// record whole, or, with cut_as_searched, every run of the search, so that
// the stream takes exactly the search's codes. A run is parsed with only the
// phrases that nest no deeper than it may (run_nesting, when set). Every
// kept phrase must have a split (limit_nesting makes sure of it).
void emit_phrase_image(const SearchState& state, int length, PhraseImage& image, bool cut_as_searched = false);

}  // namespace vendrel
