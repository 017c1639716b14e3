// Texts for the -best search tests, and the two ways of packing them: the
// character codes that the search starts from and the default packer's
// result that it has to beat.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "base/record_walker.h"
#include "best/search_best_image.h"
#include "pack/character_table.h"
#include "pack/pack_text.h"
#include "support/job_fixture.h"
#include "support/text_generator.h"

namespace vendrel::test {

struct SearchCase {
    const char* name;
    std::string text;
    bool must_find;  // a text on which the default packer surely leaves room
};

inline void PrintTo(const SearchCase& search_case, std::ostream* out) { *out << search_case.name; }

inline TextShape shape_of(int alphabet, int records, int min_length, int max_length, int max_run,
                          int max_size = 65535) {
    TextShape shape;
    shape.alphabet_size = alphabet;
    shape.record_count = records;
    shape.min_record_length = min_length;
    shape.max_record_length = max_length;
    shape.max_run_length = max_run;
    shape.max_size = max_size;
    return shape;
}

// Sentences made of a few phrases, so that long phrases repeat often and
// in many combinations.
inline std::string phrase_text(int records) {
    const char* const phrases[] = {"the old lamp ",        "is here. ",       "You are standing ",
                                   "in a small clearing ", "north ",          "a narrow path leads ",
                                   "and to the east ",     "there is water. "};
    std::string text = "|";
    std::uint32_t state = 12345;
    for (int record = 0; record < records; ++record) {
        const int count = 1 + record % 5;
        for (int k = 0; k < count; ++k) {
            state = state * 1103515245u + 12345u;
            text += phrases[(state >> 16) % 8];
        }
        text += '|';
    }
    return text;
}

inline std::vector<SearchCase> search_cases() {
    return {
        {"tiny", "|ab|ba|", false},
        {"one_record_no_pairs", "|abcdefghij|", false},
        {"generated_small", generate_text(11, shape_of(26, 30, 1, 40, 1)), false},
        {"generated_runs", generate_text(12, shape_of(10, 200, 0, 60, 4)), false},
        {"generated_wide", generate_text(13, shape_of(100, 400, 5, 120, 1)), false},
        {"generated_long_records", generate_text(14, shape_of(20, 6, 2000, 4000, 2)), false},
        {"generated_full", generate_text(15, shape_of(30, 2000, 1, 30, 1, 24000)), false},
        {"phrases", phrase_text(300), true},
        {"phrases_long", phrase_text(1300), true},
        {"one_long_record", "|" + phrase_text(400).substr(1), true},
    };
}

// The text as character codes, and what the default packer made of it.
struct Packed {
    std::vector<std::uint8_t> codes;
    int char_count = 0;
    PhraseImage greedy;
};

inline Packed pack_both_ways(const std::string& text) {
    Packed packed;
    JobHandle codes_job = make_job();
    load_text(*codes_job, text);
    build_character_table(*codes_job);
    map_text_to_codes(*codes_job);
    packed.codes = bytes(codes_job->text_buffer, codes_job->source_length);
    packed.char_count = codes_job->char_count;

    JobHandle job = make_job();
    load_text(*job, text);
    EXPECT_EQ(pack_text(*job), 0);
    packed.greedy.pair_table = bytes(job->symbol_table + job->char_count, job->symbol_table_size - job->char_count);
    packed.greedy.code_stream = bytes(job->text_buffer, job->packed_length);
    return packed;
}

inline bool search(const Packed& packed, PhraseImage& best) {
    return search_best_image(packed.codes.data(), static_cast<int>(packed.codes.size()), packed.char_count,
                             packed.greedy, best);
}

// The character codes of the image's stream, read as the program reads a
// packed text.
inline std::vector<std::uint8_t> expanded_codes(const PhraseImage& image, int n) {
    PackedCodes codes;
    codes.char_count = n;
    codes.pair_table = image.pair_table.data();
    codes.pair_count = static_cast<int>(image.pair_table.size() / 2);
    std::vector<std::uint8_t> text;
    auto take = [&](std::uint8_t code) {
        text.push_back(code);
        return true;
    };
    for (const std::uint8_t code : image.code_stream) expand_code(codes, code, take);
    return text;
}

// Texts written with letters: 'a' is code 1, 'b' code 2, and so on; '|' is
// the separator, code 0.
inline std::vector<std::uint8_t> codes_of(const std::string& letters) {
    std::vector<std::uint8_t> codes;
    for (const char ch : letters) codes.push_back(ch == '|' ? 0 : static_cast<std::uint8_t>(ch - 'a' + 1));
    return codes;
}

inline std::string phrase_of(const std::string& letters) {
    const std::vector<std::uint8_t> codes = codes_of(letters);
    return std::string(codes.begin(), codes.end());
}

inline constexpr int kAlphabet = 8;  // '|' and a to g

}  // namespace vendrel::test
