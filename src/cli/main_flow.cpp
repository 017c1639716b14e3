#include "cli/main_flow.h"

#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "base/errors.h"
#include "base/descriptor_output.h"
#include "base/file_io.h"
#include "base/held_signals.h"
#include "base/output_file.h"
#include "base/output_target.h"
#include "base/job_setup.h"
#include "cli/command_line.h"
#include "cli/console.h"
#include "cli/record_listing.h"
#include "extract/extract_from_image.h"
#include "listing/include_file.h"
#include "pack/pack_text.h"
#include "prepare/conversion_table.h"
#include "tape/compose_output.h"
#include "target/stack_fits.h"

namespace vendrel {

namespace {

void say(const Job& job, const char* message, const char* argument = nullptr) {
    if (job.verbose) std::printf(message, argument);
}

// Reads the source file whole into the text buffer, and the conversion
// table when one is given.
int read_inputs(Job& job) {
    say(job, "Reading input file '%s'\n", job.source_path);
    // An image may fill the whole text buffer; a text keeps a byte for its end mark.
    const int limit = is_extraction(job) ? kTextBufferSize : kMaxSourceLength;
    const int length = read_whole_file(job.source_path, job.text_buffer, limit);
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

    // -best keeps within the stack bound of the job's CPU.
    const int result = pack_text(job, nesting_cap(job));
    if (result == kTooManyCharacters) return report_error(kTooManyCharacters, job.char_count);
    return result;
}

// No file the run writes may be one it reads, and the include file is not
// the output, by any name.
int refuse_outputs_over_inputs(const Job& job) {
    int result = refuse_output_over_inputs(job.output_path, job.source_path, job.conversion_path);
    if (result == 0) result = refuse_output_over_inputs(job.include_path, job.source_path, job.conversion_path);
    if (result == 0 && job.include_path != nullptr && job.output_path != nullptr &&
        same_output_file(job.include_path, job.output_path)) {
        result = report_error(kIncludeIsOutput, job.include_path);
    }
    return result;
}

bool writes_to_standard_output(const char* path) { return path != nullptr && output_descriptor(path) == 1; }

// An image written to standard output arrives whole: everything the run
// prints there goes to standard error instead. Returns the descriptor the
// image goes to, or -1 when it is written by its name.
int keep_standard_output_for_the_image(const Job& job) {
    if (!writes_to_standard_output(job.output_path) && !writes_to_standard_output(job.include_path)) return -1;
    return move_console_to_standard_error();
}

// Whether everything printed so far has reached standard output.
int check_console() {
    const bool failed = std::fflush(stdout) != 0 || std::ferror(stdout) != 0;
    return failed ? report_error(kCannotWriteConsole) : 0;
}

std::string source_text(const Job& job) {
    return std::string(reinterpret_cast<const char*>(job.text_buffer), static_cast<std::size_t>(job.source_length));
}

// Writes the output file and the include file together: both change, or
// neither does.
int write_outputs(const Job& job, int image_descriptor) {
    std::vector<OutputRequest> outputs;
    std::string include_text;
    if (job.output_path != nullptr && !(is_extraction(job) && job.list)) {
        say(job, "Writing to the output file '%s'\n", job.output_path);
        const int descriptor = writes_to_standard_output(job.output_path) ? image_descriptor : -1;
        outputs.push_back({job.output_path, job.image_buffer, job.final_length, job.append != 0, descriptor});
    }
    if (job.include_path != nullptr) {
        if (const int result = compose_include_file(job, include_text); result != 0) return result;
        const int descriptor = writes_to_standard_output(job.include_path) ? image_descriptor : -1;
        outputs.push_back({job.include_path, reinterpret_cast<const std::uint8_t*>(include_text.data()),
                           static_cast<int>(include_text.size()), false, descriptor});
    }
    // Nothing is written when what the run printed did not arrive.
    if (const int result = check_console(); result != 0) return result;
    return write_output_files(outputs);
}

}  // namespace

int run(int argc, const char* const* argv) {
    // 1. The banner opens every run. A failed write is reported by the run,
    // never the end of it.
    reserve_standard_descriptors();
    ignore_write_signals();
    print_banner();

    // 2. No arguments ask for the usage text, as -h does; otherwise the
    // command line becomes the Job.
    Job* job = nullptr;
    int result = argc < 2 ? kUsageRequested : parse_command_line(argc, argv, job);

    // 3. Read the source file and the conversion table.
    if (result == 0) result = read_inputs(*job);
    if (result == 0) result = refuse_outputs_over_inputs(*job);
    const int image_descriptor = result == 0 ? keep_standard_output_for_the_image(*job) : -1;

    if (result == 0 && is_extraction(*job)) {
        // 4. Recognise the packed image and expand its records, or list them.
        result = job->list ? list_image_records(*job) : extract_from_image(*job);
    } else if (result == 0) {
        // 4. Prepare and pack the text, refuse an image whose deepest
        // record takes more stack than the bound allows, compose the image
        // or tape file, and report; the listing checks what was packed,
        // and keeps the file as it was read for the checks that concern
        // the file.
        const std::string source = job->list ? source_text(*job) : std::string();
        result = pack_source(*job);
        if (result == 0) result = check_stack_fits(*job);
        if (result == 0) result = compose_output(*job);
        if (result == 0) print_report(*job);
        if (result == 0 && job->list) print_record_listing(*job, source);
    }

    // 5. Write the output file, and the include file for the game's source,
    // both or neither.
    if (result == 0) result = write_outputs(*job, image_descriptor);

    // 6. The usage text, or the empty line that ends a successful run;
    // then everything is released.
    if (result == kUsageRequested) {
        print_usage();
        result = 0;
    } else if (result == 0) {
        std::printf("\n");
        result = check_console();
    }
    release_job(job);
    std::fflush(stdout);
    if (image_descriptor >= 0) ::close(image_descriptor);
    return -result;
}

}  // namespace vendrel
