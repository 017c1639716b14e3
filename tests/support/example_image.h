// The worked example of a packed text, set into a Job by hand: 5 different
// characters, 2 pair codes (symbol table 9 bytes), a code stream of 20 bytes.
#pragma once

#include <cstdint>
#include <vector>

#include "base/job.h"

namespace vendrel::test {

inline constexpr int kExampleCharCount = 5;
inline constexpr int kExampleSymbolTableSize = 9;
inline constexpr int kExamplePackedLength = 20;

// Characters |, a, b, c, d; pair 5 = (a, b), pair 6 = (5, c).
inline const std::vector<std::uint8_t> kExampleSymbols = {'|', 'a', 'b', 'c', 'd', 1, 2, 5, 3};
// Records: "abc", "abd", "d", "ab", "cabc", "abcabc", "", "ddab".
inline const std::vector<std::uint8_t> kExampleStream = {0, 6, 0, 5, 4, 0, 4, 0, 5, 0,
                                                         3, 6, 0, 6, 6, 0, 0, 4, 4, 5};

// Fills the job's symbol table, code stream (with its end mark) and counts.
void set_example(Job& job);

}  // namespace vendrel::test
