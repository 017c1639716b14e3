// The character table, the code stream it gives, and the limit of 126
// different characters.
#include "pack/character_table.h"

#include <gtest/gtest.h>

#include <string>

#include "base/errors.h"
#include "pack/pack_text.h"
#include "pack_checks.h"
#include "support/job_fixture.h"

namespace vendrel::test {
namespace {

struct MappedExample {
    const char* name;
    std::string text;
    std::string characters;
    Bytes stream;
    int record_count;
};

class MappedTexts : public testing::TestWithParam<MappedExample> {};

TEST_P(MappedTexts, GiveCharactersInOrderOfFirstAppearance) {
    const MappedExample& example = GetParam();
    JobHandle job = job_with_text(example.text);
    job->text_buffer[example.text.size() + 1] = 'z';  // behind the end mark: not part of the text

    build_character_table(*job);
    const int characters = static_cast<int>(example.characters.size());
    EXPECT_EQ(job->char_count, characters);
    EXPECT_EQ(Bytes(job->symbol_table, job->symbol_table + characters),
              bytes_of(example.characters));
    EXPECT_EQ(job->symbol_end, job->symbol_table + characters);
    for (int index = characters; index < kSymbolTableSize; ++index) {
        ASSERT_EQ(job->symbol_table[index], 0xFF) << "at " << index;
    }
    EXPECT_EQ(job->source_length, static_cast<int>(example.text.size()));
    EXPECT_EQ(job->packed_length, static_cast<int>(example.text.size()));

    map_text_to_codes(*job);
    EXPECT_EQ(bytes_before_end_mark(*job), example.stream);
    EXPECT_EQ(job->record_count, example.record_count);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, MappedTexts,
    testing::Values(MappedExample{"hello", "hello", "helo", {0, 1, 2, 2, 3}, 0},
                    MappedExample{"two_records", "|ab|cd|", "|abcd", {0, 1, 2, 0, 3, 4, 0}, 2},
                    MappedExample{"trailing_run", "|ab|cd", "|abcd", {0, 1, 2, 0, 3, 4}, 1},
                    MappedExample{"separator_only", "aaaa", "a", {0, 0, 0, 0}, 3},
                    MappedExample{"empty", "", "", {}, -1},
                    MappedExample{
                        "other_first_character", "x|ab|x", "x|ab", {0, 1, 2, 3, 1, 0}, 1}),
    [](const testing::TestParamInfo<MappedExample>& info) { return info.param.name; });

// A text of count different characters: every byte value from 0 upward,
// which is never the end mark while count is at most 255.
std::string text_of_different_characters(int count) {
    std::string text;
    for (int byte = 0; byte < count; ++byte) text.push_back(static_cast<char>(byte));
    text += text;
    return text;
}

struct CharacterLimitCase {
    int characters;
    int result;
};

class CharacterLimit : public testing::TestWithParam<CharacterLimitCase> {};

TEST_P(CharacterLimit, RefusesFrom127CharactersWithoutTouchingTheText) {
    const CharacterLimitCase& limit = GetParam();
    const std::string text = text_of_different_characters(limit.characters);
    JobHandle job = job_with_text(text);

    testing::internal::CaptureStderr();
    const int result = pack_text(*job);
    // The caller reports the refusal; packing itself prints nothing.
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");

    EXPECT_EQ(result, limit.result);
    EXPECT_EQ(job->char_count, limit.characters);
    EXPECT_EQ(job->source_length, static_cast<int>(text.size()));
    if (result == kTooManyCharacters) {
        EXPECT_EQ(bytes_before_end_mark(*job), bytes_of(text)) << "the text was mapped";
        EXPECT_EQ(filled_candidates(*job).size(), 0u);
    } else {
        EXPECT_EQ(expand_code_stream(*job), text);
    }
}

INSTANTIATE_TEST_SUITE_P(Counts, CharacterLimit,
                         testing::Values(CharacterLimitCase{126, 0},
                                         CharacterLimitCase{127, kTooManyCharacters},
                                         CharacterLimitCase{255, kTooManyCharacters}),
                         [](const testing::TestParamInfo<CharacterLimitCase>& info) {
                             return std::to_string(info.param.characters);
                         });

}  // namespace
}  // namespace vendrel::test
