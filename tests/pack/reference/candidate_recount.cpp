#include "pack/reference/candidate_recount.h"

#include "pack/candidate_table.h"

namespace vendrel::reference {

namespace {

// Steps of the single-pass walk, repeated examinations included.
constexpr int kSinglePassSteps = 255;

// The codes of the pair that has just been replaced: the newest pair-table
// entry, the last two bytes before symbol_end.
struct ReplacedPair {
    std::uint8_t left;
    std::uint8_t right;
};

ReplacedPair replaced_pair(const Job& job) {
    return ReplacedPair{job.symbol_end[-2], job.symbol_end[-1]};
}

bool is_affected(const Candidate& entry, ReplacedPair replaced) {
    if (entry.count == 0) return false;
    const std::uint8_t left = left_code(entry.pair);
    const std::uint8_t right = right_code(entry.pair);
    return left == replaced.left || left == replaced.right || right == replaced.left ||
           right == replaced.right;
}

// Recounts entry index if it is affected. When its count is wrong, the
// entry is removed and its pair entered again with the new count (a count
// below 3 is not entered, a second entry of the pair refuses it), and the
// result is true.
bool correct_entry(Job& job, int index, ReplacedPair replaced) {
    const Candidate entry = job.candidate_table[index];
    if (!is_affected(entry, replaced)) return false;
    const std::uint16_t count = count_pair(job, left_code(entry.pair), right_code(entry.pair));
    if (count == entry.count) return false;
    remove_candidate(job, index);
    insert_candidate_unique(job, count, entry.pair);
    return true;
}

}  // namespace

std::uint16_t count_pair(const Job& job, std::uint8_t left, std::uint8_t right) {
    std::uint16_t count = 0;
    const std::uint8_t* p = job.text_buffer;
    while (*p != kEndMark) {
        if (p[0] == left && p[1] == right) {
            ++count;
            p += 2;
        } else {
            ++p;
        }
    }
    return count;
}

void recount_candidates(Job& job) {
    const ReplacedPair replaced = replaced_pair(job);
    remove_head_keeping_last(job);
    // A corrected entry is never found wrong again in the same recount, so
    // starting over after each correction ends.
    int index = 0;
    while (index < kCandidateCount) {
        index = correct_entry(job, index, replaced) ? 0 : index + 1;
    }
}

void recount_candidates_single_pass(Job& job) {
    const ReplacedPair replaced = replaced_pair(job);
    remove_head_dropping_last(job);
    int index = 0;
    for (int step = 0; step < kSinglePassSteps; ++step) {
        // After a correction another entry has moved into this place.
        if (!correct_entry(job, index, replaced)) ++index;
    }
}

}  // namespace vendrel::reference
