// The statistics report of a packing run.
#include <cstdio>

#include "cli/console.h"
#include "target/cpu_description.h"
#include "target/stack_fits.h"

namespace vendrel {

namespace {

// A share of the prepared text's length; an empty text prints 0.00%.
double percent_of_source(int length, int source_length) {
    if (source_length == 0) return 0.0;
    return static_cast<double>(length) * 100.0 / static_cast<double>(source_length);
}

}  // namespace

void print_report(const Job& job) {
    std::printf("Length of source text:\t\t%d bytes\n", job.source_length);
    std::printf("Length of packed text:\t\t%d bytes (%.2f%%)\n", job.packed_length,
                percent_of_source(job.packed_length, job.source_length));
    std::printf("Number of differenet chars:\t%d\n", job.char_count);
    std::printf("Number of records:\t\t%d\n", job.record_count);
    std::printf("Length of routine:\t\t%d bytes\n", job.routine_length);
    std::printf("Size of character table:\t%d bytes\n", job.symbol_table_size);
    std::printf("Total length:\t\t\t%d bytes (%.2f%%)\n", job.total_length,
                percent_of_source(job.total_length, job.source_length));
    if (tape_of_job(job) != nullptr) std::printf("Final length:\t\t\t%d bytes\n", job.final_length);
    // Beyond the report's own lines: what the deepest record takes of the
    // stack, without the routine's call and the print routine.
    if (job.verbose) std::printf("Stack needed:\t\t\t%d bytes\n", image_stack_bytes(job));
}

}  // namespace vendrel
