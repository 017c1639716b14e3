// Packed images: composition in packing mode, recognition when extracting.
#pragma once

#include "cli/job.h"

namespace vendrel {

// Returns 0 when the output that the job's options ask for (raw image or
// tape file) fits the image buffer, else kOutputTooLong (reported).
int check_output_fits(const Job& job);

// Compose the raw image into job.image_buffer and set routine_length,
// total_length and final_length.
void compose_z80_image(Job& job);
void compose_i8080_image(Job& job);

// Compare the loaded file in job.text_buffer (job.source_length bytes) with
// a routine template. Return 1 and set routine_length, packed_length,
// char_count, symbol_table, symbol_end and symbol_table_size when it is an
// intact image of that routine, whose tables and code stream all lie inside
// the file; else return 0 and change nothing.
int recognise_i8080_image(Job& job);
int recognise_z80_image(Job& job);

}  // namespace vendrel
