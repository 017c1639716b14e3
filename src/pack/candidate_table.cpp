#include "pack/candidate_table.h"

#include <cstring>

namespace vendrel {

namespace {

constexpr Candidate kEmptyCandidate{0, 0};

// Moves entries from..to-1 one place up, onto from-1..to-2.
void move_up(Candidate* table, int from, int to) {
    std::memmove(table + from - 1, table + from, (to - from) * sizeof(Candidate));
}

}  // namespace

void insert_candidate(Job& job, std::uint16_t count, std::uint16_t pair) {
    if (count < kMinCandidateCount) return;
    Candidate* table = job.candidate_table;

    // Counts never increase along the table, so the first entry with a
    // smaller count is found by halving.
    int index = 0;
    int end = kCandidateCount;
    while (index < end) {
        const int middle = (index + end) / 2;
        if (table[middle].count >= count) {
            index = middle + 1;
        } else {
            end = middle;
        }
    }
    if (index == kCandidateCount) return;

    std::memmove(table + index + 1, table + index,
                 (kCandidateCount - 1 - index) * sizeof(Candidate));
    table[index] = Candidate{count, pair};
}

void insert_candidate_unique(Job& job, std::uint16_t count, std::uint16_t pair) {
    if (count < kMinCandidateCount) return;
    // A count that the last entry of a full table already reaches is not
    // entered in any case, so the search for the pair is spared.
    if (job.candidate_table[kCandidateCount - 1].count >= count) return;
    // The pairs are compared as whole entries, all of them without an early
    // exit, which the compiler turns into a few wide comparisons.
    static_assert(sizeof(Candidate) == sizeof(std::uint32_t));
    std::uint32_t entries[kCandidateCount];
    std::memcpy(entries, job.candidate_table, sizeof entries);
    const Candidate probe{0, pair};
    std::uint32_t pair_bits = 0;
    std::uint32_t pair_mask = 0;
    const Candidate mask{0, 0xFFFF};
    std::memcpy(&pair_bits, &probe, sizeof pair_bits);
    std::memcpy(&pair_mask, &mask, sizeof pair_mask);
    std::uint32_t found = 0;
    for (const std::uint32_t entry : entries) found |= (entry & pair_mask) == pair_bits ? 1u : 0u;
    if (found != 0) return;
    insert_candidate(job, count, pair);
}

void remove_candidate(Job& job, int index) {
    move_up(job.candidate_table, index + 1, kCandidateCount);
    job.candidate_table[kCandidateCount - 1] = kEmptyCandidate;
}

void remove_head_keeping_last(Job& job) { remove_candidate(job, 0); }

void remove_head_dropping_last(Job& job) {
    job.candidate_table[kCandidateCount - 1] = kEmptyCandidate;
    move_up(job.candidate_table, 1, kCandidateCount);
}

}  // namespace vendrel
