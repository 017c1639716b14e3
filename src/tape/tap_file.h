// ZX Spectrum TAP file: a header block and a data block holding the image.
#pragma once

#include <cstdint>
#include <vector>

#include "base/job.h"
#include "tape/tape_reader.h"
#include "target/routine_patch.h"

namespace vendrel {

std::uint8_t xor_checksum(const std::uint8_t* bytes, int length, std::uint8_t accumulator);

// Composes the TAP file of routine's image into job.image_buffer; sets
// routine_length, total_length and final_length (total_length + 25).
// compose_tap_file writes the Z80 image, the one the ZX Spectrum's tapes carry.
void write_tap_file(const RoutineLayout& routine, Job& job);
void compose_tap_file(Job& job);

// Reads a TAP file of length bytes: appends to files the data of every code
// file on the tape (a code header followed by its data block), in tape
// order; other blocks are passed over. Returns false, whatever it has
// appended, when the file is not an intact TAP file: a block cut short or
// shorter than its flag and checksum, a wrong checksum, or a code header
// whose data block is missing or disagrees with its length.
bool read_tap_files(const std::uint8_t* file, int length, std::vector<TapeData>& files);

}  // namespace vendrel
