#include "pack/character_table.h"

#include <cstring>

namespace vendrel {

namespace {

// Index of byte among the first count characters of the table, or -1.
int find_character(const std::uint8_t* table, int count, std::uint8_t byte) {
    for (int code = 0; code < count; ++code) {
        if (table[code] == byte) return code;
    }
    return -1;
}

}  // namespace

void build_character_table(Job& job) {
    std::memset(job.symbol_table, kEndMark, kSymbolTableSize);
    // The table is built from scratch, so a Job used before starts over too.
    job.char_count = 0;

    int length = 0;
    for (; job.text_buffer[length] != kEndMark; ++length) {
        const std::uint8_t byte = job.text_buffer[length];
        if (find_character(job.symbol_table, job.char_count, byte) < 0) {
            job.symbol_table[job.char_count] = byte;
            ++job.char_count;
        }
    }

    job.source_length = length;
    job.packed_length = length;
    job.symbol_end = job.symbol_table + job.char_count;
}

void map_text_to_codes(Job& job) {
    job.record_count = -1;
    for (std::uint8_t* byte = job.text_buffer; *byte != kEndMark; ++byte) {
        const int code = find_character(job.symbol_table, job.char_count, *byte);
        *byte = static_cast<std::uint8_t>(code);
        if (code == kSeparatorCode) ++job.record_count;
    }
}

}  // namespace vendrel
