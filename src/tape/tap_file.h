// ZX Spectrum TAP file: a header block and a data block holding the Z80 image.
#pragma once

#include <cstdint>

#include "base/job.h"

namespace vendrel {

std::uint8_t xor_checksum(const std::uint8_t* bytes, int length, std::uint8_t accumulator);

// Composes the TAP file into job.image_buffer; sets routine_length,
// total_length and final_length (total_length + 25).
void compose_tap_file(Job& job);

}  // namespace vendrel
