// The include file for the game's source (-inc): a program that includes it
// assembles with pasmo and with z80asm and, run with the image on the
// emulated CPU, prints the record it asks for through the named addresses;
// the ".h" form compiles as C with every define checked.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

#include "support/emulator.h"
#include "support/program.h"

namespace vendrel::test {
namespace {

const std::string kAdventure = std::string(VENDREL_SOURCE_DIR) + "/samples/adventure.txt";

// Records whose first characters could break a comment: a C comment's end
// and start, a trailing backslash, a trigraph for one, quotes.
const std::string kHostile = "#one */ two#/* three\\#?\?/#'q\"#last#";

// Where the raw image lies in the output file.
struct Container {
    std::size_t header;
    std::size_t trailer;
};
constexpr Container kRaw{0, 0};
constexpr Container kTap{24, 1};  // header block, data block length and flag; checksum
constexpr Container kPtp{67, 1};  // header and block framing; checksum

std::string image_of(const std::string& file, Container container) {
    return file.substr(container.header, file.size() - container.header - container.trailer);
}

// Record k of a text whose first character separates the records.
std::string record_of(const std::string& text, int k) {
    std::size_t start = 0;
    for (int i = 0; i < k; ++i) start = text.find(text[0], start) + 1;
    return text.substr(start, text.find(text[0], start) - start);
}

std::uint16_t word_at(const std::string& bytes, std::size_t offset) {
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes[offset]) |
                                      static_cast<std::uint8_t>(bytes[offset + 1]) << 8);
}

struct IncludeCase {
    const char* label;
    std::vector<std::string> options;
    bool hostile;          // kHostile instead of the adventure sample
    std::string output;    // output file name
    std::string include;   // include file name
    std::string prefix;    // the names' prefix the file must use
    std::uint16_t load;
    std::uint16_t print;
    int routine_length;
    Container container;
    int records;
    int record;            // the record the program prints
};

const IncludeCase kCases[] = {
    // The prefix comes from the include file's name, never the output's.
    {"TapDefaults", {"-z80", "-tap"}, false, "adventure.tap", "messages.asm", "MESSAGES", 32768, 16, 58, kTap, 78,
     5},
    {"DerivedFromAwkwardName", {"-z80", "-a", "0xC000", "-pa", "0x9000"}, false, "game.vdl", "1st part-two.inc",
     "_1ST_PART_TWO", 0xC000, 0x9000, 58, kRaw, 78, 39},
    {"PtpGivenPrefix", {"-i8080", "-ptp", "-a", "0x4000", "-inc-prefix", "Msg_2"}, false, "story.ptp", "story.inc",
     "Msg_2", 0x4000, 0x8500, 72, kPtp, 78, 78},
    {"HostileRecords", {"-z80", "-a", "0x6000", "-pa", "0x5000"}, true, "odd.vdl", "odd.inc", "ODD", 0x6000, 0x5000,
     58, kRaw, 5, 2},
};

// Assembles the program at 0xF000 (61440): it prints the record through
// the image and lists every symbol, as the table's words, behind its code.
std::string test_program(const IncludeCase& c, const std::string& include_path) {
    const std::string& p = c.prefix;
    return "        include \"" + include_path + "\"\n"
           "        org 61440\n"
           "start:  ld de," + std::to_string(c.record) + "\n"
           "        call " + p + "_LOAD\n"
           "        ret\n"
           "table:  defw " + p + "_LOAD, " + p + "_PRINT, " + p + "_ROUTINE_LENGTH\n"
           "        defw " + p + "_LENGTH, " + p + "_END, " + p + "_RECORDS\n";
}
constexpr std::size_t kTableOffset = 7;  // LD DE,nn; CALL nn; RET

class IncludeRoundTrip : public ::testing::TestWithParam<std::tuple<IncludeCase, const char*>> {};

