// Atari binary load file: segments, each the first and the last address it
// loads to (little-endian words) and its bytes; the file starts with the
// marker $FFFF, which may also stand before any later segment.
#pragma once

#include <cstdint>
#include <vector>

#include "base/job.h"
#include "tape/tape_reader.h"
#include "target/routine_patch.h"

namespace vendrel {

// Composes the XEX file of routine's image, one segment, into
// job.image_buffer; sets routine_length, total_length and final_length
// (total_length + 6).
void write_xex_file(const RoutineLayout& routine, Job& job);

// Reads an XEX file of length bytes: appends the bytes of every segment in
// file order. False when the file does not start with $FFFF, a segment
// ends before it starts, or its bytes run past the file.
bool read_xex_files(const std::uint8_t* file, int length, std::vector<TapeData>& files);

}  // namespace vendrel
