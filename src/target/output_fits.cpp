#include "base/errors.h"
#include "target/unpack_routines.h"
#include "target/packed_image.h"

namespace vendrel {

int raw_image_length(const Job& job) {
    const int routine_length = job.z80 ? kZ80RoutineLength : kI8080RoutineLength;
    return routine_length + job.symbol_table_size + job.packed_length;
}

// A nearly incompressible text of 65,535 bytes with a large symbol table,
// or any image wrapped in tape framing, can outgrow the image buffer.
int check_output_fits(const Job& job) {
    int length = raw_image_length(job);
    if (job.tap) length += kTapFraming;
    if (job.ptp) length += kPtpFraming;
    if (length > kImageBufferSize) return report_error(kOutputTooLong, length);
    return 0;
}

}  // namespace vendrel
