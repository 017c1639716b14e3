// After a substitution, the pairs that the new code forms with its
// neighbours are not in the candidate table yet; this pass counts and
// enters them.
#pragma once

#include "base/job.h"
#include "pack/pack_workspace.h"

namespace vendrel {

// The new code is next_code - 1. A first walk counts the pairs with the new
// code on the left, a second those with it on the right. While next_code is
// below 128 the walks mark the occurrences they count and enter pairs with
// insert_candidate; from 128 on they mark nothing and enter pairs with
// insert_candidate_unique, which keeps only the count from the first
// occurrence.
void count_new_code_pairs(Job& job, PackWorkspace& work);

}  // namespace vendrel
