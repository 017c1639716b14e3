// The stack of the 6502 routine through the program: an image whose
// deepest record needs more stack than -stack (by default 96 bytes)
// allows is refused with 42 before anything is written, and a bound that
// leaves room lets it through; -vb reports the stack needed for every CPU;
// -list shows each 6502 record's cycles and stack as sim65 measures them,
// and -best under a tight bound makes an image within it that prints every
// record.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "support/mos6502_runner.h"
#include "support/program.h"

namespace vendrel {
namespace {

using test::run_program;
using test::ScratchDir;

const std::string kAdventure = VENDREL_SOURCE_DIR "/samples/adventure.txt";

// Records that each add one character to the one before: the packer
// chains their pairs, each new pair's left half the pair before it, so the
// longest record nests 37 levels deep (2 + 3 * 37 = 113 bytes on the 6502,
// 2 + 4 * 37 = 150 on the Z80).
std::string chained_records() {
    const std::string characters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMN";
    std::string text;
    for (std::size_t k = 2; k <= characters.size(); ++k) text += "|" + characters.substr(0, k);
    return text;
}

// The records of a text as the packer makes them: the first character
// separates them, and the run after the last separator is not one.
std::vector<std::string> records_of(const std::string& text) {
    std::vector<std::string> records;
    const char separator = text.front();
    std::size_t from = 1;
    for (std::size_t at = text.find(separator, from); at != std::string::npos; at = text.find(separator, from)) {
        records.push_back(text.substr(from, at - from));
        from = at + 1;
    }
    return records;
}

// The number on the verbose line of the stack needed, -1 without one.
int stack_reported(const std::string& out) {
    const std::string label = "Stack needed:\t\t\t";
    const std::size_t at = out.find(label);
    return at == std::string::npos ? -1 : std::stoi(out.substr(at + label.size()));
}

struct BoundCase {
    const char* name;
    bool chained;  // the chained records, else the adventure
    std::vector<std::string> options;
    int exit_status;
    int stack;  // bytes: reported with -vb, or named by the refusal
};

void PrintTo(const BoundCase& c, std::ostream* out) { *out << c.name; }

const BoundCase kBoundCases[] = {
    {"AdventureWithinTheDefault", false, {"-6502"}, 0, 17},
    {"AdventureAtItsBound", false, {"-6502", "-stack", "17"}, 0, 17},
    {"AdventureOneByteShort", false, {"-6502", "-stack", "16"}, 42, 17},
    {"AdventureInAPrgFile", false, {"-6502", "-prg", "-stack", "16"}, 42, 17},
    {"ChainedOverTheDefault", true, {"-6502"}, 42, 113},
    {"ChainedRaisedBound", true, {"-6502", "-stack", "113"}, 0, 113},
    {"ChainedOneByteShort", true, {"-6502", "-stack", "112"}, 42, 113},
    {"ChainedHighestBound", true, {"-6502", "-stack", "256", "-zp", "0x80"}, 0, 113},
    // Neither CPU bounds its stack.
    {"ChainedZ80", true, {"-z80"}, 0, 150},
    {"ChainedI8080", true, {"-i8080", "-ptp"}, 0, 150},
};

class StackBound : public testing::TestWithParam<BoundCase> {};

TEST_P(StackBound, RefusesTooDeepImagesBeforeWritingAndReportsTheStack) {
    const BoundCase& c = GetParam();
    const ScratchDir dir;
    const std::string source = c.chained ? dir.write("chained.txt", chained_records()) : kAdventure;
    const std::string output = dir.file("image.out");
    std::vector<std::string> args = c.options;
    args.insert(args.end(), {"-vb", "-o", output, source});
    const test::ProgramResult result = run_program(args);
    ASSERT_EQ(result.exit_status, c.exit_status) << result.err;
    if (c.exit_status == 0) {
        EXPECT_EQ(result.err, "");
        EXPECT_EQ(stack_reported(result.out), c.stack) << result.out;
        EXPECT_TRUE(test::file_exists(output));
        return;
    }
    EXPECT_EQ(result.err, "The deepest record needs " + std::to_string(c.stack) +
                              " bytes of stack, more than '-stack' allows!\n\n");
    // Refused after packing: no report, no composition, no file.
    EXPECT_EQ(result.out.find("Composing"), std::string::npos) << result.out;
    EXPECT_EQ(stack_reported(result.out), -1);
    EXPECT_FALSE(test::file_exists(output));
}

INSTANTIATE_TEST_SUITE_P(Table, StackBound, testing::ValuesIn(kBoundCases),
                         [](const testing::TestParamInfo<BoundCase>& info) { return std::string(info.param.name); });

TEST(StackBound, WithoutVerboseTheReportHasNoStackLine) {
    const ScratchDir dir;
    const test::ProgramResult result = run_program({"-6502", "-o", dir.file("a.bin"), kAdventure});
    ASSERT_EQ(result.exit_status, 0) << result.err;
    EXPECT_EQ(stack_reported(result.out), -1);
    EXPECT_EQ(result.out.find("Stack needed"), std::string::npos);
}

struct ListedRow {
    int number = 0;
    std::uint64_t cycles = 0;
    int stack = 0;
};

// The table of a 6502 listing: each row's number, cycles and stack; the
// line of the stack needed ends it.
std::vector<ListedRow> listed_rows(const std::string& out, std::string& stack_line) {
    std::vector<ListedRow> rows;
    std::istringstream in(out.substr(out.find("Record  Chars")));
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, "Record  Chars  Codes  Longest line    Cycles  Stack  Text");
    while (std::getline(in, line) && line.rfind("Stack needed: ", 0) != 0) {
        std::istringstream row(line);
        ListedRow listed;
        int chars = 0, codes = 0, longest = 0;
        row >> listed.number >> chars >> codes >> longest >> listed.cycles >> listed.stack;
        rows.push_back(listed);
    }
    stack_line = line;
    return rows;
}

struct ListingCase {
    const char* name;
    std::vector<std::string> options;
    std::uint16_t load_address;
    std::uint16_t print_address;
    bool oa;
    std::size_t header;  // bytes before the image in the file
};

void PrintTo(const ListingCase& c, std::ostream* out) { *out << c.name; }

// Places whose pages the cycles depend on: the tables and stream high in
// memory, the routine's scan branches crossing a page with -oa, and a PRG
// file at the start of BASIC memory.
const ListingCase kListingCases[] = {
    {"C123", {"-a", "0xC123", "-pa", "0x0400"}, 0xC123, 0x0400, false, 0},
    {"oa_10F1", {"-oa", "-a", "0x10F1"}, 0x10F1, 0xFFD2, true, 0},
    {"prg_0801", {"-prg", "-a", "0x0801"}, 0x0801, 0xFFD2, false, 2},
};

class StackListing : public testing::TestWithParam<ListingCase> {};

// The listed cycles and stack of every record are what sim65 counts when
// the image runs where it was made for, and -x -list reads the same from
// the image alone.
TEST_P(StackListing, RowsShowEachRecordsCyclesAndStackAsSim65MeasuresThem) {
    const ListingCase& c = GetParam();
    const ScratchDir dir;
    const std::string image = dir.file("adventure.out");
    std::vector<std::string> args = {"-6502", "-list", "-o", image, kAdventure};
    args.insert(args.begin(), c.options.begin(), c.options.end());
    const test::ProgramResult result = run_program(args);
    ASSERT_EQ(result.exit_status, 0) << result.err;
    std::string stack_line;
    const std::vector<ListedRow> rows = listed_rows(result.out, stack_line);
    ASSERT_EQ(rows.size(), 78u);
    EXPECT_EQ(stack_line.rfind("Stack needed: 17 bytes (record ", 0), 0u) << stack_line;

    test::Mos6502Setup setup;
    const std::string bytes = test::read_file(image);
    setup.image.assign(bytes.begin() + static_cast<std::ptrdiff_t>(c.header), bytes.end());
    setup.load_address = c.load_address;
    setup.print_address = c.print_address;
    setup.zero_after_image = c.oa;
    std::vector<std::uint16_t> records;
    for (const ListedRow& row : rows) records.push_back(static_cast<std::uint16_t>(row.number));
    const test::Mos6502Run run = test::run_6502_routine(setup, records, {.cycles_per_call = true});
    ASSERT_EQ(run.error, "");
    ASSERT_EQ(run.calls.size(), rows.size());
    int deepest = 0;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        EXPECT_EQ(rows[k].cycles, run.calls[k].cycles) << "record " << rows[k].number;
        // Less the call of the routine, which the listing leaves out.
        EXPECT_EQ(rows[k].stack, run.calls[k].stack_used - 2) << "record " << rows[k].number;
        deepest = std::max(deepest, rows[k].stack);
    }
    EXPECT_EQ(deepest, 17);

