// Extraction run in-process the way the main flow runs it: a raw image is
// composed, loaded as a file, recognised and its records expanded, with the
// console output and the error stream captured.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "base/errors.h"
#include "extract/extract_from_image.h"
#include "support/hand_packed.h"
#include "support/job_fixture.h"
#include "target/packed_image.h"

namespace vendrel::test {

using Bytes = std::vector<std::uint8_t>;

enum class Routine { kZ80, kI8080 };

inline const char* routine_name(Routine routine) { return routine == Routine::kZ80 ? "z80" : "i8080"; }

// The raw image of a hand-packed text (with -oa the routine's search length
// is one more than the stored codes).
inline Bytes compose_raw(const HandPacked& packed, Routine routine, bool oa = false, int load_address = 0x8000) {
    JobHandle job = make_job();
    load_packed(*job, packed);
    job->oa = oa ? 1 : 0;
    job->load_address = load_address;
    job->print_address = routine == Routine::kZ80 ? 16 : 0x8500;
    if (routine == Routine::kZ80) {
        job->z80 = 1;
        compose_z80_image(*job);
    } else {
        job->i8080 = 1;
        compose_i8080_image(*job);
    }
    return test::bytes(job->image_buffer, job->final_length);
}

struct Extraction {
    int result = 0;
    std::string text;     // the first final_length bytes of the image buffer
    std::string console;  // standard output
    std::string errors;   // standard error
};

struct ExtractOptions {
    int from = 0;
    int to = 0;
    bool dtp = false;
    const char* output = nullptr;  // -o
    // Fills the text buffer from the second byte after the file onwards
    // (the byte right after the file stays 0, as an -oa image needs), to
    // show that nothing there is read.
    std::uint8_t beyond_fill = 0;
};

// Recognises the file and extracts from it as the main flow does; result
// kNotPackedFile when neither routine is recognised.
inline Extraction extract_file(const Bytes& file, const ExtractOptions& options) {
    JobHandle job = make_job();
    load_file(*job, file);
    const std::size_t beyond = file.size() + 1;
    std::fill(job->text_buffer + beyond, job->text_buffer + kTextBufferSize, options.beyond_fill);
    job->extract_from = options.from;
    job->extract_to = options.to;
    job->dtp = options.dtp ? 1 : 0;
    job->output_path = options.output;

    Extraction run;
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    run.result = extract_from_image(*job);
    run.console = ::testing::internal::GetCapturedStdout();
    run.errors = ::testing::internal::GetCapturedStderr();
    if (run.result != kNotPackedFile) {
        run.text.assign(reinterpret_cast<const char*>(job->image_buffer),
                        static_cast<std::size_t>(job->final_length));
    }
    return run;
}

}  // namespace vendrel::test
