#include "cli/main_flow.h"

#include <cstdio>
#include <cstring>

#include "base/errors.h"
#include "base/file_io.h"
#include "base/job_setup.h"
#include "cli/command_line.h"
#include "cli/console.h"
#include "extract/extract_from_image.h"
#include "pack/pack_text.h"
#include "prepare/conversion_table.h"
#include "tape/compose_output.h"

namespace vendrel {

namespace {

void say(const Job& job, const char* message, const char* argument = nullptr) {
    if (job.verbose) std::printf(message, argument);
}

// Reads the source file whole into the text buffer, and the conversion
// table when one is given.
int read_inputs(Job& job) {
    say(job, "Reading input file '%s'\n", job.source_path);
    const int length = read_whole_file(job.source_path, job.text_buffer, kMaxSourceLength);
    if (length < 0) return length;
    job.source_length = length;

    if (job.conversion_path != nullptr) {
        say(job, "Reading conversion table file '%s'\n", job.conversion_path);
        return read_conversion_table(job);
    }
    return 0;
}

// Refuses a source with the end mark's byte in it, places the end mark and
// packs the text.
int pack_source(Job& job) {
    say(job, "Packing text...\n");
    if (std::memchr(job.text_buffer, kEndMark, static_cast<std::size_t>(job.source_length)) != nullptr) {
        return report_error(kByteFFInSource);
    }
    place_end_mark(job);

    const int result = pack_text(job);
    if (result == kTooManyCharacters) return report_error(kTooManyCharacters, job.char_count);
    return result;
}

int write_output(Job& job) {
    if (job.output_path == nullptr) return 0;
    say(job, "Writing to the output file '%s'\n", job.output_path);
    return write_output_file(job.output_path, job.image_buffer, job.final_length, job.append != 0);
}

}  // namespace

int run(int argc, const char* const* argv) {
    // 1. The banner opens every run.
    print_banner();

    // 2. No arguments ask for the usage text, as -h does; otherwise the
    // command line becomes the Job.
    Job* job = nullptr;
    int result = argc < 2 ? kUsageRequested : parse_command_line(argc, argv, job);

    // 3. Read the source file and the conversion table.
    if (result == 0) result = read_inputs(*job);

    if (result == 0 && is_extraction(*job)) {
        // 4. Recognise the packed image and expand its records.
        result = extract_from_image(*job);
    } else if (result == 0) {
        // 4. Prepare and pack the text, compose the image or tape file,
        // and report.
        result = pack_source(*job);
        if (result == 0) result = compose_output(*job);
        if (result == 0) print_report(*job);
    }

    // 5. Write the output file.
    if (result == 0) result = write_output(*job);

    // 6. The usage text, or the empty line that ends a successful run;
    // then everything is released.
    if (result == kUsageRequested) {
        print_usage();
        result = 0;
    } else if (result == 0) {
        std::printf("\n");
    }
    release_job(job);
    std::fflush(stdout);
    return -result;
}

}  // namespace vendrel