    // The image tells its load address and search length itself.
    const test::ProgramResult listed = run_program({"-x", "0", "0", "-list", image});
    ASSERT_EQ(listed.exit_status, 0) << listed.err;
    std::string image_stack_line;
    const std::vector<ListedRow> image_rows = listed_rows(listed.out, image_stack_line);
    ASSERT_EQ(image_rows.size(), rows.size());
    for (std::size_t k = 0; k < rows.size(); ++k) {
        EXPECT_EQ(image_rows[k].number, rows[k].number);
        EXPECT_EQ(image_rows[k].cycles, rows[k].cycles) << "record " << rows[k].number;
        EXPECT_EQ(image_rows[k].stack, rows[k].stack) << "record " << rows[k].number;
    }
    EXPECT_EQ(image_stack_line, stack_line);
}

INSTANTIATE_TEST_SUITE_P(Places, StackListing, testing::ValuesIn(kListingCases),
                         [](const testing::TestParamInfo<ListingCase>& info) { return std::string(info.param.name); });

TEST(StackBound, Z80ListingKeepsItsColumnsAndNamesTheStackNeeded) {
    const ScratchDir dir;
    const test::ProgramResult result = run_program({"-z80", "-list", "-o", dir.file("a.vdl"), kAdventure});
    ASSERT_EQ(result.exit_status, 0) << result.err;
    EXPECT_NE(result.out.find("\nRecord  Chars  Codes  Longest line  T-states  Text\n"), std::string::npos);
    EXPECT_NE(result.out.find("\nStack needed: 22 bytes (record "), std::string::npos) << result.out;
}

