#include "support/job_making.h"

#include <cstring>

#include "base/errors.h"

namespace vendrel {

JobHandle make_job() {
    Job* job = nullptr;
    if (create_job(job) != 0) return nullptr;
    JobHandle handle(job);
    if (allocate_job_buffers(*job) != 0) handle.reset();
    return handle;
}

int load_source_text(Job& job, std::string_view text) {
    if (text.size() > static_cast<std::size_t>(kMaxSourceLength)) return kInputTooLong;
    if (!text.empty()) std::memcpy(job.text_buffer, text.data(), text.size());
    job.source_length = static_cast<std::int32_t>(text.size());
    place_end_mark(job);
    return 0;
}

}  // namespace vendrel
