// Whole-file reading and writing.
#pragma once

#include <cstdint>

namespace vendrel {

// Reads the whole file into buffer. Returns the number of bytes read, or a
// reported error code (-5 to -9) when it cannot, or when the file is longer
// than limit bytes (-8, before anything is read).
int read_whole_file(const char* path, std::uint8_t* buffer, int limit);

// Writes length bytes of data to the file, replacing it, or after its old
// content when append is set. Returns 0 or a reported error (-10 to -12).
int write_output_file(const char* path, const std::uint8_t* data, int length, bool append);

}  // namespace vendrel
