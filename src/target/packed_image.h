// Packed images: composition in packing mode, recognition when extracting.
//
// A packed image is the patched routine (R bytes), the symbol table (S
// bytes: n characters, then 2 bytes per pair code) and the code stream (P
// bytes), and nothing else: R + S + P bytes.
#pragma once

#include <cstdint>

#include "base/job.h"
#include "target/image_format.h"
#include "target/routine_patch.h"

namespace vendrel {

struct CpuDescription;

// R + S + P for the routine of the job's CPU and the packed sizes.
int raw_image_length(const Job& job);

// Returns 0 when the output that the job's options ask for (raw image or
// tape file) fits the image buffer, else kOutputTooLong (reported).
int check_output_fits(const Job& job);

// Writes the raw image for layout's routine to out, which must have room
// for R + S + P bytes; sets routine_length and returns R + S + P. The tape
// composers use it for their data block.
int write_raw_image(const RoutineLayout& layout, Job& job, std::uint8_t* out);

// Compose the raw image for layout's routine (or the named CPU's) into
// job.image_buffer and set routine_length, total_length and final_length.
// The caller has made sure with check_output_fits that the image fits.
void compose_raw_image(const RoutineLayout& layout, Job& job);
void compose_z80_image(Job& job);
void compose_i8080_image(Job& job);

// Compare the loaded file in job.text_buffer (job.source_length bytes) with
// a routine template. Return 1 and set routine_length, packed_length,
// char_count, symbol_table, symbol_end and symbol_table_size when it is an
// intact image of that routine, whose tables and code stream all lie inside
// the file; else return 0 and change nothing.
int recognise_image(const RoutineLayout& layout, Job& job);
int recognise_i8080_image(Job& job);
int recognise_z80_image(Job& job);

// Tries the routine of every known CPU in turn, as recognise_image does;
// returns the CPU whose image the file is, or nullptr.
const CpuDescription* recognise_known_image(Job& job);

}  // namespace vendrel
