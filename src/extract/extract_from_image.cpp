#include "extract/extract_from_image.h"

#include <cstdio>

#include "base/errors.h"
#include "extract/extract_records.h"
#include "target/packed_image.h"

namespace vendrel {

int extract_from_image(Job& job) {
    // Recognition points the symbol table into the loaded image; the Job's
    // own table goes back in place afterwards, so that it is released.
    std::uint8_t* const own_symbol_table = job.symbol_table;
    if (!recognise_i8080_image(job) && !recognise_z80_image(job)) {
        return report_error(kNotPackedFile, job.source_path);
    }
    if (job.verbose) std::fputs("Extracting text from packed file...\n", stdout);
    const int result = extract_records(job);
    job.symbol_table = own_symbol_table;
    job.symbol_end = nullptr;
    return result;
}

}  // namespace vendrel
