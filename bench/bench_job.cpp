#include "bench_job.h"

#include <cstring>
#include <stdexcept>

#include "cli/file_io.h"

namespace vendrel::bench {

BenchJob::BenchJob() {
    if (allocate_zeroed(job_, sizeof(Job)) != 0 || allocate_zeroed(job_->text_buffer, kTextBufferSize) != 0 ||
        allocate_zeroed(job_->image_buffer, kImageBufferSize) != 0 ||
        allocate_zeroed(job_->symbol_table, kSymbolTableSize) != 0 ||
        allocate_zeroed(job_->candidate_table, kCandidateCount * sizeof(Candidate)) != 0) {
        release_job(job_);
        throw std::runtime_error("out of memory");
    }
}

BenchJob::~BenchJob() { release_job(job_); }

Job& BenchJob::load(const std::string& text, bool oa, bool desktop) {
    if (text.size() > static_cast<std::size_t>(kMaxSourceLength)) throw std::invalid_argument("text too long");

    Job fresh{};
    fresh.text_buffer = job_->text_buffer;
    fresh.image_buffer = job_->image_buffer;
    fresh.symbol_table = job_->symbol_table;
    fresh.candidate_table = job_->candidate_table;
    fresh.load_address = -1;
    fresh.print_address = -1;
    fresh.extract_from = -1;
    fresh.extract_to = -1;
    fresh.conversion_count = -1;
    fresh.oa = oa ? 1 : 0;
    fresh.dtp = desktop ? 1 : 0;
    fresh.z80 = 1;
    *job_ = fresh;

    std::memset(job_->text_buffer, 0, kTextBufferSize);
    std::memset(job_->symbol_table, 0, kSymbolTableSize);
    std::memset(job_->candidate_table, 0, kCandidateCount * sizeof(Candidate));
    std::memcpy(job_->text_buffer, text.data(), text.size());
    job_->source_length = static_cast<std::int32_t>(text.size());
    int end = job_->source_length;
    if (oa && end > 0) --end;
    job_->text_buffer[end] = kEndMark;
    return *job_;
}

}  // namespace vendrel::bench
