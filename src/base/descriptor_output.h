// Output names that stand for a descriptor the run already holds:
// /dev/stdout, /dev/stderr, /dev/fd/N, /proc/self/fd/N. Such an output is a
// stream the shell set up (">>" appends, ">" truncates), written through
// the descriptor and never replaced by another file.
#pragma once

namespace vendrel {

// The descriptor that path names, directly or through symlinks, or -1 when
// it names none.
int output_descriptor(const char* path);

// Puts /dev/null on standard input, output and error where they are closed,
// so that no file the run opens takes their place. Standard output gets it
// read-only: writing the report there still fails, as it should.
void reserve_standard_descriptors();

// Sends what the run prints on standard output to standard error, and
// returns a new descriptor for the old standard output, where the image
// then goes whole (-1 when that failed and nothing changed).
int move_console_to_standard_error();

}  // namespace vendrel
