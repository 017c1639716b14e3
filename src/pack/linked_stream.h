// The code stream as the substitution steps keep it: codes at the places of
// their text bytes, chained to their neighbours, and grouped by code.
#pragma once

#include "base/job.h"
#include "pack/pack_workspace.h"

namespace vendrel {

// Chains the fresh code stream of packed_length codes and lists the
// positions of every code.
void link_stream(const Job& job, PackWorkspace& work);

// Writes the chained stream back as one run of codes from the first byte
// of the text buffer, followed by the end mark. packed_length already holds
// its length.
void write_linked_stream(Job& job, const PackWorkspace& work);

}  // namespace vendrel
