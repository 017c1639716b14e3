// What the fuzz targets share: a Job with the buffers of a run, and a check
// that stops the fuzzer with a message when a property does not hold.
#pragma once

#include <sanitizer/common_interface_defs.h>

#include <cstdio>
#include <cstdlib>

#include "cli/file_io.h"
#include "cli/job.h"

namespace vendrel::fuzz {

// Aborts with a message, so that libFuzzer keeps the input that broke the
// property. Not assert(): it must also hold in optimised builds. The message
// goes where the sanitizers report, which stays open when the fuzzer closes
// the target's standard error (-close_fd_mask).
[[noreturn]] inline void property_broken(const char* file, int line, const char* condition) {
    char message[512];
    std::snprintf(message, sizeof message, "property broken at %s:%d: %s", file, line, condition);
    __sanitizer_report_error_summary(message);
    std::abort();
}

#define VENDREL_FUZZ_CHECK(condition) \
    ((condition) ? void(0) : ::vendrel::fuzz::property_broken(__FILE__, __LINE__, #condition))

// A Job as the command line leaves it for a run: zero-filled, the -1
// defaults, and the text, image and symbol buffers and the candidate table.
// Released with release_job.
inline Job* make_job() {
    Job* job = nullptr;
    if (allocate_zeroed(job, sizeof(Job)) != 0 ||
        allocate_zeroed(job->text_buffer, kTextBufferSize) != 0 ||
        allocate_zeroed(job->image_buffer, kImageBufferSize) != 0 ||
        allocate_zeroed(job->symbol_table, kSymbolTableSize) != 0 ||
        allocate_zeroed(job->candidate_table, kCandidateCount * sizeof(Candidate)) != 0) {
        std::abort();
    }
    job->load_address = -1;
    job->print_address = -1;
    job->extract_from = -1;
    job->extract_to = -1;
    job->conversion_count = -1;
    return job;
}

// Releases the Job at the end of a scope.
struct JobHolder {
    Job* job = make_job();
    JobHolder() = default;
    ~JobHolder() { release_job(job); }
    JobHolder(const JobHolder&) = delete;
    JobHolder& operator=(const JobHolder&) = delete;
    Job& operator*() const { return *job; }
    Job* operator->() const { return job; }
};

}  // namespace vendrel::fuzz
