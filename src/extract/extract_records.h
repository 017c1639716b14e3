// Expansion of records of a recognised packed image back to text (-x).
#pragma once

#include <cstdint>
#include <string>

#include "base/job.h"
#include "base/record_walker.h"

namespace vendrel {

// Where the next character of the extracted text goes in the image buffer.
struct ExtractedText {
    std::uint8_t* write;
    std::uint8_t* write_limit;  // last byte of the image buffer, kept for the end mark
    bool overflow;              // a character did not fit; later writes are dropped
};

// Writes one byte of extracted text at the write position; a byte that
// would leave no room for the end mark sets overflow instead.
inline void put_byte(ExtractedText& text, std::uint8_t byte) {
    if (text.write >= text.write_limit) {
        text.overflow = true;
        return;
    }
    *text.write++ = byte;
}

// Writes one record of the stream: its separator character, its codes
// expanded, and a CR unless its last character ends a line.
void extract_record(const Job& job, const PackedCodes& codes, const RecordSpan& record, ExtractedText& text);

// Expands records extract_from..extract_to into job.image_buffer, sets
// final_length, and prints them on standard output when no output file is
// given. Returns 0, or kExtractedTextTooLong (reported) when the text would
// not fit the image buffer (nothing is printed then).
int extract_records(Job& job);

// The extracted text as the console shows it: CR and LF each a newline, CR
// LF one newline, every other byte unchanged, and one more newline at the end.
std::string console_text(const std::uint8_t* text, int length);

}  // namespace vendrel
