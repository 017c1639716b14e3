// The mark bit of the code stream. While every code is below 128, a counting
// pass sets bit 7 on the left byte of each later occurrence it has counted,
// so that the occurrence is not taken as a first occurrence again. A marked
// byte never equals an unmarked code, so exact comparisons skip it.
#pragma once

#include <cstdint>

#include "base/job.h"

namespace vendrel::reference {

inline constexpr std::uint8_t kMarkBit = 0x80;
inline constexpr std::uint8_t kUnmarkedMask = 0x7F;

inline constexpr bool is_marked(std::uint8_t byte) { return (byte & kMarkBit) != 0; }

// Marks are usable while the newest code is at most 126, that is while
// next_code is below 128: a marked 127 would read as the end mark, and once
// codes of 128 and more exist bit 7 belongs to the codes themselves.
inline bool marks_usable(const Job& job) { return job.next_code < 128; }

// Clears bit 7 of every byte before the end mark.
void clear_marks(Job& job);

}  // namespace vendrel::reference
