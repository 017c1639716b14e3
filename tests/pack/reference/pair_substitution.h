// One step of packing: the best candidate becomes the next pair code.
#pragma once

#include "base/job.h"

namespace vendrel::reference {

// The last code that can be assigned; it has the value of the end mark.
inline constexpr int kLastPairCode = 255;

// Gives next_code to the pair at the head of the candidate table: appends
// its two codes to the pair table at symbol_end, replaces its occurrences
// in the stream left to right without overlap, writes the end mark behind
// the shortened stream and sets packed_length. Returns false when the table
// is empty (nothing is assigned) or when code 255 has just been assigned;
// otherwise advances next_code and returns true. The stream must carry no
// marks.
bool substitute_best_pair(Job& job);

}  // namespace vendrel::reference
