// Line-end policies (-no-crlf, -crlf-spc, -only-cr, -only-lf).
#pragma once

#include "base/job.h"

namespace vendrel {

// One forward pass over the text in place: CR is kept when keep_cr is set,
// LF when keep_lf is set; each run of removed bytes becomes one space when
// to_space is set. Writes a new end mark.
void apply_line_end_policy(Job& job, bool keep_cr, bool keep_lf, bool to_space);

}  // namespace vendrel
