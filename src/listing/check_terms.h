// How the checks of the record listing name what they found: a byte, a few
// records, a place in a record.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vendrel {

// A place in a text divided into records: the record (from 1) and the line
// within it (from 1; CR, LF and CR LF each end a line).
struct TextPosition {
    int record = 0;
    int line = 0;
};

// 'c' for a printable byte, CR and LF by name, 0xNN for any other.
std::string shown_byte(std::uint8_t byte);

// "record 3" or "records 3, 7 and 12", at most a few of them by number.
std::string named_records(const std::vector<int>& numbers);

// "record 2, line 1" or "records 240 (line 3), 335 (line 1) and 401 (line 2)".
std::string named_positions(const std::vector<TextPosition>& positions);

// Where the byte at text[at] stands, the first byte of text being the
// separator: record k follows the k-th separator. A separator itself
// stands at the end of the record it closes.
TextPosition position_in_records(std::string_view text, std::size_t at);

bool is_line_end(std::uint8_t byte);

}  // namespace vendrel
