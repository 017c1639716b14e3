// A Job with the buffers of a packing run, allocated once and made fresh
// again before each pack, so that the setup stays out of what is timed.
#pragma once

#include <string>

#include "support/job_making.h"

namespace vendrel::bench {

class BenchJob {
public:
    // Makes the Job as the command line and the main flow leave it before
    // packing: default fields, empty tables, the text loaded and the end
    // mark behind it (one byte earlier with oa).
    Job& load(const std::string& text, bool oa, bool desktop);

    Job& job() { return *job_; }

private:
    JobHandle job_ = make_job();
};

// Packs with the program's packer or the reference; both return 0 on
// success.
using Packer = int (*)(Job&);

}  // namespace vendrel::bench
