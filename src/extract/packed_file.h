// The packed image an extraction reads: the loaded file itself when it is
// a raw image, or one of the images that a TAP or PTP file carries.
#pragma once

#include "base/job.h"

namespace vendrel {

// Recognises the packed image in the file loaded in the text buffer
// (source_length bytes), as recognise_known_image does, and sets the same
// fields. A raw image is read where it is. A TAP or PTP file is read block
// by block; the image asked for with tape_block (the first when 0), counted
// among the files on the tape that hold a packed image, is moved to the
// start of the text buffer, the rest of the file there is cleared, and
// source_length becomes the image's length. Uses the image buffer as
// scratch.
//
// Returns 0; kNotPackedFile when the file is neither a raw image nor an
// intact tape file holding one; kBadTapeBlock when it holds fewer images
// than the block asked for (a raw image holds one). Both are reported, and
// leave symbol_table and symbol_end as they were.
int recognise_packed_file(Job& job);

}  // namespace vendrel
