// What removing a phrase would cost the parse. A phrase goes together with
// every kept phrase that it leaves without a split: its removal group.
#pragma once

#include <vector>

#include "best/best_search_state.h"

namespace vendrel {

// Largest removal group considered; a phrase with a larger one stays.
inline constexpr int kLargestRemovalGroup = 8;

// Kept phrase id and every kept phrase that can no longer be split without
// the group, until none is left; empty when the group grows too large.
std::vector<int> removal_group(const SearchState& state, int id);

// Codes that the parse would grow by without the phrases of group. Each use
// of them is re-parsed within a window of a few codes around it, the rest of
// its run kept as it is, so the figure may be a little high but never low:
// the removal itself re-parses the runs whole.
int removal_growth(SearchState& state, const std::vector<int>& group);

}  // namespace vendrel
