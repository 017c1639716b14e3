#include "pack/initial_pairs.h"

#include <cstring>

#include "pack/candidate_table.h"

namespace vendrel {

namespace {

// Groups the positions of every pair that a counting pass may take (no
// separator on either side) by pair value, in increasing order, and notes
// each position's place in its group.
void group_positions_by_pair(const std::uint8_t* stream, int length, PackWorkspace& work) {
    std::uint32_t* first = work.first;
    std::memset(first, 0, (kPairKeyCount + 1) * sizeof *first);
    for (int p = 0; p + 1 < length; ++p) {
        if (stream[p] != 0 && stream[p + 1] != 0) ++first[pair_key(stream[p], stream[p + 1]) + 1];
    }
    for (int key = 0; key < kPairKeyCount; ++key) first[key + 1] += first[key];
    // Filling advances first[key] to the start of the next group; the
    // groups' starts are then shifted back into place.
    for (int p = 0; p + 1 < length; ++p) {
        if (stream[p] == 0 || stream[p + 1] == 0) continue;
        const std::uint32_t index = first[pair_key(stream[p], stream[p + 1])]++;
        work.positions[index] = static_cast<std::uint16_t>(p);
        work.rank[p] = static_cast<std::uint16_t>(index);
    }
    std::memmove(first + 1, first, kPairKeyCount * sizeof *first);
    first[0] = 0;
}

}  // namespace

void count_initial_pairs(Job& job, PackWorkspace& work) {
    const std::uint8_t* stream = job.text_buffer;
    const int length = job.packed_length;
    group_positions_by_pair(stream, length, work);
    work.clear_marks();

    // The walk takes each unmarked position as a first occurrence, in
    // stream order, and counts its pair from two places on, left to right
    // without overlap, marking the later occurrences it counts. Only the
    // occurrences of that very pair can match, so the scan visits just the
    // rest of the pair's group instead of the whole stream.
    for (int p = 0; p < length; ++p) {
        const std::uint8_t left = stream[p];
        if (left == 0 || work.is_marked(p)) continue;
        if (p + 1 == length) break;
        const std::uint8_t right = stream[p + 1];
        if (right == 0) continue;

        const std::uint16_t pair = pair_value(left, right);
        int count = 1;
        int next = p + 2;
        const std::uint32_t group_end = work.first[pair_key(left, right) + 1];
        for (std::uint32_t index = work.rank[p] + 1u; index < group_end; ++index) {
            const int q = work.positions[index];
            if (q < next || work.is_marked(q)) continue;
            work.mark(q);
            ++count;
            next = q + 2;
        }
        insert_candidate(job, static_cast<std::uint16_t>(count), pair);
    }
}

}  // namespace vendrel
