// The command line: options, their checks and the derived defaults.
#pragma once

#include "base/job.h"

namespace vendrel {

// Creates the Job (handed back through job as soon as it is allocated, even
// when the parse fails) and fills it from the arguments. Returns 0 when the
// run goes on, -1 when usage was asked for, or a reported error code.
int parse_command_line(int argc, const char* const* argv, Job*& job);

// Value of a numeric option (decimal, octal with a leading 0, hexadecimal
// with 0x), or -1 when the text is not acceptable.
int parse_number(const char* text);

// Value of a numeric option of the newer ones, which must be a number and
// nothing else: digits from the first character to the last (decimal,
// octal with a leading 0, hexadecimal with 0x), at most 65535. Anything
// else gives -1: an empty text, a sign, white space, "32x", "0x".
int parse_whole_number(const char* text);

}  // namespace vendrel
