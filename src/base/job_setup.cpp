#include "base/job_setup.h"

#include <cstdlib>

#include "base/errors.h"

namespace vendrel {

int allocate_zeroed(void** slot, std::size_t size) {
    if (*slot != nullptr) return 0;
    *slot = std::calloc(1, size);
    if (*slot == nullptr) return report_error(kOutOfMemory);
    return 0;
}

void release_job(Job* job) {
    if (job == nullptr) return;
    std::free(job->text_buffer);
    std::free(job->image_buffer);
    std::free(job->symbol_table);
    std::free(job->candidate_table);
    std::free(job->conversion_table);
    std::free(job);
}

int create_job(Job*& job) {
    job = nullptr;
    if (const int result = allocate_zeroed(job, sizeof(Job)); result != 0) return result;
    job->load_address = -1;
    job->print_address = -1;
    job->zero_page = -1;
    job->stack_bound = -1;
    job->extract_from = -1;
    job->extract_to = -1;
    job->conversion_count = -1;
    return 0;
}

int allocate_job_buffers(Job& job) {
    int result = allocate_zeroed(job.text_buffer, kTextBufferSize);
    if (result == 0) result = allocate_zeroed(job.image_buffer, kImageBufferSize);
    if (result == 0) result = allocate_zeroed(job.symbol_table, kSymbolTableSize);
    if (result == 0) result = allocate_zeroed(job.candidate_table, kCandidateCount * sizeof(Candidate));
    return result;
}

void place_end_mark(Job& job) {
    int end = job.source_length;
    if (job.oa && end > 0) --end;
    job.text_buffer[end] = kEndMark;
}

}  // namespace vendrel
