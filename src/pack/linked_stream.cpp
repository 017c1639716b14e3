#include "pack/linked_stream.h"

#include <cstring>

namespace vendrel {

void link_stream(const Job& job, PackWorkspace& work) {
    const std::uint8_t* stream = job.text_buffer;
    const int length = job.packed_length;
    for (int p = 0; p < length; ++p) {
        work.next[p] = static_cast<std::uint16_t>(p + 1);
        work.previous[p] = static_cast<std::uint16_t>(p - 1);
    }
    if (length > 0) {
        work.next[length - 1] = kNoPosition;
        work.previous[0] = kNoPosition;
    }

    std::uint32_t count[256] = {};
    for (int p = 0; p < length; ++p) ++count[stream[p]];
    std::uint32_t start = 0;
    for (int code = 0; code < 256; ++code) {
        work.code_begin[code] = start;
        work.code_end[code] = start;
        start += count[code];
    }
    for (int p = 0; p < length; ++p) work.occurrences[work.code_end[stream[p]]++] = static_cast<std::uint16_t>(p);
    work.occurrences_used = start;

    std::memset(work.pair_count, 0, sizeof work.pair_count);
    for (int p = 0; p + 1 < length; ++p) {
        if (stream[p] != stream[p + 1]) ++work.pair_count[stream[p] | stream[p + 1] << 8];
    }
    work.new_code_positions = work.occurrences;
    work.new_code_count = 0;
}

void write_linked_stream(Job& job, const PackWorkspace& work) {
    std::uint8_t* const stream = job.text_buffer;
    int write = 0;
    // The chain starts at position 0 (the first code is a separator, which
    // is never replaced), and every code moves to a place at or before its
    // own, so the stream is rewritten in place from the front.
    if (job.packed_length > 0) {
        for (std::uint16_t p = 0; p != kNoPosition; p = work.next[p]) stream[write++] = stream[p];
    }
    stream[write] = kEndMark;
}

}  // namespace vendrel
