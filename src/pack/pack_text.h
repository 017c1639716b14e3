// The packing driver: prepares the text and packs it by repeated pair
// substitution.
#pragma once

#include "cli/job.h"

namespace vendrel {

// Packs the text in job.text_buffer (ended by the end mark). Returns 0;
// kTooManyCharacters (not yet reported: the caller reports it with
// job.char_count); or an error that a preparation pass already reported.
int pack_text(Job& job);

}  // namespace vendrel
