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

    int index = 0;
    while (index < kCandidateCount && table[index].count >= count) ++index;
    if (index == kCandidateCount) return;

    std::memmove(table + index + 1, table + index,
                 (kCandidateCount - 1 - index) * sizeof(Candidate));
    table[index] = Candidate{count, pair};
}

void insert_candidate_unique(Job& job, std::uint16_t count, std::uint16_t pair) {
    if (count < kMinCandidateCount) return;
    for (int index = 0; index < kCandidateCount; ++index) {
        if (job.candidate_table[index].pair == pair) return;
    }
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
