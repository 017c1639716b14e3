#include "cli/record_listing.h"

#include <cstdio>

#include "extract/packed_file.h"
#include "listing/listing_text.h"

namespace vendrel {

// A failed write shows when the main flow checks the console.
void print_record_listing(const Job& job, const std::string& source) {
    std::fputs(record_listing_text(job, source).c_str(), stdout);
}

int list_image_records(Job& job) {
    // Recognition points the symbol table into the loaded image; the Job's
    // own table goes back in place afterwards, so that it is released.
    std::uint8_t* const own_symbol_table = job.symbol_table;
    if (const int result = recognise_packed_file(job); result != 0) return result;
    const PackedText packed = packed_text_of(job);
    std::fputs(record_table_text(*packed.cpu, summarize_records(packed)).c_str(), stdout);
    job.symbol_table = own_symbol_table;
    job.symbol_end = nullptr;
    return 0;
}

}  // namespace vendrel
