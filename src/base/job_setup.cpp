#include "base/job_setup.h"

#include <cstdlib>
#include <cstring>

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

JobHandle make_job() {
    Job* job = nullptr;
    if (create_job(job) != 0) return nullptr;
    JobHandle handle(job);
    if (allocate_job_buffers(*job) != 0) handle.reset();
    return handle;
}

void place_end_mark(Job& job) {
    int end = job.source_length;
    if (job.oa && end > 0) --end;
    job.text_buffer[end] = kEndMark;
}

int load_source_text(Job& job, std::string_view text) {
    if (text.size() > static_cast<std::size_t>(kMaxSourceLength)) return kInputTooLong;
    if (!text.empty()) std::memcpy(job.text_buffer, text.data(), text.size());
    job.source_length = static_cast<std::int32_t>(text.size());
    place_end_mark(job);
    return 0;
}

}  // namespace vendrel
