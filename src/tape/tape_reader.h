// Sequential reading of a tape file: blocks behind their 16-bit
// little-endian length words, read without ever leaving the file. The TAP
// and PTP readers walk a file with it and say where each file on the tape
// keeps its data.
#pragma once

#include <cstdint>

namespace vendrel {

// Where one file on a tape keeps its data (for Vendrel's tapes, the packed
// image): an offset into the tape file and a length.
struct TapeData {
    int offset;
    int length;
};

struct TapeReader {
    const std::uint8_t* file;
    int length;
    int position = 0;

    bool at_end() const { return position >= length; }

    // True when count more bytes lie inside the file.
    bool has(int count) const { return count >= 0 && length - position >= count; }

    // The length word of the next block; -1 when the file ends before it.
    int length_word() {
        if (!has(2)) return -1;
        const int value = file[position] | (file[position + 1] << 8);
        position += 2;
        return value;
    }

    // The offset of the next block of count bytes, stepped over; -1 when
    // the file ends before the block does.
    int block(int count) {
        if (!has(count)) return -1;
        const int start = position;
        position += count;
        return start;
    }

    int word_at(int offset) const { return file[offset] | (file[offset + 1] << 8); }
};

}  // namespace vendrel
