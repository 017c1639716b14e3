// How long the unpack routines take to print a record on their own CPU.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "base/record_walker.h"
#include "target/cpu_description.h"
#include "target/record_timer.h"

namespace vendrel {

// States (T-states of the Z80 and the i8080, cycles of the 6502) that cpu's
// routine, its image at place, takes to print record `record` (1 ..) of
// the code stream, from its first instruction to its return, counting the
// print routine as a bare return at the print address (RET, or the 6502's
// RTS). The record runs up to the next code 0 or, for the run after the
// last one, to the end of the stream (a 0 following it, as an image made
// with -oa needs). 0 when the stream has fewer than `record` codes 0.
std::uint64_t estimate_record_tstates(const CpuDescription& cpu, const ImagePlace& place, const PackedCodes& codes,
                                      int record);

// The same for every record closed by a code 0 (record k at index k - 1),
// in one pass over the stream.
std::vector<std::uint64_t> estimate_every_record(const CpuDescription& cpu, const ImagePlace& place,
                                                 const PackedCodes& codes);

// The timer of a CPU whose routine takes the same time wherever its image
// lies: from the fixed costs of its paths (cpu.costs).
std::vector<std::uint64_t> time_records_by_costs(const CpuDescription& cpu, const ImagePlace& place,
                                                 const PackedCodes& codes, std::span<const RecordSpan> records);

}  // namespace vendrel
