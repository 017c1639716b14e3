// One step of packing: the best candidate becomes the next pair code.
#pragma once

#include "base/job.h"
#include "pack/pack_workspace.h"

namespace vendrel {

// The last code that can be assigned; it has the value of the end mark.
inline constexpr int kLastPairCode = 255;

// Gives next_code to the pair at the head of the candidate table: appends
// its two codes to the pair table at symbol_end, replaces its occurrences
// in the chained stream of the work tables left to right without overlap,
// brings the lists of occurrences and the pair counts up to date, lowers
// packed_length, notes where the new code stands, and leaves in
// work.affected the counts of every pair that holds one of the two codes
// just replaced: the only counts the recount needs. Returns false when the
// table is empty (nothing is assigned) or when code 255 has just been
// assigned; otherwise advances next_code and returns true.
bool substitute_best_pair(Job& job, PackWorkspace& work);

}  // namespace vendrel
