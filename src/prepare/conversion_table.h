// The conversion table (-ct): a file of "from to" byte definitions that
// remap the source text before packing.
#pragma once

#include "base/job.h"

namespace vendrel {

// Allocates job.conversion_table and reads job.conversion_path into it,
// setting job.conversion_count. Returns 0 or a reported error (-2, -24 to -27).
int read_conversion_table(Job& job);

// Replaces every byte of the text up to the end mark by its to-code; the
// earliest definition of a from-code wins and definitions do not chain.
void apply_conversion_table(Job& job);

// First position at or after text that does not hold white space (space,
// TAB, LF, VT, FF, CR); may be the terminating NUL.
const char* skip_white_space(const char* text);

}  // namespace vendrel
