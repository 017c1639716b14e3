// The packing driver: prepares the text and packs it by repeated pair
// substitution.
#pragma once

#include "base/job.h"

namespace vendrel {

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

// The same, with -best's image nesting at most nesting_cap levels (for a
// CPU whose stack is bounded); -1: as deep as it likes.
int pack_text(Job& job, int nesting_cap);

// The preparation passes that the flags ask for, in their fixed order:
// conversion table, Desktop import, line-end policy. Returns 0 or the error
// that a pass has reported.
int prepare_text(Job& job);

}  // namespace vendrel
