// The pair candidate table: 256 entries of a count and a pair, sorted by
// count with the highest at the head (entry 0). Among equal counts the entry
// inserted earlier stands first; empty entries (count 0, pair 0) stand
// behind all filled ones. Every change goes through the operations below.
#pragma once

#include <cstdint>

#include "base/job.h"

namespace vendrel {

// Counts below this are never entered: a pair that occurs only twice does
// not pay for its two bytes in the pair table.
inline constexpr std::uint16_t kMinCandidateCount = 3;

// A pair value holds the left code in its low byte and the right code in
// its high byte. No pair holds the separator code 0, so 0 means "no pair".
inline constexpr std::uint16_t pair_value(std::uint8_t left, std::uint8_t right) {
    return static_cast<std::uint16_t>(left | (right << 8));
}
inline constexpr std::uint8_t left_code(std::uint16_t pair) {
    return static_cast<std::uint8_t>(pair & 0xFF);
}
inline constexpr std::uint8_t right_code(std::uint16_t pair) {
    return static_cast<std::uint8_t>(pair >> 8);
}

// Enters the pair behind every entry with a count at least as high, moving
// the rest down and dropping the last entry. Counts below 3, and counts no
// higher than every entry of a full table, change nothing. The pair may
// already stand in the table; it then stands there twice.
void insert_candidate(Job& job, std::uint16_t count, std::uint16_t pair);

// As insert_candidate, but a pair that already stands in the table, with
// whatever count, is refused.
void insert_candidate_unique(Job& job, std::uint16_t count, std::uint16_t pair);

// Removes entry index: the entries behind it move up one place and the
// last entry becomes empty.
void remove_candidate(Job& job, int index);

// Removes the head and keeps the old last entry, now in place 254 (the
// restarting recount's way).
void remove_head_keeping_last(Job& job);

// Removes the head after emptying the last entry, so the old last entry is
// lost and places 254 and 255 are both empty (the single-pass recount's way).
void remove_head_dropping_last(Job& job);

}  // namespace vendrel
