#include "cli/main_flow.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "base/errors.h"
#include "base/file_io.h"
#include "base/output_file.h"
#include "base/job_setup.h"
#include "cli/command_line.h"
#include "cli/console.h"
#include "cli/include_file.h"
#include "cli/record_listing.h"
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

    const int result = pack_text(job);
    if (result == kTooManyCharacters) return report_error(kTooManyCharacters, job.char_count);
    return result;
}

// No file the run writes may be one it reads, and the include file is not
// the output.
int refuse_outputs_over_inputs(const Job& job) {
    int result = refuse_output_over_inputs(job.output_path, job.source_path, job.conversion_path);
    if (result == 0) result = refuse_output_over_inputs(job.include_path, job.source_path, job.conversion_path);
    if (result == 0) result = refuse_output_over_inputs(job.include_path, job.output_path, nullptr);
    return result;
}

std::string source_text(const Job& job) {
    return std::string(reinterpret_cast<const char*>(job.text_buffer), static_cast<std::size_t>(job.source_length));
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
    if (result == 0) result = refuse_outputs_over_inputs(*job);

    if (result == 0 && is_extraction(*job)) {
        // 4. Recognise the packed image and expand its records, or list them.
        result = job->list ? list_image_records(*job) : extract_from_image(*job);
    } else if (result == 0) {
        // 4. Prepare and pack the text, compose the image or tape file,
        // and report; the listing checks the source as it was read.
        const std::string source = job->list ? source_text(*job) : std::string();
        result = pack_source(*job);
        if (result == 0) result = compose_output(*job);
        if (result == 0) print_report(*job);
        if (result == 0 && job->list) print_record_listing(*job, source);
    }

    // 5. Write the output file, and the include file for the game's source.
    if (result == 0 && !(is_extraction(*job) && job->list)) result = write_output(*job);
    if (result == 0 && job->include_path != nullptr) {
        std::string text;
        result = compose_include_file(*job, text);
        if (result == 0) {
            result = write_output_file(job->include_path, reinterpret_cast<const std::uint8_t*>(text.data()),
                                       static_cast<int>(text.size()), false);
        }
    }

    // 6. The usage text, or the empty line that ends a successful run;
    // then everything is released.
    if (result == kUsageRequested) {
        print_usage();
        result = 0;
    } else if (result == 0) {
        std::printf("\n");
        // Records extracted to the console are the run's output: they must arrive.
        const bool console_output = is_extraction(*job) && job->output_path == nullptr && !job->list;
        if (console_output && (std::fflush(stdout) != 0 || std::ferror(stdout))) {
            result = report_error(kCannotWriteConsole);
        }
    }
    release_job(job);
    std::fflush(stdout);
    return -result;
}

}  // namespace vendrel
