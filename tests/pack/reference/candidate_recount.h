// After a substitution, the candidates that share a code with the replaced
// pair may occur less often, or not at all. Both recounts first remove the
// head (the pair just replaced) and then set the counts of such affected
// candidates right. The stream carries no marks while they run.
#pragma once

#include <cstdint>

#include "base/job.h"

namespace vendrel::reference {

// Occurrences of (left, right) in the stream, counted left to right without
// overlap: exactly the number of replacements the pair would get now.
std::uint16_t count_pair(const Job& job, std::uint8_t left, std::uint8_t right);

// The default recount. Removes the head keeping the old last entry, then
// walks the table from the head; each affected entry whose count is wrong
// is removed and entered again with its new count (insert_candidate_unique),
// and the walk starts over at the head.
void recount_candidates(Job& job);

// The recount of -oa. Removes the head dropping the old last entry, then
// takes exactly 255 steps: a corrected entry is removed and entered again,
// and the step that follows looks at the same place again; otherwise the
// walk moves on. Entries behind the places reached keep their old counts.
void recount_candidates_single_pass(Job& job);

}  // namespace vendrel::reference
