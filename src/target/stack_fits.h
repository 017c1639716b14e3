// The stack an image's routine takes at its deepest record, against the
// bound the job gives (-stack, or the CPU's default).
#pragma once

#include "base/job.h"

namespace vendrel {

// Bytes of stack that the routine of the job's CPU takes to print the
// deepest record of the packed text (stack_bytes at its nesting), without
// the call of the routine and what the print routine takes.
int image_stack_bytes(const Job& job);

// The deepest nesting whose stack the bound allows the job's CPU, or -1
// when the stack is not bounded.
int nesting_cap(const Job& job);

// Returns 0 when the deepest record's stack is within the bound, else
// kStackTooDeep (reported with the bytes it needs).
int check_stack_fits(const Job& job);

}  // namespace vendrel
