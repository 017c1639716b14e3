// Expansion of records of a recognised packed image back to text (-x).
#pragma once

#include <cstdint>
#include <string>

#include "base/job.h"

namespace vendrel {

// The two positions of one extraction: where the next code is read in the
// code stream, and where the next character goes in the image buffer.
struct ExtractionCursor {
    const std::uint8_t* read;
    const std::uint8_t* limit;  // end of the code stream
    std::uint8_t* write;
    std::uint8_t* write_limit;  // last byte of the image buffer, kept for the end mark
    bool overflow;              // a character did not fit; later writes are dropped
};

// Writes one byte of extracted text at the write position; a byte that
// would leave no room for the end mark sets overflow instead.
inline void put_byte(ExtractionCursor& cursor, std::uint8_t byte) {
    if (cursor.write >= cursor.write_limit) {
        cursor.overflow = true;
        return;
    }
    *cursor.write++ = byte;
}

// Writes the characters of code (0 to 255) at the write position.
void expand_code(const Job& job, ExtractionCursor& cursor, int code);

// Writes the record that starts at the read position and leaves the read
// position after its closing code 0 (or at the end of the code stream).
void extract_record(const Job& job, ExtractionCursor& cursor);

// Expands records extract_from..extract_to into job.image_buffer, sets
// final_length, and prints them on standard output when no output file is
// given. Returns 0, or kExtractedTextTooLong (reported) when the text would
// not fit the image buffer (nothing is printed then).
int extract_records(Job& job);

// The extracted text as the console shows it: CR and LF each a newline, CR
// LF one newline, every other byte unchanged, and one more newline at the end.
std::string console_text(const std::uint8_t* text, int length);

}  // namespace vendrel
