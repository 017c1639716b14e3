#include <cstring>

#include "target/unpack_routines.h"
#include "target/packed_image.h"

namespace vendrel {

int write_raw_image(const RoutineLayout& layout, Job& job, std::uint8_t* out) {
    std::uint8_t routine[kRoutineScratchSize];
    const int routine_length = patch_routine(layout, job, routine);
    const int symbol_size = job.symbol_table_size;
    std::memcpy(out, routine, static_cast<std::size_t>(routine_length));
    std::memcpy(out + routine_length, job.symbol_table, static_cast<std::size_t>(symbol_size));
    // The code stream without its end mark: nothing follows the last code.
    std::memcpy(out + routine_length + symbol_size, job.text_buffer,
                static_cast<std::size_t>(job.packed_length));
    return routine_length + symbol_size + job.packed_length;
}

void compose_raw_image(const RoutineLayout& layout, Job& job) {
    const int length = write_raw_image(layout, job, job.image_buffer);
    job.total_length = length;
    job.final_length = length;
}

void compose_z80_image(Job& job) { compose_raw_image(z80_routine_layout, job); }

void compose_i8080_image(Job& job) { compose_raw_image(i8080_routine_layout, job); }

}  // namespace vendrel
