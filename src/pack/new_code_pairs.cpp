#include "pack/new_code_pairs.h"

#include <algorithm>
#include <cstring>

#include "pack/candidate_table.h"

namespace vendrel {

namespace {

// The new code's positions grouped by the code beside them, the right
// neighbour (next) or the left one (previous); positions without that
// neighbour are left out.
struct NeighbourGroups {
    const std::uint32_t* first;      // 257 group starts
    const std::uint16_t* positions;  // each group in increasing order

    // The group's positions from the first one at or after position on.
    std::pair<const std::uint16_t*, const std::uint16_t*> from(std::uint8_t code, int position) const {
        const std::uint16_t* begin = positions + first[code];
        const std::uint16_t* end = positions + first[code + 1];
        return {std::lower_bound(begin, end, position), end};
    }
};

NeighbourGroups group_by_neighbour(const std::uint8_t* stream, PackWorkspace& work, const std::uint16_t* neighbour) {
    std::uint32_t* first = work.first;
    std::memset(first, 0, 258 * sizeof *first);
    const std::uint16_t* places = work.new_code_positions;
    const int count = work.new_code_count;
    for (int i = 0; i < count; ++i) {
        const std::uint16_t beside = neighbour[places[i]];
        if (beside != kNoPosition) ++first[stream[beside] + 1];
    }
    for (int code = 0; code < 256; ++code) first[code + 1] += first[code];
    for (int i = 0; i < count; ++i) {
        const std::uint16_t beside = neighbour[places[i]];
        if (beside != kNoPosition) work.positions[first[stream[beside]]++] = places[i];
    }
    std::memmove(first + 1, first, 256 * sizeof *first);
    first[0] = 0;
    return {first, work.positions};
}

void enter(Job& job, bool marking, int count, std::uint16_t pair) {
    if (marking) {
        insert_candidate(job, static_cast<std::uint16_t>(count), pair);
    } else {
        insert_candidate_unique(job, static_cast<std::uint16_t>(count), pair);
    }
}

// Whether an occurrence's pair with its neighbour (at position beside,
// holding code) is counted. A marked neighbour matches nothing. Without
// marks every later occurrence counts its pair again, with a count no
// higher; the unique insertion refuses or drops all those, so only the
// first occurrence of each pair is counted.
bool counts_pair(bool marking, const PackWorkspace& work, int beside, std::uint8_t code, bool (&taken)[256]) {
    if (marking) return !work.is_marked(beside);
    if (taken[code]) return false;
    taken[code] = true;
    return true;
}

// Pairs with the new code on the left. Each unmarked occurrence of the new
// code counts its pair from the occurrence's own right code on (so in a run
// of the new code the overlapping occurrence counts too), marking the later
// occurrences it takes.
void count_pairs_with_new_code_on_left(Job& job, PackWorkspace& work, bool marking) {
    const std::uint8_t* stream = job.text_buffer;
    const auto code = static_cast<std::uint8_t>(job.next_code - 1);
    const NeighbourGroups by_right = group_by_neighbour(stream, work, work.next);
    bool taken[256] = {};

    for (int i = 0; i < work.new_code_count; ++i) {
        const int p = work.new_code_positions[i];
        if (marking && work.is_marked(p)) continue;
        const std::uint16_t after = work.next[p];
        if (after == kNoPosition) break;
        const std::uint8_t right = stream[after];
        if (right == 0 || !counts_pair(marking, work, after, right, taken)) continue;
        int count = 1;
        int next = after;
        for (auto [q, end] = by_right.from(right, after); q != end; ++q) {
            if (*q < next || (marking && work.is_marked(*q))) continue;
            if (marking) work.mark(*q);
            ++count;
            next = work.next[work.next[*q]];
        }
        enter(job, marking, count, pair_value(code, right));
    }
}

// Pairs with the new code on the right. Each unmarked occurrence whose left
// neighbour is neither a separator nor marked counts the pair from the
// occurrence's right code on; the codes it takes are left codes just before
// later occurrences of the new code, marked or not.
void count_pairs_with_new_code_on_right(Job& job, PackWorkspace& work, bool marking) {
    const std::uint8_t* stream = job.text_buffer;
    const auto code = static_cast<std::uint8_t>(job.next_code - 1);
    const NeighbourGroups by_left = group_by_neighbour(stream, work, work.previous);
    bool taken[256] = {};

    for (int i = 0; i < work.new_code_count; ++i) {
        const int p = work.new_code_positions[i];
        if (marking && work.is_marked(p)) continue;
        // The stream starts with a separator, never the new code, so there
        // is a code before every occurrence.
        const std::uint16_t before = work.previous[p];
        const std::uint8_t left = stream[before];
        if (left == 0 || !counts_pair(marking, work, before, left, taken)) continue;
        // Later occurrences of the new code whose left code is at or after
        // the code behind this occurrence.
        int count = 1;
        int next = work.next[p];
        for (auto [w, end] = by_left.from(left, p + 1); w != end; ++w) {
            const int q = work.previous[*w];
            if (q < next || (marking && work.is_marked(q))) continue;
            if (marking) work.mark(q);
            ++count;
            next = work.next[*w];
        }
        enter(job, marking, count, pair_value(left, code));
    }
}

}  // namespace

void count_new_code_pairs(Job& job, PackWorkspace& work) {
    // Marks are usable while the new code is at most 126: a marked 127
    // would read as the end mark, and from 128 on bit 7 belongs to the codes.
    const bool marking = job.next_code < 128;
    work.clear_marks();
    count_pairs_with_new_code_on_left(job, work, marking);
    count_pairs_with_new_code_on_right(job, work, marking);
}

}  // namespace vendrel
