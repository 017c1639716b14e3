// Views of a packing Job for the pack tests: the stream, the tables and the
// text that the code stream expands to.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "support/job_making.h"

namespace vendrel {

inline bool operator==(const Candidate& a, const Candidate& b) {
    return a.count == b.count && a.pair == b.pair;
}

inline void PrintTo(const Candidate& entry, std::ostream* out) {
    *out << "{count " << entry.count << ", " << (entry.pair & 0xFF) << " " << (entry.pair >> 8)
         << "}";
}

}  // namespace vendrel

namespace vendrel::test {

using Bytes = std::vector<std::uint8_t>;

// Table-driven examples print as their names in the messages of failed
// cases. The tests declare their examples in this namespace's unnamed
// namespace, where the using-declaration lets GoogleTest find the printer.
template <typename Example>
    requires requires(const Example& example) { example.name; }
void PrintTo(const Example& example, std::ostream* out) {
    *out << example.name;
}

namespace {
using test::PrintTo;
}  // namespace

// A fresh job with the flags set to 1 and then the text loaded (load_text).
JobHandle job_with_text(std::string_view text, const std::vector<std::int32_t Job::*>& flags = {});

// A candidate entry written as in the tables of the tests.
Candidate candidate(std::uint16_t count, std::uint8_t left, std::uint8_t right);

// The bytes of a string, for comparisons with a buffer.
Bytes bytes_of(const std::string& text);

// The code stream: the first packed_length bytes of the text buffer.
Bytes code_stream(const Job& job);

// The text buffer up to its end mark, marks included; only for streams
// without code 255.
Bytes bytes_before_end_mark(const Job& job);

// The first symbol_table_size bytes of the symbol table.
Bytes symbol_bytes(const Job& job);

// The filled entries of the candidate table, head first.
std::vector<Candidate> filled_candidates(const Job& job);

// The text that the code stream stands for, each pair code expanded through
// the pair table down to characters.
std::string expand_code_stream(const Job& job);

}  // namespace vendrel::test
