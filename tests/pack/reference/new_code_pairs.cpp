#include "pack/reference/new_code_pairs.h"

#include <cstdint>

#include "pack/candidate_table.h"
#include "pack/character_table.h"
#include "pack/reference/stream_marks.h"

namespace vendrel::reference {

namespace {

struct CountingMode {
    bool marking;
    std::uint8_t mask;  // applied to the right byte of a later occurrence
};

// Counts one occurrence plus every later one from q on, where the left byte
// equals left exactly and the right byte, masked, equals right; in marking
// mode the left byte of each later occurrence is marked.
std::uint16_t count_from(std::uint8_t* q, std::uint8_t left, std::uint8_t right,
                         CountingMode mode) {
    std::uint16_t count = 1;
    while (*q != kEndMark) {
        if (*q == left && (q[1] & mode.mask) == right) {
            if (mode.marking) *q |= kMarkBit;
            ++count;
            q += 2;
        } else {
            ++q;
        }
    }
    return count;
}

void enter_pair(Job& job, std::uint16_t count, std::uint16_t pair, CountingMode mode) {
    if (mode.marking) {
        insert_candidate(job, count, pair);
    } else {
        insert_candidate_unique(job, count, pair);
    }
}

// Pairs (new_code, R). R is taken as it stands, mark included; a marked R
// matches nothing later, so its count stays 1 and it is not entered.
void count_pairs_with_new_code_left(Job& job, std::uint8_t new_code, CountingMode mode) {
    for (std::uint8_t* p = job.text_buffer; *p != kEndMark; ++p) {
        if (*p != new_code) continue;
        const std::uint8_t right = p[1];
        if (right == kEndMark) return;
        if (right == kSeparatorCode) continue;
        // The scan starts on this occurrence's right byte, so in a run of the
        // new code the overlapping occurrence counts too.
        const std::uint16_t count = count_from(p + 1, new_code, right, mode);
        enter_pair(job, count, pair_value(new_code, right), mode);
    }
}

// Pairs (X, new_code). A new code that the first walk marked is skipped here,
// and so is one whose left neighbour carries a mark: counted already.
void count_pairs_with_new_code_right(Job& job, std::uint8_t new_code, CountingMode mode) {
    // The stream begins with the separator, never the new code, so every
    // occurrence has a left neighbour.
    for (std::uint8_t* p = job.text_buffer; *p != kEndMark; ++p) {
        if (*p != new_code) continue;
        const std::uint8_t left = p[-1];
        if (left == kSeparatorCode) continue;
        if (mode.marking && is_marked(left)) continue;
        const std::uint16_t count = count_from(p + 1, left, new_code, mode);
        enter_pair(job, count, pair_value(left, new_code), mode);
    }
}

}  // namespace

void count_new_code_pairs(Job& job) {
    const auto new_code = static_cast<std::uint8_t>(job.next_code - 1);
    const bool marking = marks_usable(job);
    const CountingMode mode{marking, marking ? kUnmarkedMask : std::uint8_t{0xFF}};
    count_pairs_with_new_code_left(job, new_code, mode);
    count_pairs_with_new_code_right(job, new_code, mode);
}

}  // namespace vendrel::reference
