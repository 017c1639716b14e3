// PMD 85 PTP file: a header block and a data block holding the image.
#pragma once

#include <cstdint>
#include <vector>

#include "base/job.h"
#include "tape/tape_reader.h"
#include "target/routine_patch.h"

namespace vendrel {

std::uint8_t sum_checksum(const std::uint8_t* bytes, int length, std::uint8_t accumulator);

// Composes the PTP file of routine's image into job.image_buffer; sets
// routine_length, total_length and final_length (total_length + 68).
// compose_ptp_file writes the i8080 image, the one the PMD 85's tapes carry.
void write_ptp_file(const RoutineLayout& routine, Job& job);
void compose_ptp_file(Job& job);

// Reads a PTP file of length bytes: appends to files the data of every file
// on the tape, each a header block followed by its data block, in tape
// order. Returns false, whatever it has appended, when the file is not an
// intact PTP file of such pairs: a block cut short, a header block of
// another length or with other fill runs, a wrong checksum, or a data block
// whose length disagrees with its header.
bool read_ptp_files(const std::uint8_t* file, int length, std::vector<TapeData>& files);

}  // namespace vendrel
