// The initial counting pass over the fresh code stream.
#pragma once

#include "base/job.h"
#include "pack/pack_workspace.h"

namespace vendrel {

// Counts the adjacent pairs of the code stream into the empty candidate
// table with the plain insertion: each pair from its first occurrence that
// an earlier count has not taken, left to right without overlap. In a run
// of one code both alignments of the run are counted, so such a pair may be
// entered twice.
void count_initial_pairs(Job& job, PackWorkspace& work);

}  // namespace vendrel
