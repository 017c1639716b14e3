// Expansion of records of a recognised packed image back to text (-x).
#pragma once

#include "cli/job.h"

namespace vendrel {

// Expands records extract_from..extract_to into job.image_buffer, sets
// final_length, and prints them on standard output when no output file is
// given. Returns 0, or kExtractedTextTooLong (reported) when the text would
// not fit the image buffer (nothing is printed then).
int extract_records(Job& job);

}  // namespace vendrel