// -best keeps every record within a bound below what its search takes
// without one, and the image still prints every record.
TEST(StackBound, BestUnderATightBoundStaysWithinItAndPrintsEveryRecord) {
    const ScratchDir dir;
    const std::string image = dir.file("best.bin");
    const test::ProgramResult result = run_program({"-6502", "-best", "-stack", "14", "-vb", "-o", image, kAdventure});
    ASSERT_EQ(result.exit_status, 0) << result.err;
    EXPECT_LE(stack_reported(result.out), 14) << result.out;

    test::Mos6502Setup setup;
    const std::string bytes = test::read_file(image);
    setup.image.assign(bytes.begin(), bytes.end());
    const std::vector<std::string> expected = records_of(test::read_file(kAdventure));
    std::vector<std::uint16_t> records;
    for (std::size_t k = 1; k <= expected.size(); ++k) records.push_back(static_cast<std::uint16_t>(k));
    const test::Mos6502Run run = test::run_6502_routine(setup, records);
    ASSERT_EQ(run.error, "");
    ASSERT_EQ(run.calls.size(), expected.size());
    for (std::size_t k = 0; k < expected.size(); ++k) {
        EXPECT_EQ(run.calls[k].printed, expected[k]) << "record " << k + 1;
        EXPECT_LE(run.calls[k].stack_used - 2, 14) << "record " << k + 1;
    }
}

}  // namespace
}  // namespace vendrel
