// What each record of a packed text holds, for the record listing and the
// include file: its text, its size in characters and in codes, its longest
// line and the time the routine needs to print it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/job.h"
#include "base/record_walker.h"
#include "target/cpu_description.h"
#include "target/routine_timing.h"

namespace vendrel {

// A packed text with the CPU whose routine prints it, and where its image
// lies, which the 6502's time depends on.
struct PackedText {
    const CpuDescription* cpu = &z80_cpu;
    ImagePlace place;
    PackedCodes codes;
};

// The packed text of a job after packing (symbol table and code stream in
// the text buffer) or after an image was recognised (both inside the image).
PackedText packed_text_of(const Job& job);

struct RecordSummary {
    int number = 0;          // 1 ..
    std::string text;        // without its separator
    int codes = 0;           // codes in the stream, separator not counted
    int longest_line = 0;    // characters between line ends
    std::uint64_t tstates = 0;
    int nesting = 0;         // levels of pair expansion pending at its deepest character
    int stack = 0;           // bytes of stack the routine takes for it (stack_bytes)
    bool open = false;       // the run after the last separator
};

// Every record closed by a separator, then the run after the last
// separator, if any, marked open: the routine prints it only when a 0 byte
// follows the image in memory.
std::vector<RecordSummary> summarize_records(const PackedText& packed);

// The first characters of a text as one line: CR, LF, TAB and backslash
// escaped, other control bytes and bytes from 127 on as \xNN; at most width
// characters of the text are shown, "..." marks a cut.
std::string record_preview(std::string_view text, std::size_t width);

}  // namespace vendrel
