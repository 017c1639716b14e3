// Fixed work tables of the packer, allocated once per packing run. They let
// every counting pass visit only the positions that can matter, instead of
// rescanning the whole code stream for each first occurrence.
#pragma once

#include <cstdint>
#include <cstring>

#include "base/job.h"

namespace vendrel {

// Pairs of the fresh code stream, whose codes are below 128, grouped by
// this key.
inline constexpr int kPairKeyCount = 128 * 128;
inline constexpr int pair_key(std::uint8_t left, std::uint8_t right) { return left << 7 | right; }

// Ends the chain of neighbours; above every position of a text.
inline constexpr std::uint16_t kNoPosition = 0xFFFF;

// How often each pair that holds the replaced codes A or B occurs in the
// stream after a substitution, counted left to right without overlap: the
// only counts the recount needs.
struct AffectedPairCounts {
    std::uint8_t a;
    std::uint8_t b;
    // Occurrences of every pair of two different codes (left code in the
    // low byte of the index), kept up to date by each substitution.
    const std::uint16_t* pair_count;
    // The pairs of one code twice, counted when the table holds them.
    std::uint16_t a_twice;  // (A, A)
    std::uint16_t b_twice;  // (B, B)

    std::uint16_t of(std::uint8_t left, std::uint8_t right) const {
        if (left != right) return pair_count[left | right << 8];
        return left == a ? a_twice : b_twice;
    }
};

struct PackWorkspace {
    // Stream positions grouped by some key (pair key or neighbour code):
    // the positions of key k are positions[first[k]] .. positions[first[k+1]-1],
    // in increasing order.
    std::uint32_t first[kPairKeyCount + 1];
    std::uint16_t positions[kTextBufferSize];
    // For each stream position, its index in positions (initial count).
    std::uint16_t rank[kTextBufferSize];

    // Marks: a position is marked when its stamp equals the current stamp,
    // so clearing all marks is one increment. Marks are cleared once per
    // step and once before, far fewer times than a stamp can count.
    std::uint16_t mark_stamp[kTextBufferSize];
    std::uint16_t stamp;

    // The code stream while packing. Every code keeps the place in the text
    // buffer where its text byte stood; a substitution writes the new code
    // over the pair's left code and takes the right code out of the chain of
    // neighbours, so no step moves the rest of the stream and positions keep
    // their order. kNoPosition ends the chain on both sides.
    std::uint16_t next[kTextBufferSize];
    std::uint16_t previous[kTextBufferSize];

    // The positions of each code in the stream, in stream order:
    // occurrences[code_begin[c]] .. occurrences[code_end[c] - 1]. A
    // substitution filters the lists of the two replaced codes and appends
    // the new code's list, so the pool holds the text's positions once plus
    // one position per replacement.
    std::uint16_t occurrences[2 * kTextBufferSize];
    std::uint32_t code_begin[256];
    std::uint32_t code_end[256];
    std::uint32_t occurrences_used;

    // Occurrences of every pair of two different codes in the chained
    // stream, indexed by pair value. For two different codes every
    // occurrence counts, as no two can overlap; pairs of one code twice are
    // counted when needed, from the code's list.
    std::uint16_t pair_count[65536];

    // Where the newest code stands: its list of occurrences.
    const std::uint16_t* new_code_positions;
    int new_code_count;

    AffectedPairCounts affected;

    // Makes the tables ready for a stream of length codes: no position
    // marked. Everything else is written before it is read.
    void start(int length) {
        stamp = 0;
        std::memset(mark_stamp, 0, static_cast<std::size_t>(length) * sizeof *mark_stamp);
    }

    bool is_marked(int position) const { return mark_stamp[position] == stamp; }
    void mark(int position) { mark_stamp[position] = stamp; }
    void clear_marks() { ++stamp; }
};

}  // namespace vendrel
