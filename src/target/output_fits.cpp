#include "base/errors.h"
#include "target/cpu_description.h"
#include "target/packed_image.h"

namespace vendrel {

int raw_image_length(const Job& job) {
    return cpu_of_job(job).routine->length + job.symbol_table_size + job.packed_length;
}

// A nearly incompressible text of 65,535 bytes with a large symbol table,
// or any image wrapped in tape framing, can outgrow the image buffer.
int check_output_fits(const Job& job) {
    int length = raw_image_length(job);
    if (const TapeFormat* tape = tape_of_job(job)) length += tape->framing;
    if (length > kImageBufferSize) return report_error(kOutputTooLong, length);
    // An XEX segment names its last address, which cannot lie past 65,535.
    if (tape_of_job(job) == &kXexFormat && job.load_address + raw_image_length(job) > 0x10000) {
        return report_error(kImageWrapsInXex);
    }
    return 0;
}

}  // namespace vendrel
