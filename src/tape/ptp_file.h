// PMD 85 PTP file: a header block and a data block holding the i8080 image.
#pragma once

#include <cstdint>

#include "base/job.h"

namespace vendrel {

std::uint8_t sum_checksum(const std::uint8_t* bytes, int length, std::uint8_t accumulator);

// Composes the PTP file into job.image_buffer; sets routine_length,
// total_length and final_length (total_length + 68).
void compose_ptp_file(Job& job);

}  // namespace vendrel
