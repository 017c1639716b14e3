// Packed texts written out by hand (character table, pair table and code
// stream), loaded into a Job as if the packer had just produced them, so
// that composition and extraction can be tested apart from the packer.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "base/job.h"

namespace vendrel::test {

struct HandPacked {
    std::string characters;                                   // code c is characters[c]
    std::vector<std::pair<std::uint8_t, std::uint8_t>> pairs;  // code n + k is pairs[k]
    std::vector<std::uint8_t> stream;                          // the code stream
};

// Fills the symbol table, char_count, symbol_table_size, packed_length and
// the code stream in the text buffer (ended by the end mark).
void load_packed(Job& job, const HandPacked& packed);

// "#one" CR LF "#two" CR LF "#": records "one" CR LF and "two" CR LF, with
// pairs for CR LF and "on".
HandPacked one_two_text();

// Five characters, two pairs (symbol table of 9 bytes) and 20 codes: the
// sizes of an image of 87 bytes with the Z80 routine, 101 with the i8080
// routine. Records: "abc" CR, "abab" CR, "abc" CR, "abcabc" CR, "c" CR and
// an empty one.
HandPacked five_character_text();
std::vector<std::string> five_character_records();

// Places a loaded file in the text buffer as the main flow does before
// recognition: the bytes, source_length, and zeros behind them.
void load_file(Job& job, const std::vector<std::uint8_t>& file);

}  // namespace vendrel::test
