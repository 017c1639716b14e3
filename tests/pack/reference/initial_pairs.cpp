#include "pack/reference/initial_pairs.h"

#include "pack/candidate_table.h"
#include "pack/character_table.h"
#include "pack/reference/stream_marks.h"

namespace vendrel::reference {

namespace {

// Counts the occurrence of (left, right) at the scan's start plus every
// later one from position q on, marking each later one's left byte. The
// right byte may carry a mark of its own, so it is compared unmarked.
std::uint16_t count_and_mark(std::uint8_t* q, std::uint8_t left, std::uint8_t right) {
    std::uint16_t count = 1;
    while (*q != kEndMark) {
        if (*q == left) {
            if (q[1] == kEndMark) break;
            if ((q[1] & kUnmarkedMask) == right) {
                *q |= kMarkBit;
                ++count;
                q += 2;
                continue;
            }
        }
        ++q;
    }
    return count;
}

}  // namespace

void count_initial_pairs(Job& job) {
    for (std::uint8_t* p = job.text_buffer; *p != kEndMark; ++p) {
        const std::uint8_t left = *p;
        if (left == kSeparatorCode || is_marked(left)) continue;
        const std::uint8_t right_byte = p[1];
        if (right_byte == kEndMark) break;
        if (right_byte == kSeparatorCode) continue;

        // The right byte was marked if it was counted as a left byte before.
        const std::uint8_t right = right_byte & kUnmarkedMask;
        const std::uint16_t count = count_and_mark(p + 2, left, right);
        insert_candidate(job, count, pair_value(left, right));
    }
}

}  // namespace vendrel::reference
