// The 6502 routine's time, cycle by cycle: unlike the Z80's and the
// i8080's, it depends on where the image lies, since an indexed load that
// crosses a page and a taken branch that lands on another page take a
// cycle more, and the scan and the record loop take longer where their
// pointer passes a page boundary or meets the low byte of the search's end.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "base/record_walker.h"
#include "target/cpu_description.h"
#include "target/record_timer.h"

namespace vendrel {

// NMOS cycles of the 6502 routine (cpu: its description, whose costs are
// those of paths that cross no page), its image at place, to print each of
// records: from its first instruction, the STA at the load address, to
// its final RTS, the print routine counted as a bare RTS at the print
// address (the 6 cycles of that RTS for each character). The JSR that
// calls the routine is not counted.
std::vector<std::uint64_t> time_mos6502_records(const CpuDescription& cpu, const ImagePlace& place,
                                                const PackedCodes& codes, std::span<const RecordSpan> records);

}  // namespace vendrel
