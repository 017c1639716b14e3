// Whole-file reading.
#pragma once

#include <cstdint>

namespace vendrel {

// Reads the whole file into buffer. Returns the number of bytes read, or a
// reported error code (-5 to -9) when it cannot, or when the file is longer
// than limit bytes (-8, before anything is read).
int read_whole_file(const char* path, std::uint8_t* buffer, int limit);

}  // namespace vendrel
