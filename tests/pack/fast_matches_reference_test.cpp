// The program's packer against the plain reference packer: for every text
// and both recount variants, the same code stream, symbol table, counts and
// final candidate table, byte for byte.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "pack/pack_text.h"
#include "pack/reference/pack_text.h"
#include "pack_checks.h"
#include "support/job_fixture.h"
#include "support/text_generator.h"

namespace vendrel::test {
namespace {

struct Packed {
    int result;
    Bytes stream;
    Bytes symbols;
    std::vector<Candidate> candidates;  // all 256 entries, empty ones too
    int source_length, packed_length, char_count, record_count, next_code;
};

Packed pack_with(int (*packer)(Job&), const std::string& text, bool oa) {
    JobHandle job = make_job();
    job->oa = oa ? 1 : 0;
    test::load_text(*job, text);
    Packed packed{};
    packed.result = packer(*job);
    packed.stream = code_stream(*job);
    packed.symbols = symbol_bytes(*job);
    packed.candidates.assign(job->candidate_table, job->candidate_table + kCandidateCount);
    packed.source_length = job->source_length;
    packed.packed_length = job->packed_length;
    packed.char_count = job->char_count;
    packed.record_count = job->record_count;
    packed.next_code = job->next_code;
    return packed;
}

// Compares the two packers on one text; returns false (with a failure)
// when they differ.
bool packers_agree(const std::string& text, bool oa) {
    const Packed fast = pack_with(pack_text, text, oa);
    const Packed plain = pack_with(reference::pack_text, text, oa);
    const bool agree = fast.result == plain.result && fast.stream == plain.stream &&
                       fast.symbols == plain.symbols && fast.candidates == plain.candidates &&
                       fast.source_length == plain.source_length &&
                       fast.packed_length == plain.packed_length && fast.char_count == plain.char_count &&
                       fast.record_count == plain.record_count && fast.next_code == plain.next_code;
    EXPECT_TRUE(agree) << "packers differ on a text of " << text.size() << " bytes"
                       << (oa ? " with -oa" : "");
    return agree;
}

// A varied text shape drawn from the generator: alphabets from 1 to 125
// characters, short and long records, runs, many separators, texts up to
// 65,535 bytes, some cut inside a record.
TextShape random_shape(std::mt19937& random) {
    TextShape shape;
    shape.alphabet_size = 1 + static_cast<int>(random() % 70);
    if (random() % 8 == 0) shape.alphabet_size = 100 + static_cast<int>(random() % 26);
    shape.separator = static_cast<std::uint8_t>(random() % 4 == 0 ? random() % 255 : '|');
    shape.record_count = 1 + static_cast<int>(random() % 400);
    shape.min_record_length = static_cast<int>(random() % 3);
    shape.max_record_length = shape.min_record_length + 1 + static_cast<int>(random() % 80);
    shape.max_run_length = random() % 4 == 0 ? 1 + static_cast<int>(random() % 12) : 1;
    shape.max_size = 1 + static_cast<int>(random() % (random() % 10 == 0 ? 65535 : 3000));
    return shape;
}

TEST(FastPacker, MatchesReferenceOnWorkedExamples) {
    const char* const examples[] = {
        "", "hello", "|ab|cd|", "|ab|cd", "aaaa", "|abababab|", "|aaaa|", "|aaaaaaa|", "|aaaaaaaa|",
        "|abcabcabc|abcabc|", "|xab|xab|xab|yab|", "|xab|xab|xab|xab|yab|",
    };
    for (const char* example : examples) {
        for (const bool oa : {false, true}) {
            EXPECT_TRUE(packers_agree(example, oa)) << '"' << example << '"';
        }
    }
}

TEST(FastPacker, MatchesReferenceOnLongRunsAndFullTables) {
    // Long runs of one code, both alignments of every run.
    std::string runs = "|";
    for (int length = 1; length < 300; length += 7) runs += std::string(length, 'a') + "b|";
    // Every pair of a 40-letter alphabet three times: more candidates than
    // the table holds.
    std::string many = "|";
    for (int copy = 0; copy < 3; ++copy) {
        for (char left = 'A'; left < 'A' + 40; ++left) {
            for (char right = 'A'; right < 'A' + 40; ++right) many += std::string{left, right, '|'};
        }
    }
    for (const std::string& text : {runs, many}) {
        for (const bool oa : {false, true}) EXPECT_TRUE(packers_agree(text, oa));
    }
}

// The number of generated texts: a fixed-seed subset by default, more with
// VENDREL_DIFFERENTIAL_TEXTS (scripts/differential.sh runs 10,000).
int generated_text_count() {
    const char* wanted = std::getenv("VENDREL_DIFFERENTIAL_TEXTS");
    return wanted != nullptr ? std::atoi(wanted) : 150;
}

TEST(FastPacker, MatchesReferenceOnGeneratedTexts) {
    std::mt19937 random(20261207);
    const int count = generated_text_count();
    int failures = 0;
    for (int index = 0; index < count && failures < 5; ++index) {
        const TextShape shape = random_shape(random);
        std::string text = generate_text(static_cast<std::uint32_t>(random()), shape);
        for (const bool oa : {false, true}) {
            if (!packers_agree(text, oa)) {
                ++failures;
                ADD_FAILURE() << "text " << index << " with alphabet " << shape.alphabet_size
                              << ", runs up to " << shape.max_run_length;
            }
        }
    }
}

}  // namespace
}  // namespace vendrel::test
