#include "pack_checks.h"

#include <stdexcept>

#include "support/job_fixture.h"

namespace vendrel::test {

JobHandle job_with_text(std::string_view text, const std::vector<std::int32_t Job::*>& flags) {
    JobHandle job = make_job();
    for (const auto flag : flags) (*job).*flag = 1;
    load_text(*job, text);
    return job;
}

Candidate candidate(std::uint16_t count, std::uint8_t left, std::uint8_t right) {
    return Candidate{count, static_cast<std::uint16_t>(left | (right << 8))};
}

Bytes bytes_of(const std::string& text) { return Bytes(text.begin(), text.end()); }

Bytes code_stream(const Job& job) {
    return Bytes(job.text_buffer, job.text_buffer + job.packed_length);
}

Bytes bytes_before_end_mark(const Job& job) {
    Bytes stream;
    for (const std::uint8_t* byte = job.text_buffer; *byte != kEndMark; ++byte) {
        stream.push_back(*byte);
    }
    return stream;
}

Bytes symbol_bytes(const Job& job) {
    return Bytes(job.symbol_table, job.symbol_table + job.symbol_table_size);
}

std::vector<Candidate> filled_candidates(const Job& job) {
    std::vector<Candidate> entries;
    for (int index = 0; index < kCandidateCount; ++index) {
        if (job.candidate_table[index].count != 0) entries.push_back(job.candidate_table[index]);
    }
    return entries;
}

std::string expand_code_stream(const Job& job) {
    const int characters = job.char_count;
    const int pair_codes = (job.symbol_table_size - characters) / 2;
    std::string text;
    for (int position = 0; position < job.packed_length; ++position) {
        // Expand with an explicit stack; right halves wait while left halves
        // are written.
        std::vector<int> pending{job.text_buffer[position]};
        while (!pending.empty()) {
            const int code = pending.back();
            pending.pop_back();
            if (code < characters) {
                text.push_back(static_cast<char>(job.symbol_table[code]));
                continue;
            }
            const int entry = code - characters;
            if (entry >= pair_codes) throw std::runtime_error("code beyond the pair table");
            pending.push_back(job.symbol_table[characters + 2 * entry + 1]);
            pending.push_back(job.symbol_table[characters + 2 * entry]);
        }
    }
    return text;
}

}  // namespace vendrel::test
