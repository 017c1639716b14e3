// Damaged images must never crash, hang, recurse without end, or read
// outside the loaded file; they run under AddressSanitizer in CI.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "base/errors.h"
#include "extract/extract_records.h"
#include "extract/extraction_fixture.h"

namespace vendrel::test {
namespace {

// Lays a hand-packed text out in the text buffer as an image would hold it
// behind a routine of routine_length bytes, and sets the fields recognition
// would set, without its checks, so that tables recognition would refuse
// reach the expansion.
void lay_out(Job& job, const HandPacked& packed, int routine_length) {
    const int n = static_cast<int>(packed.characters.size());
    std::uint8_t* at = job.text_buffer + routine_length;
    job.routine_length = routine_length;
    job.char_count = n;
    job.symbol_table_size = n + 2 * static_cast<int>(packed.pairs.size());
    job.symbol_table = at;
    job.symbol_end = at + n;
    job.packed_length = static_cast<int>(packed.stream.size());
    for (char c : packed.characters) *at++ = static_cast<std::uint8_t>(c);
    for (const auto& [left, right] : packed.pairs) {
        *at++ = left;
        *at++ = right;
    }
    for (std::uint8_t code : packed.stream) *at++ = code;
}

std::string extract_unchecked(const HandPacked& packed) {
    JobHandle job = make_job();
    std::uint8_t* const own_symbol_table = job->symbol_table;
    lay_out(*job, packed, 58);
    job->extract_from = 0;
    job->output_path = "out";
    EXPECT_EQ(extract_records(*job), 0);
    job->symbol_table = own_symbol_table;
    return std::string(reinterpret_cast<const char*>(job->image_buffer), static_cast<std::size_t>(job->final_length));
}

TEST(DamagedImage, PairsNamingThemselvesOrLaterCodesAreNotFollowed) {
    // Codes: 0 '#', 1 'a', 2 'b'; 3 = (3, a) names itself on the left;
    // 4 = (a, 5) names a later code on the right; 5 = (5, 5).
    const HandPacked packed{"#ab", {{3, 1}, {1, 5}, {5, 5}}, {0, 3, 4, 5, 2, 0}};
    EXPECT_EQ(extract_unchecked(packed), "#aab\r#\r");
}

TEST(DamagedImage, UndefinedCodesWriteNothing) {
    const HandPacked packed{"#ab", {{1, 2}}, {0, 1, 200, 3, 4, 255, 0}};
    EXPECT_EQ(extract_unchecked(packed), "#aab\r#\r");
}

TEST(DamagedImage, NoCharactersAtAllStillEnds) {
    // No separator character to write: the record is a lone CR, and the
    // closing line adds nothing after that CR.
    const HandPacked packed{"", {}, {0, 1, 0}};
    EXPECT_EQ(extract_unchecked(packed), "\r");
}

TEST(DamagedImage, HugeSearchLengthStopsAtTheEndOfTheTextBuffer) {
    JobHandle job = make_job();
    std::uint8_t* const own_symbol_table = job->symbol_table;
    lay_out(*job, HandPacked{"#ab", {}, {0, 1, 2}}, 60000);
    job->packed_length = 65535;
    job->extract_from = 0;
    job->output_path = "out";
    EXPECT_EQ(extract_records(*job), 0);
    job->symbol_table = own_symbol_table;
    // "#ab" CR, then one empty record for each zero up to the buffer's end,
    // then the closing line.
    const int stream_start = 60000 + 3;
    const int zeros = kTextBufferSize - (stream_start + 3);
    const int empty_records = zeros - 1;  // the first zero closes "#ab"
    EXPECT_EQ(job->final_length, 4 + 2 * empty_records + 2);
}

TEST(DamagedImage, PairTableDoublingToCode255StopsAtTheBufferSize) {
    // A sound image by the rules (every pair names smaller codes) whose one
    // record would be 2^254 characters long.
    HandPacked packed{"#x", {{1, 1}}, {0, 255, 0}};
    for (int code = 3; code <= 255; ++code) {
        packed.pairs.emplace_back(static_cast<std::uint8_t>(code - 1), static_cast<std::uint8_t>(code - 1));
    }
    for (Routine routine : {Routine::kZ80, Routine::kI8080}) {
        const Extraction run = extract_file(compose_raw(packed, routine), ExtractOptions{0, 0});
        EXPECT_EQ(run.result, kExtractedTextTooLong) << routine_name(routine);
        EXPECT_EQ(run.console, "");
    }
}

TEST(DamagedImage, RecognitionRefusesSelfReferencingPairs) {
    const HandPacked packed{"#ab", {{1, 2}, {4, 1}}, {0, 3, 4, 0}};
    for (Routine routine : {Routine::kZ80, Routine::kI8080}) {
        EXPECT_EQ(extract_file(compose_raw(packed, routine), ExtractOptions{}).result, kNotPackedFile);
    }
}

// Returns whether the file was taken for a packed image.
bool expect_safe(const Bytes& file, std::mt19937& random, const std::string& what) {
    ExtractOptions options;
    options.from = static_cast<int>(random() % 4);
    options.to = options.from + static_cast<int>(random() % 4);
    options.dtp = (random() & 1) != 0;
    options.output = "o";
    const Extraction clean = extract_file(file, options);
    EXPECT_TRUE(clean.result == 0 || clean.result == kNotPackedFile || clean.result == kExtractedTextTooLong)
        << what;
    EXPECT_LE(clean.text.size(), 65535u) << what;

    // The same file with other bytes behind it gives the same result.
    options.beyond_fill = static_cast<std::uint8_t>(random() | 1);
    const Extraction dirty = extract_file(file, options);
    EXPECT_EQ(dirty.result, clean.result) << what;
    EXPECT_EQ(dirty.text, clean.text) << what;
    return clean.result != kNotPackedFile;
}

TEST(DamagedImage, RandomBytesAfterAValidRoutine) {
    std::mt19937 random(7);
    for (Routine routine : {Routine::kZ80, Routine::kI8080}) {
        const Bytes valid = compose_raw(five_character_text(), routine, false, 0x4000);
        const std::size_t routine_length = routine == Routine::kZ80 ? 58 : 72;
        for (int trial = 0; trial < 400; ++trial) {
            Bytes file(valid.begin(), valid.begin() + static_cast<long>(routine_length));
            const int extra = static_cast<int>(random() % 300);
            for (int i = 0; i < extra; ++i) file.push_back(static_cast<std::uint8_t>(random()));
            expect_safe(file, random, std::string(routine_name(routine)) + " trial " + std::to_string(trial));
        }
    }
}

TEST(DamagedImage, RandomPatchFieldsAndTables) {
    std::mt19937 random(11);
    int recognised = 0;
    for (Routine routine : {Routine::kZ80, Routine::kI8080}) {
        const Bytes valid = compose_raw(one_two_text(), routine, false, 0);
        // Character count, code stream address and search length fields.
        const std::vector<int> fields = routine == Routine::kZ80 ? std::vector<int>{26, 1, 2, 4, 5}
                                                                 : std::vector<int>{38, 1, 2, 4, 5};
        for (int trial = 0; trial < 400; ++trial) {
            Bytes file = valid;
            const int changes = 1 + static_cast<int>(random() % 3);
            for (int c = 0; c < changes; ++c) {
                const bool field = (random() & 1) != 0;
                const std::size_t at = field ? static_cast<std::size_t>(fields[random() % fields.size()])
                                             : file.size() - 1 - random() % 20;
                file[at] = (random() & 3) == 0 ? static_cast<std::uint8_t>(file[at] + 1)
                                               : static_cast<std::uint8_t>(random());
            }
            recognised += expect_safe(file, random, std::string(routine_name(routine)) + " trial " + std::to_string(trial));
        }
    }
    EXPECT_GT(recognised, 50) << "some damaged images must still pass recognition";
}

TEST(DamagedImage, TruncatedImages) {
    std::mt19937 random(3);
    for (Routine routine : {Routine::kZ80, Routine::kI8080}) {
        for (bool oa : {false, true}) {
            const Bytes valid = compose_raw(five_character_text(), routine, oa);
            for (std::size_t length = 0; length <= valid.size(); ++length) {
                const Bytes file(valid.begin(), valid.begin() + static_cast<long>(length));
                expect_safe(file, random, std::string(routine_name(routine)) + " cut at " + std::to_string(length));
            }
        }
    }
}

TEST(DamagedImage, HugeSearchLengthIsRefusedByRecognition) {
    Bytes file = compose_raw(one_two_text(), Routine::kZ80);
    file[4] = 0xFF;
    file[5] = 0xFF;
    EXPECT_EQ(extract_file(file, ExtractOptions{0, 0, false, "o"}).result, kNotPackedFile);
}

}  // namespace
}  // namespace vendrel::test
