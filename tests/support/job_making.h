// A Job as the command line leaves it, made by the functions the program
// makes its own with, and a text loaded into it as a source file read
// whole: for the tests, the benchmarks and the fuzz targets.
#pragma once

#include <memory>
#include <string_view>

#include "base/job_setup.h"

namespace vendrel {

struct JobRelease {
    void operator()(Job* job) const { release_job(job); }
};
using JobHandle = std::unique_ptr<Job, JobRelease>;

// A Job with its defaults and buffers (create_job, allocate_job_buffers);
// empty when memory ran out (reported).
JobHandle make_job();

// Copies text into the text buffer as a source file read whole, sets
// source_length and places the end mark. Returns 0, or -8 when the text is
// longer than a source may be (nothing is loaded then; not reported).
int load_source_text(Job& job, std::string_view text);

}  // namespace vendrel
