// Fixed work tables of the packer, allocated once per packing run. They let
// every counting pass visit only the positions that can matter, instead of
// rescanning the whole code stream for each first occurrence.
#pragma once

#include <cstdint>

#include "cli/job.h"

namespace vendrel {

inline constexpr int kPairKeyCount = 65536;

// How often each pair that holds the replaced codes A or B occurs in the
// stream after a substitution, counted left to right without overlap.
struct AffectedPairCounts {
    std::uint8_t a;
    std::uint8_t b;
    std::uint16_t left_is_a[256];   // (A, x), x != A
    std::uint16_t left_is_b[256];   // (B, x), x != B
    std::uint16_t right_is_a[256];  // (x, A), x != A, B
    std::uint16_t right_is_b[256];  // (x, B), x != A, B
    std::uint16_t a_twice;          // (A, A)
    std::uint16_t b_twice;          // (B, B)

    std::uint16_t of(std::uint8_t left, std::uint8_t right) const;
};

struct PackWorkspace {
    // Stream positions grouped by some key (pair value or neighbour code):
    // the positions of key k are positions[first[k]] .. positions[first[k+1]-1],
    // in increasing order.
    std::uint32_t first[kPairKeyCount + 1];
    std::uint16_t positions[kTextBufferSize];
    // For each stream position, its index in positions (initial count).
    std::uint16_t rank[kTextBufferSize];

    // Marks: a position is marked when its stamp equals the current stamp,
    // so clearing all marks is one increment.
    std::uint32_t mark_stamp[kTextBufferSize];
    std::uint32_t stamp;

    // Where the newest code was written by the last substitution.
    std::uint16_t new_code_positions[kTextBufferSize / 2 + 1];
    int new_code_count;

    AffectedPairCounts affected;

    bool is_marked(int position) const { return mark_stamp[position] == stamp; }
    void mark(int position) { mark_stamp[position] = stamp; }
    void clear_marks() { ++stamp; }
};

}  // namespace vendrel
