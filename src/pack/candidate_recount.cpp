#include "pack/candidate_recount.h"

#include "pack/candidate_table.h"

namespace vendrel {

namespace {

// A filled entry one of whose codes was replaced.
bool is_affected(const Candidate& entry, const AffectedPairCounts& counts) {
    if (entry.count == 0) return false;
    const std::uint8_t left = left_code(entry.pair);
    const std::uint8_t right = right_code(entry.pair);
    return left == counts.a || left == counts.b || right == counts.a || right == counts.b;
}

}  // namespace

void recount_candidates(Job& job, const AffectedPairCounts& counts) {
    remove_head_keeping_last(job);
    const Candidate* table = job.candidate_table;
    int index = 0;
    // Empty entries stand behind all filled ones and are never affected.
    while (index < kCandidateCount && table[index].count != 0) {
        const Candidate entry = table[index];
        const std::uint16_t count =
            is_affected(entry, counts) ? counts.of(left_code(entry.pair), right_code(entry.pair)) : entry.count;
        if (count == entry.count) {
            ++index;
            continue;
        }
        remove_candidate(job, index);
        insert_candidate_unique(job, count, entry.pair);
        // The walk starts over at the head. The stream does not change
        // during a recount, so every entry before this place was found
        // right and stays right, and so does the corrected entry wherever
        // it went: walking them again would stop here, so the walk goes on
        // from this place at once.
    }
}

void recount_candidates_single_pass(Job& job, const AffectedPairCounts& counts) {
    remove_head_dropping_last(job);
    const Candidate* table = job.candidate_table;
    int index = 0;
    for (int step = 0; step < kCandidateCount - 1; ++step) {
        const Candidate entry = table[index];
        if (entry.count == 0) break;  // the rest is empty: no step would change anything
        if (is_affected(entry, counts)) {
            const std::uint16_t count = counts.of(left_code(entry.pair), right_code(entry.pair));
            if (count != entry.count) {
                remove_candidate(job, index);
                insert_candidate_unique(job, count, entry.pair);
                continue;  // the entry that moved into this place is looked at next
            }
        }
        ++index;
    }
}

}  // namespace vendrel
