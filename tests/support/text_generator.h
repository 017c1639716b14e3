// Record-structured test texts, made from a seed: the same seed and shape
// give the same text on every platform.
//
// A text is laid out as the packer sees records: the separator, a record,
// the separator, a record, ..., the separator. Records are drawn from an
// alphabet whose earlier characters are more frequent (as letters are in a
// language), so that pairs repeat and get packed. The text never contains
// the separator inside a record, nor the byte 0xFF.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vendrel::test {

struct TextShape {
    // Different characters inside records, 1 to 254. The alphabet starts
    // with the lower-case letters, then upper case, digits and punctuation,
    // then the remaining byte values; the separator is left out of it.
    int alphabet_size = 26;
    std::uint8_t separator = '|';
    int record_count = 10;
    // Each record length is drawn from min..max (min may be 0).
    int min_record_length = 1;
    int max_record_length = 40;
    // Each drawn character is repeated 1..max_run_length times.
    int max_run_length = 1;
    // The text is cut to at most this many bytes (at most 65,535); a cut
    // text may end inside a record.
    int max_size = 65535;
};

std::string generate_text(std::uint32_t seed, const TextShape& shape);

// The byte of the alphabet at index (0 <= index < 255), before the separator
// is left out; exposed so that tests can name the characters of a text.
std::uint8_t alphabet_character(int index);

// The pieces of a prepared text after each of its separators (its first
// character): piece k - 1 is record k; the last piece is the trailing run.
std::vector<std::string> pieces_after_separators(const std::string& prepared);

}  // namespace vendrel::test