TEST_P(IncludeRoundTrip, ProgramAssemblesAndPrintsTheRecord) {
    const auto& [c, assembler] = GetParam();
    ScratchDir scratch;
    const std::string text = c.hostile ? kHostile : read_file(kAdventure);
    const std::string source = scratch.write("source.txt", text);
    const std::string include = scratch.file(c.include);
    std::vector<std::string> args = c.options;
    args.insert(args.end(), {"-o", scratch.file(c.output), "-inc", include, source});
    const ProgramResult run = run_program(args);
    ASSERT_EQ(run.exit_status, 0) << run.err;
    const std::string image = image_of(read_file(scratch.file(c.output)), c.container);

    const std::string program = scratch.write("game.asm", test_program(c, include));
    const std::string binary = scratch.file("game.bin");
    const std::string log = scratch.file("game.log");
    const std::string command = std::string(assembler) == "pasmo"
                                    ? "pasmo --bin '" + program + "' '" + binary + "'"
                                    : "z80asm -o '" + binary + "' '" + program + "'";
    ASSERT_EQ(std::system((command + " >'" + log + "' 2>&1").c_str()), 0)
        << assembler << " failed (is it installed?):\n" << read_file(log) << read_file(include);
    const std::string code = read_file(binary);
    ASSERT_EQ(code.size(), kTableOffset + 12) << read_file(include);

    const std::uint16_t end = static_cast<std::uint16_t>(c.load + image.size());
    const std::vector<std::uint16_t> expected = {c.load, c.print, static_cast<std::uint16_t>(c.routine_length),
                                                 static_cast<std::uint16_t>(image.size()), end,
                                                 static_cast<std::uint16_t>(c.records)};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(word_at(code, kTableOffset + 2 * i), expected[i]) << "symbol " << i << "\n" << read_file(include);
    }

    EmulatedMachine machine;
    machine.load(c.load, image);
    machine.load(0xF000, code);
    const RoutineCall call = machine.call(0xF000, c.print, 0xFF00);
    ASSERT_TRUE(call.returned);
    EXPECT_TRUE(call.zero_flag);
    EXPECT_EQ(call.printed, record_of(text, c.record));
}

INSTANTIATE_TEST_SUITE_P(Assemblers, IncludeRoundTrip,
                         ::testing::Combine(::testing::ValuesIn(kCases), ::testing::Values("pasmo", "z80asm")),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).label) + "_" + std::get<1>(info.param);
                         });

// The ".h" form of an image that wraps past 65535, made with -oa so that
// the last record is left open, compiles as C with every value checked.
TEST(IncludeHeader, CompilesWithEveryDefineChecked) {
    ScratchDir scratch;
    const std::string source = scratch.write("source.txt", kHostile);
    const std::string header = scratch.file("odd.h");
    const ProgramResult run = run_program({"-i8080", "-oa", "-a", "0xFFF0", "-pa", "0x1234", "-o",
                                           scratch.file("odd.vdl"), "-inc", header, source});
    ASSERT_EQ(run.exit_status, 0) << run.err;
    const std::size_t length = read_file(scratch.file("odd.vdl")).size();

    const std::string checks =
        "#include \"" + header + "\"\n"
        "#include \"" + header + "\"\n"  // the guard keeps a second inclusion harmless
        "_Static_assert(ODD_LOAD == 0xFFF0, \"load\");\n"
        "_Static_assert(ODD_PRINT == 0x1234, \"print\");\n"
        "_Static_assert(ODD_ROUTINE_LENGTH == 72, \"routine\");\n"
        "_Static_assert(ODD_LENGTH == " + std::to_string(length) + ", \"length\");\n"
        "_Static_assert(ODD_END == " + std::to_string((0xFFF0 + length) % 65536) + ", \"end\");\n"
        "_Static_assert(ODD_RECORDS == 4, \"records\");\n"
        "int main(void) { return 0; }\n";
    const std::string program = scratch.write("checks.c", checks);
    const std::string log = scratch.file("cc.log");
    const std::string command = "cc -std=c11 -Wall -Wextra -Wpedantic -Werror -fsyntax-only '" + program + "' >'" +
                                log + "' 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0) << read_file(log) << read_file(header);
}

TEST(IncludeHeader, RefusesAPrefixThatIsNoName) {
    ScratchDir scratch;
    const std::string source = scratch.write("source.txt", kHostile);
    const ProgramResult run = run_program({"-z80", "-o", scratch.file("odd.vdl"), "-inc", scratch.file("odd.inc"),
                                           "-inc-prefix", "9lives", source});
    EXPECT_EQ(run.exit_status, 36);
    EXPECT_EQ(run.err, "Bad include file prefix '9lives'!\n\n");
    EXPECT_FALSE(file_exists(scratch.file("odd.inc")));
    EXPECT_FALSE(file_exists(scratch.file("odd.vdl"))) << "refused before anything is written";
}

// The include file may name neither an input nor the output.
TEST(IncludeFile, IsNeverTheSourceNorTheOutput) {
    ScratchDir scratch;
    const std::string source = scratch.write("source.txt", kHostile);
    const std::string image = scratch.file("odd.vdl");
    struct Refusal {
        std::string include;
        int exit_status;
        std::string err;
    };
    const Refusal refusals[] = {
        {source, 32, "Output file '" + source + "' is the source or conversion file!\n\n"},
        {image, 37, "Include file '" + image + "' is the output file!\n\n"},
    };
    for (const Refusal& refusal : refusals) {
        const ProgramResult run = run_program({"-z80", "-o", image, "-inc", refusal.include, source});
        EXPECT_EQ(run.exit_status, refusal.exit_status) << refusal.include;
        EXPECT_EQ(run.err, refusal.err);
        EXPECT_EQ(read_file(source), kHostile);
        EXPECT_FALSE(file_exists(image));
    }
}

}  // namespace
}  // namespace vendrel::test
