// The image sizes of the bundled samples and the benchmark text, pinned in
// image_sizes.csv beside this file: a change that makes any image larger
// fails, and one that makes an image smaller fails too, printing the row
// that the table should take instead.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "support/program.h"

namespace vendrel::test {
namespace {

const std::string kSourceDir = VENDREL_SOURCE_DIR;
const std::string kTableName = "tests/program/image_sizes.csv";
const std::string kHeader = "input,options,routine,mode,image_bytes";

// -best takes about a second on a 64 KiB text in the optimised build and
// far longer under the sanitizers, which run every test too: there it
// packs only the smaller inputs.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif
constexpr std::uintmax_t kLargestSanitizedBestInput = 16 * 1024;

struct SizeRow {
    std::string input;    // relative to the source folder
    std::string options;  // separated by spaces; paths relative to the source folder
    std::string routine;  // -z80 or -i8080
    std::string mode;     // default or best
    long long image_bytes = -1;
};

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> fields;
    std::string field;
    std::istringstream in(text);
    while (std::getline(in, field, separator)) fields.push_back(field);
    if (!text.empty() && text.back() == separator) fields.emplace_back();
    return fields;
}

// The table's rows, after its comment lines and header; none when the
// header is not where it belongs.
std::vector<SizeRow> read_table() {
    std::ifstream in(kSourceDir + "/" + kTableName);
    std::vector<SizeRow> rows;
    std::string line;
    bool header = false;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        if (!header) {
            if (line != kHeader) return {};
            header = true;
            continue;
        }
        const std::vector<std::string> fields = split(line, ',');
        SizeRow row;
        if (fields.size() == 5) {
            row = {fields[0], fields[1], fields[2], fields[3], std::strtoll(fields[4].c_str(), nullptr, 10)};
        } else {
            row.input = line;  // shown by the test that finds it malformed
        }
        rows.push_back(row);
    }
    return rows;
}

std::string row_text(const SizeRow& row, long long image_bytes) {
    return row.input + "," + row.options + "," + row.routine + "," + row.mode + "," + std::to_string(image_bytes);
}

void PrintTo(const SizeRow& row, std::ostream* out) { *out << row_text(row, row.image_bytes); }

std::vector<std::string> arguments_of(const SizeRow& row, const std::string& output) {
    std::vector<std::string> args = {row.routine};
    if (row.mode == "best") args.push_back("-best");
    for (const std::string& word : split(row.options, ' ')) {
        if (word.empty()) continue;
        args.push_back(word[0] == '-' ? word : kSourceDir + "/" + word);
    }
    args.insert(args.end(), {"-o", output, kSourceDir + "/" + row.input});
    return args;
}

class ImageSize : public testing::TestWithParam<SizeRow> {};

TEST_P(ImageSize, IsWhatTheTableSays) {
    const SizeRow& row = GetParam();
    ASSERT_TRUE(row.routine == "-z80" || row.routine == "-i8080") << "malformed row: " << row.input;
    ASSERT_TRUE(row.mode == "default" || row.mode == "best") << "malformed row: " << row.input;
    if (kSanitized && row.mode == "best" &&
        std::filesystem::file_size(kSourceDir + "/" + row.input) > kLargestSanitizedBestInput) {
        GTEST_SKIP() << "-best on a long text takes too long under the sanitizers";
    }
    const ScratchDir dir;
    const ProgramResult result = run_program(arguments_of(row, dir.file("image.bin")));
    ASSERT_EQ(result.exit_status, 0) << result.err;
    const auto image_bytes = static_cast<long long>(read_file(dir.file("image.bin")).size());
    EXPECT_LE(image_bytes, row.image_bytes)
        << "the image grew from " << row.image_bytes << " to " << image_bytes << " bytes";
    EXPECT_GE(image_bytes, row.image_bytes)
        << "the image shrank from " << row.image_bytes << " to " << image_bytes
        << " bytes: put the new size in " << kTableName << ", as the row\n"
        << row_text(row, image_bytes);
}

std::string row_name(const testing::TestParamInfo<SizeRow>& info) {
    const SizeRow& row = info.param;
    const std::string routine = row.routine.empty() ? row.routine : row.routine.substr(1);
    std::string name = std::filesystem::path(row.input).stem().string() + "_" + routine + "_" + row.mode;
    std::replace_if(name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    return name + "_" + std::to_string(info.index);
}

INSTANTIATE_TEST_SUITE_P(Table, ImageSize, testing::ValuesIn(read_table()), row_name);

// Texts to pack in a folder: those ending in one of the extensions.
std::vector<std::string> texts_in(const std::string& folder, const std::vector<std::string>& extensions) {
    std::vector<std::string> texts;
    for (const auto& entry : std::filesystem::directory_iterator(kSourceDir + "/" + folder)) {
        const std::string extension = entry.path().extension().string();
        if (std::find(extensions.begin(), extensions.end(), extension) != extensions.end()) {
            texts.push_back(folder + "/" + entry.path().filename().string());
        }
    }
    return texts;
}

// A sample or corpus text added without its rows would go unwatched.
TEST(ImageSizeTable, HoldsEverySampleAndCorpusTextOnceWithBothRoutinesAndModes) {
    std::vector<std::string> inputs = texts_in("samples", {".txt", ".dtp"});
    const std::vector<std::string> corpus = texts_in("bench/corpus", {".txt"});
    inputs.insert(inputs.end(), corpus.begin(), corpus.end());
    std::vector<std::string> expected;
    for (const std::string& input : inputs) {
        for (const char* routine : {"-z80", "-i8080"}) {
            for (const char* mode : {"default", "best"}) expected.push_back(input + " " + routine + " " + mode);
        }
    }
    std::vector<std::string> found;
    for (const SizeRow& row : read_table()) found.push_back(row.input + " " + row.routine + " " + row.mode);
    std::sort(expected.begin(), expected.end());
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, expected);
}

}  // namespace
}  // namespace vendrel::test
