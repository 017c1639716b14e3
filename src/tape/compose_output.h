// The output that a packing run's options ask for: the raw image for its CPU,
// or the CPU's tape file holding it.
#pragma once

#include "base/job.h"

namespace vendrel {

// Composes the output into job.image_buffer and sets routine_length,
// total_length and final_length; with -vb it says which. Returns 0, or
// kOutputTooLong (reported, nothing composed) when it would not fit.
int compose_output(Job& job);

}  // namespace vendrel
