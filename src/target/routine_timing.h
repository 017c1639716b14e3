// How long the unpack routines take to print a record on their own CPU.
#pragma once

#include <cstdint>
#include <vector>

#include "base/record_walker.h"
#include "target/routine_costs.h"

namespace vendrel {

// T-states an unpack routine whose paths cost costs (a CPU description's)
// takes on its own CPU to print record `record` (1 ..) of the code
// stream, from its first instruction to its return, counting the print
// routine as a bare RET at the print address. The record runs up to the
// next code 0 or, for the run after the last one, to the end of the stream
// (a 0 following it, as an image made with -oa needs). 0 when the stream
// has fewer than `record` codes 0.
std::uint64_t estimate_record_tstates(const RoutineCosts& costs, const PackedCodes& codes, int record);

// The same for every record closed by a code 0 (record k at index k - 1),
// in one pass over the stream.
std::vector<std::uint64_t> estimate_every_record(const RoutineCosts& costs, const PackedCodes& codes);

}  // namespace vendrel
