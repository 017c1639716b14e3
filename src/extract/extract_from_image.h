// Extraction mode: the loaded file is recognised as a packed image and the
// records asked for are expanded.
#pragma once

#include "base/job.h"

namespace vendrel {

// Recognises the packed image loaded in the text buffer (source_length
// bytes): a raw image, or one that a TAP or PTP file carries (see
// recognise_packed_file); then expands records extract_from..extract_to.
// Returns 0, kNotPackedFile when the file holds no image, kBadTapeBlock when
// a tape holds none at the block asked for, or the error of the extraction
// (each reported). The Job's own symbol table is back in its field on return.
int extract_from_image(Job& job);

}  // namespace vendrel
