// Every raw image the program writes reads back with -x: at every load
// address, with either routine, with and without -oa, up to images that
// fill all 65,536 bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "extract/text_records.h"
#include "support/program.h"
#include "support/text_generator.h"

namespace vendrel::test {
namespace {

constexpr int kFullImage = 65536;

int routine_length(Routine routine) { return routine == Routine::kZ80 ? 58 : 72; }

// A text whose image is exactly 65,536 bytes: every pair holds the
// separator, so nothing packs, and each record is one CR or LF, so that the
// extracted text still fits. Three characters; an image of R + 3 + L bytes,
// L - 1 with -oa. A last empty record evens the length out where needed.
std::string full_image_text(Routine routine, bool oa) {
    const int length = kFullImage - routine_length(routine) - 3 + (oa ? 1 : 0);
    std::string text = "|";
    for (int i = 0; static_cast<int>(text.size()) + 2 <= length; ++i) {
        text += i % 3 == 0 ? '\n' : '\r';
        text += '|';
    }
    if (static_cast<int>(text.size()) < length) text += '|';
    return text;
}

// The same length with -oa, but without the empty last record: the first
// record takes its byte (one CR more).
std::string full_image_text_ending_in_a_record() {
    const std::string text = full_image_text(Routine::kZ80, true);
    return "|\n\r" + text.substr(2, text.size() - 3);
}

struct TextCase {
    const char* name;
    std::string (*make)(Routine routine, bool oa);
};

const TextCase kTexts[] = {
    {"generated", [](Routine, bool) { return generate_text(71, TextShape{}); }},
    {"generated_wide",
     [](Routine, bool) {
         TextShape shape;
         shape.alphabet_size = 110;  // CR and LF among the characters
         shape.record_count = 400;
         shape.min_record_length = 0;
         shape.max_run_length = 3;
         return generate_text(72, shape);
     }},
    {"full_image", full_image_text},
};

using ReadBackParam = std::tuple<TextCase, Routine, bool, int>;

class ImageReadBack : public testing::TestWithParam<ReadBackParam> {};

TEST_P(ImageReadBack, GivesBackEveryRecord) {
    const auto& [text_case, routine, oa, load_address] = GetParam();
    const ScratchDir dir;
    const std::string source = text_case.make(routine, oa);
    const std::string image = dir.file("text.vdl");
    std::vector<std::string> args = {dir.write("text.txt", source), routine == Routine::kZ80 ? "-z80" : "-i8080",
                                     "-a", std::to_string(load_address), "-o", image};
    if (oa) args.push_back("-oa");
    const ProgramResult packed = run_program(args);
    ASSERT_EQ(packed.exit_status, 0) << packed.err;
    if (std::string(text_case.name) == "full_image") {
        ASSERT_EQ(read_file(image).size(), static_cast<std::size_t>(kFullImage));
    }

    const ProgramResult extracted = run_program({"-x", "0", "0", image, "-o", dir.file("text.out")});
    ASSERT_EQ(extracted.exit_status, 0) << extracted.err;
    PackOptions options;
    options.oa = oa;
    const std::string prepared = prepared_text(source, options);
    EXPECT_EQ(read_file(dir.file("text.out")), extracted_form(records_of(prepared, oa), prepared[0]));
}

std::string read_back_name(const testing::TestParamInfo<ReadBackParam>& info) {
    const auto& [text_case, routine, oa, load] = info.param;
    return std::string(text_case.name) + "_" + routine_name(routine) + (oa ? "_oa" : "") + "_at_" +
           std::to_string(load);
}

INSTANTIATE_TEST_SUITE_P(Images, ImageReadBack,
                         testing::Combine(testing::ValuesIn(kTexts), testing::Values(Routine::kZ80, Routine::kI8080),
                                          testing::Bool(), testing::Values(0, 32768, 65470, 65535)),
                         read_back_name);

// What -x from to gives for a text's records: records from..to, cut at the
// last, and the closing line; only the closing line when from is one past
// the last record; nothing beyond that.
std::string extracted_range(const std::vector<std::string>& records, char separator, int from, int to) {
    const int count = static_cast<int>(records.size());
    if (from > count + 1) return "";
    const auto first = records.begin() + std::min(from - 1, count);
    const auto last = records.begin() + std::min(to, count);
    return extracted_form(std::vector<std::string>(first, last), separator);
}

// Ranges of the images that fill the whole buffer; with -oa the record
// after the last stored code is closed by the 0 that would follow the image.
struct RangeCase {
    const char* name;
    std::string text;
    bool oa;
    int from_end;  // from, counted back from the last record (0: the last)
    int span;      // to - from
};

const RangeCase kRanges[] = {
    {"separators_first", std::string(65477, '|'), false, -65475, 2},
    {"separators_last", std::string(65477, '|'), false, 0, 0},
    {"separators_closing_line", std::string(65477, '|'), false, 1, 5},
    {"separators_beyond", std::string(65477, '|'), false, 2, 0},
    {"oa_last_two", full_image_text(Routine::kZ80, true), true, -1, 1},
    {"oa_last", full_image_text(Routine::kZ80, true), true, 0, 0},
    {"oa_closing_line", full_image_text(Routine::kZ80, true), true, 1, 0},
    {"oa_beyond", full_image_text(Routine::kZ80, true), true, 2, 3},
    {"oa_record_last", full_image_text_ending_in_a_record(), true, 0, 9},
    {"oa_record_closing_line", full_image_text_ending_in_a_record(), true, 1, 0},
    {"oa_record_beyond", full_image_text_ending_in_a_record(), true, 2, 0},
};

class FullImageRange : public testing::TestWithParam<RangeCase> {};

TEST_P(FullImageRange, ExtractsTheRecordsAskedFor) {
    const RangeCase& c = GetParam();
    const ScratchDir dir;
    const std::string image = dir.file("full.vdl");
    std::vector<std::string> args = {dir.write("full.txt", c.text), "-z80", "-o", image};
    if (c.oa) args.push_back("-oa");
    ASSERT_EQ(run_program(args).exit_status, 0);
    ASSERT_EQ(read_file(image).size(), static_cast<std::size_t>(kFullImage));

    const std::string prepared = prepared_text(c.text, PackOptions{Routine::kZ80, c.oa});
    const std::vector<std::string> records = records_of(prepared, c.oa);
    const int from = static_cast<int>(records.size()) + c.from_end;
    const int to = from + c.span;
    const std::string out = dir.file("range.out");
    const ProgramResult run = run_program({"-x", std::to_string(from), std::to_string(to), image, "-o", out});
    ASSERT_EQ(run.exit_status, 0) << run.err;
    EXPECT_EQ(read_file(out), extracted_range(records, prepared[0], from, to)) << from << ".." << to;
}

INSTANTIATE_TEST_SUITE_P(Ranges, FullImageRange, testing::ValuesIn(kRanges),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vendrel::test
