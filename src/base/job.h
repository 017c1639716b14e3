// The one record of a run: names from the command line, option flags, the
// work buffers and the counts that the later steps fill in and the report
// prints. Every other module receives the Job and reads or fills its fields.
#pragma once

#include <cstddef>
#include <cstdint>

#include "base/text_codes.h"

namespace vendrel {

// Sizes of the work buffers.
inline constexpr int kTextBufferSize = 65536;
inline constexpr int kImageBufferSize = 65536;
inline constexpr int kSymbolTableSize = 512;
inline constexpr int kCandidateCount = 256;
inline constexpr int kConversionTableSize = 512;

// Longest source file the packer accepts: the text buffer keeps one byte
// for the end mark behind the text.
inline constexpr int kMaxSourceLength = 65535;

// Longest names the record holds (without the terminating zero).
inline constexpr int kMaxOutputNameLength = 255;
inline constexpr int kMaxTapeNameLength = 10;  // the wider of the two tape formats

// One entry of the pair candidate table: how often the pair occurs and the
// pair itself (low byte left code, high byte right code).
struct Candidate {
    std::uint16_t count;
    std::uint16_t pair;
};

struct Job {
    // Names. Text references point at the command-line arguments.
    const char* source_path;
    const char* output_path;
    const char* conversion_path;
    char default_output_name[kMaxOutputNameLength + 1];
    char tape_name[kMaxTapeNameLength + 1];

    // Option flags: 0 = not given, 1 = given.
    std::int32_t verbose;   // -vb
    std::int32_t oa;        // -oa
    std::int32_t dtp;       // -dtp
    std::int32_t lc;        // -lc
    std::int32_t no_crlf;   // -no-crlf
    std::int32_t crlf_spc;  // -crlf-spc
    std::int32_t only_cr;   // -only-cr
    std::int32_t only_lf;   // -only-lf
    std::int32_t z80;       // -z80
    std::int32_t i8080;     // -i8080
    std::int32_t ptp;       // -ptp
    std::int32_t tap;       // -tap
    std::int32_t append;    // -append

    // Buffers, allocated zero-filled at most once and released together.
    std::uint8_t* text_buffer;       // kTextBufferSize bytes
    std::uint8_t* symbol_table;      // kSymbolTableSize bytes (or inside text_buffer when extracting)
    std::uint8_t* symbol_end;        // first free byte / start of the pair table
    std::uint8_t* image_buffer;      // kImageBufferSize bytes
    std::uint8_t* conversion_table;  // kConversionTableSize bytes, only with -ct
    Candidate* candidate_table;      // kCandidateCount entries

    // Counts and settings.
    std::int32_t source_length;
    std::int32_t packed_length;
    std::int32_t record_count;
    std::int32_t char_count;
    std::int32_t symbol_table_size;
    std::int32_t next_code;
    std::int32_t load_address;      // -1 until given or defaulted
    std::int32_t print_address;     // -1 until given or defaulted
    std::int32_t routine_length;
    std::int32_t total_length;
    std::int32_t final_length;
    std::int32_t extract_from;      // -1 in packing mode, 0 = all records
    std::int32_t extract_to;
    std::int32_t conversion_count;  // -1 when no conversion file was read

    // Options beyond the classic set: the record listing and its checks,
    // the include file for the game's source, and the smallest-image search.
    std::int32_t list;            // -list
    std::int32_t line_width;      // -w, 0 = no line-width check
    std::int32_t best;            // -best
    const char* include_path;     // -inc
    const char* include_prefix;   // -inc-prefix, null = derived from the output name
    std::int32_t tape_block;      // -xb: which image of a tape, from 1; 0 = the first, -1 = a bad value

    // The 6502 family: its routine, its containers, the zero-page bytes the
    // routine uses and the bound on the stack its nesting may take.
    std::int32_t mos6502;      // -6502
    std::int32_t prg;          // -prg
    std::int32_t xex;          // -xex
    std::int32_t zero_page;    // -zp, -1 until given or defaulted
    std::int32_t stack_bound;  // -stack in bytes, -1 until given or defaulted, 0 = no bound
};

inline bool is_extraction(const Job& job) { return job.extract_from >= 0; }

}  // namespace vendrel
