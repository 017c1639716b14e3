// The plain packer, kept as the reference that the program's packer must
// match byte for byte. Every counting pass here rescans the code stream just
// as the packing rules are worded; the program's packer reaches the same
// result with grouped positions and counts taken once per step.
#pragma once

#include "base/job.h"

namespace vendrel::reference {

// Packs the text in job.text_buffer (ended by the end mark). Returns 0;
// kTooManyCharacters (not yet reported: the caller reports it with
// job.char_count); or an error that a preparation pass already reported.
//
// Runs the preparation passes that the flags ask for, then leaves the code
// stream at the start of text_buffer (packed_length codes, which may include
// code 255), the symbol table (symbol_table_size bytes) and the counts
// source_length, char_count, record_count and next_code. The candidate table
// must be empty on entry, as in a fresh Job.
int pack_text(Job& job);

}  // namespace vendrel::reference
