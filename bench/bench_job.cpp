#include "bench_job.h"

#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace vendrel::bench {

Job& BenchJob::load(const std::string& text, bool oa, bool desktop) {
    if (!job_) throw std::runtime_error("out of memory");
    // The buffers stay; every other field starts again as a new Job's.
    Job* fresh = nullptr;
    if (create_job(fresh) != 0) throw std::runtime_error("out of memory");
    Job& job = *job_;
    fresh->text_buffer = job.text_buffer;
    fresh->image_buffer = job.image_buffer;
    fresh->symbol_table = job.symbol_table;
    fresh->candidate_table = job.candidate_table;
    job = *fresh;
    std::free(fresh);

    job.oa = oa ? 1 : 0;
    job.dtp = desktop ? 1 : 0;
    job.z80 = 1;
    std::memset(job.text_buffer, 0, kTextBufferSize);
    std::memset(job.symbol_table, 0, kSymbolTableSize);
    std::memset(job.candidate_table, 0, kCandidateCount * sizeof(Candidate));
    if (load_source_text(job, text) != 0) throw std::invalid_argument("text too long");
    return job;
}

}  // namespace vendrel::bench
