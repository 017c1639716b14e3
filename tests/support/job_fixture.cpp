#include "support/job_fixture.h"

#include <cstring>
#include <stdexcept>

#include "cli/file_io.h"

namespace vendrel::test {

OwnedJob::OwnedJob() {
    if (allocate_zeroed(job_, sizeof(Job)) != 0 ||
        allocate_zeroed(job_->text_buffer, kTextBufferSize) != 0 ||
        allocate_zeroed(job_->image_buffer, kImageBufferSize) != 0 ||
        allocate_zeroed(job_->symbol_table, kSymbolTableSize) != 0 ||
        allocate_zeroed(job_->candidate_table, kCandidateCount * sizeof(Candidate)) != 0) {
        throw std::runtime_error("out of memory");
    }
    job_->load_address = -1;
    job_->print_address = -1;
    job_->extract_from = -1;
    job_->extract_to = -1;
    job_->conversion_count = -1;
}

OwnedJob::~OwnedJob() { release_job(job_); }

void OwnedJob::load_text(std::string_view text) {
    if (text.size() > static_cast<std::size_t>(kMaxSourceLength)) {
        throw std::invalid_argument("text too long");
    }
    if (!text.empty()) std::memcpy(job_->text_buffer, text.data(), text.size());
    job_->source_length = static_cast<std::int32_t>(text.size());
    int end = job_->source_length;
    if (job_->oa && end > 0) --end;
    job_->text_buffer[end] = kEndMark;
}

std::vector<std::uint8_t> OwnedJob::bytes(const std::uint8_t* data, int length) {
    return std::vector<std::uint8_t>(data, data + length);
}

std::string text_before_end_mark(const Job& job) {
    std::string text;
    for (int i = 0; i < kTextBufferSize && job.text_buffer[i] != kEndMark; ++i) {
        text.push_back(static_cast<char>(job.text_buffer[i]));
    }
    return text;
}

}  // namespace vendrel::test
