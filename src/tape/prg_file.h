// Commodore program file (C64, VIC-20, Plus/4, C128, Commander X16): the
// load address as a little-endian word, then the image.
#pragma once

#include <cstdint>
#include <vector>

#include "base/job.h"
#include "tape/tape_reader.h"
#include "target/routine_patch.h"

namespace vendrel {

// Composes the PRG file of routine's image into job.image_buffer; sets
// routine_length, total_length and final_length (total_length + 2).
void write_prg_file(const RoutineLayout& routine, Job& job);

// Reads a PRG file of length bytes: appends the data behind its load
// address. False when the file is too short to hold a load address.
bool read_prg_files(const std::uint8_t* file, int length, std::vector<TapeData>& files);

}  // namespace vendrel
