// What the fuzz targets share: a Job with the buffers of a run, and a check
// that stops the fuzzer with a message when a property does not hold.
#pragma once

#if !defined(VENDREL_FUZZ_REPLAY)
#include <sanitizer/common_interface_defs.h>
#endif

#include <cstdio>
#include <cstdlib>

#include "support/job_making.h"

namespace vendrel::fuzz {

// Aborts with a message, so that libFuzzer keeps the input that broke the
// property. Not assert(): it must also hold in optimised builds. The message
// goes where the sanitizers report, which stays open when the fuzzer closes
// the target's standard error (-close_fd_mask).
[[noreturn]] inline void property_broken(const char* file, int line, const char* condition) {
    char message[512];
    std::snprintf(message, sizeof message, "property broken at %s:%d: %s", file, line, condition);
#if defined(VENDREL_FUZZ_REPLAY)
    std::fprintf(stderr, "%s\n", message);
#else
    __sanitizer_report_error_summary(message);
#endif
    std::abort();
}

#define VENDREL_FUZZ_CHECK(condition) \
    ((condition) ? void(0) : ::vendrel::fuzz::property_broken(__FILE__, __LINE__, #condition))

// A Job as the command line leaves it for a run; without memory the fuzz
// run stops.
inline JobHandle new_job() {
    JobHandle job = make_job();
    if (!job) std::abort();
    return job;
}

}  // namespace vendrel::fuzz
