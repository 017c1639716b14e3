// Writing an output file whole, without ever losing what was there.
#pragma once

#include <cstdint>

namespace vendrel {

// Writes length bytes of data to the file, replacing it, or after its old
// content when append is set. Returns 0 or a reported error (-10 to -12).
//
// Nothing is lost on the way. A regular file is replaced atomically: the
// bytes go to a temporary file beside it (".name.vendrel-XXXXXX"), which
// takes the old file's permission bits and is then renamed over it, so the
// file holds either its old bytes or all the new ones. A symlink is
// followed, and the file it points to is replaced. An append copies the
// old bytes and the new ones into the temporary file, under an advisory
// lock on the file, so that concurrent appends follow each other whole.
// Termination signals wait until the file is whole again.
// Devices, FIFOs and pipes are written directly, without positioning.
int write_output_file(const char* path, const std::uint8_t* data, int length, bool append);

// Refuses an output file that is the source or the conversion file (the
// same file through any name, symlink or hard link; where the output does
// not exist yet, the same name). Either input may be null. Returns 0, or
// kOutputIsInput (reported) before anything is written.
int refuse_output_over_inputs(const char* output, const char* source, const char* conversion);

}  // namespace vendrel
