#include "extract/extract_from_image.h"

#include <cstdio>

#include "extract/extract_records.h"
#include "extract/packed_file.h"

namespace vendrel {

int extract_from_image(Job& job) {
    // Recognition points the symbol table into the loaded image; the Job's
    // own table goes back in place afterwards, so that it is released.
    std::uint8_t* const own_symbol_table = job.symbol_table;
    if (const int result = recognise_packed_file(job); result != 0) return result;
    if (job.verbose) std::fputs("Extracting text from packed file...\n", stdout);
    const int result = extract_records(job);
    job.symbol_table = own_symbol_table;
    job.symbol_end = nullptr;
    return result;
}

}  // namespace vendrel
