// How a CPU's description times its routine: a function that takes the
// image's place in memory, for a CPU whose instructions take longer across
// a page boundary, and the packed codes.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "base/record_walker.h"

namespace vendrel {

struct CpuDescription;

// Where an image lies and how far its routine searches.
struct ImagePlace {
    int load_address = 0;   // of the routine's first byte
    int search_length = 0;  // bytes the search may pass: the stored codes, one more with -oa
};

// The time of each record of `records` (spans of codes' stream, in
// increasing order of number; one that is not closed is taken as followed
// by a code 0), in states of cpu, from the routine's first instruction to
// its return, the print routine counted as a bare return at the print
// address.
using RecordTimer = std::vector<std::uint64_t> (*)(const CpuDescription& cpu, const ImagePlace& place,
                                                  const PackedCodes& codes, std::span<const RecordSpan> records);

}  // namespace vendrel
