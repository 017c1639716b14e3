#include "pack/character_table.h"

#include <cstring>

namespace vendrel {

namespace {

constexpr int kNoCode = -1;

}  // namespace

void build_character_table(Job& job) {
    std::memset(job.symbol_table, kEndMark, kSymbolTableSize);
    // The table is built from scratch, so a Job used before starts over too.
    job.char_count = 0;

    bool seen[256] = {};
    int length = 0;
    for (; job.text_buffer[length] != kEndMark; ++length) {
        const std::uint8_t byte = job.text_buffer[length];
        if (!seen[byte]) {
            seen[byte] = true;
            job.symbol_table[job.char_count] = byte;
            ++job.char_count;
        }
    }

    job.source_length = length;
    job.packed_length = length;
    job.symbol_end = job.symbol_table + job.char_count;
}

void map_text_to_codes(Job& job) {
    int code_of[256];
    for (int& code : code_of) code = kNoCode;
    for (int code = 0; code < job.char_count; ++code) code_of[job.symbol_table[code]] = code;

    job.record_count = -1;
    for (std::uint8_t* byte = job.text_buffer; *byte != kEndMark; ++byte) {
        const int code = code_of[*byte];
        *byte = static_cast<std::uint8_t>(code);
        if (code == kSeparatorCode) ++job.record_count;
    }
}

}  // namespace vendrel
