// The include file of a 6502 image: a program that includes it assembles
// with ca65, acme, 64tass, dasm and xa, takes every name's value as the
// image has it (the zero page as a zero-page operand, the stack as the
// report gives it) and, run on sim65
// with the image, prints the record it asks for; the ".h" form compiles
// with cc65, whose call through it returns the routine's A.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdint>
#include <cstdlib>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "support/program.h"
#include "support/sim65_machine.h"

namespace vendrel::test {
namespace {

const std::string kAdventure = std::string(VENDREL_SOURCE_DIR) + "/samples/adventure.txt";

// Records whose first characters could break a comment in one of the
// assemblers: a C comment's end and start, a trailing backslash (xa's
// preprocessor joins lines), a trigraph, quotes, a colon (xa without -M
// starts a statement there).
const std::string kHostile = "#one */ two#/* three\\#?\?/#'q\"#la:st#";

constexpr std::uint16_t kProgram = 0x0300;  // where the test program lies

struct IncludeCase {
    const char* label;
    std::vector<std::string> options;
    bool hostile;           // kHostile instead of the adventure sample
    std::string output;     // output file name
    std::string include;    // include file name
    std::string prefix;     // the names' prefix the file must use
    std::uint16_t load;
    std::uint16_t print;
    std::uint8_t zero_page;
    std::size_t header;     // bytes in front of the image in the output file
    int records;
    int record;             // the record the program prints
};

const IncludeCase kCases[] = {
    {"Defaults", {"-6502"}, false, "adventure.bin", "messages.inc", "MESSAGES", 0x1000, 0xFFD2, 0xFB, 0, 78, 5},
    {"PrgDerivedFromAwkwardName", {"-6502", "-prg", "-a", "0xC000", "-pa", "0x9000", "-zp", "0x20"}, false,
     "game.prg", "1st part-two.s", "_1ST_PART_TWO", 0xC000, 0x9000, 0x20, 2, 78, 39},
    {"XexGivenPrefix", {"-6502", "-xex", "-a", "0x2000", "-inc-prefix", "Msg_2", "-zp", "252"}, false, "story.xex",
     "story.asm", "Msg_2", 0x2000, 0xFFD2, 0xFC, 6, 78, 78},
    {"HostileRecords", {"-6502", "-a", "0x6000", "-pa", "0x5000"}, true, "odd.bin", "odd.inc", "ODD", 0x6000,
     0x5000, 0xFB, 0, 5, 2},
};

struct Assembler {
    const char* name;
    // The program's source: the include file, then code at kProgram.
    std::string (*source)(const std::string& include, const std::string& code, const std::string& words);
    // The command that assembles source into a flat binary.
    std::string (*command)(const ScratchDir& scratch, const std::string& source, const std::string& binary);
};

std::string quoted(const std::string& path) { return "'" + path + "'"; }

const Assembler kAssemblers[] = {
    {"ca65",
     [](const std::string& include, const std::string& code, const std::string& words) {
         return "        .include \"" + include + "\"\n" + code + "        .word " + words + "\n";
     },
     [](const ScratchDir& scratch, const std::string& source, const std::string& binary) {
         const std::string config = scratch.write(
             "program.cfg", "MEMORY { M: start = $0300, size = $1000, file = %O; }\nSEGMENTS { CODE: load = M; }\n");
         const std::string object = scratch.file("program.o");
         return "ca65 -o " + quoted(object) + " " + quoted(source) + " && ld65 -C " + quoted(config) + " -o " +
                quoted(binary) + " " + quoted(object);
     }},
    {"acme",
     [](const std::string& include, const std::string& code, const std::string& words) {
         return "        !source \"" + include + "\"\n        * = $0300\n" + code + "        !word " + words + "\n";
     },
     [](const ScratchDir&, const std::string& source, const std::string& binary) {
         return "acme -f plain -o " + quoted(binary) + " " + quoted(source);
     }},
    {"64tass",
     [](const std::string& include, const std::string& code, const std::string& words) {
         return "        .include \"" + include + "\"\n        * = $0300\n" + code + "        .word " + words + "\n";
     },
     [](const ScratchDir&, const std::string& source, const std::string& binary) {
         return "64tass -q -b -o " + quoted(binary) + " " + quoted(source);
     }},
    {"dasm",
     [](const std::string& include, const std::string& code, const std::string& words) {
         return "        processor 6502\n        include \"" + include + "\"\n        org $0300\n" + code +
                "        .word " + words + "\n";
     },
     [](const ScratchDir&, const std::string& source, const std::string& binary) {
         return "dasm " + quoted(source) + " -f3 -o" + quoted(binary);
     }},
    {"xa",
     [](const std::string& include, const std::string& code, const std::string& words) {
         return "#include \"" + include + "\"\n        * = $0300\n" + code + "        .word " + words + "\n";
     },
     [](const ScratchDir&, const std::string& source, const std::string& binary) {
         return "xa -M -o " + quoted(binary) + " " + quoted(source);
     }},
};

// Calls the routine for the record and returns; then the zero page as an
// operand and every value as a word, behind the code.
std::string program_code(const IncludeCase& c) {
    const std::string& p = c.prefix;
    const std::string record = std::to_string(c.record);
    return "        lda #<" + record + "\n"
           "        ldx #>" + record + "\n"
           "        jsr " + p + "_LOAD\n"
           "        rts\n"
           "        lda " + p + "_ZP\n";
}
constexpr std::size_t kTableOffset = 10;  // LDA #, LDX #, JSR, RTS, LDA zp

std::string program_words(const IncludeCase& c) {
    const std::string& p = c.prefix;
    return p + "_LOAD, " + p + "_PRINT, " + p + "_ZP, " + p + "_ROUTINE_LENGTH, " + p + "_LENGTH, " + p + "_END, " +
           p + "_RECORDS, " + p + "_STACK";
}

// The stack the deepest record needs, as -vb reports it; -1 without it.
int reported_stack(const std::string& out) {
    const std::string line = "Stack needed:\t\t\t";
    const std::size_t at = out.find(line);
    return at == std::string::npos ? -1 : std::stoi(out.substr(at + line.size()));
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

void PrintTo(const IncludeCase& c, std::ostream* os) { *os << c.label; }
void PrintTo(const Assembler& assembler, std::ostream* os) { *os << assembler.name; }

class Include6502 : public ::testing::TestWithParam<std::tuple<IncludeCase, Assembler>> {};

TEST_P(Include6502, ProgramAssemblesAndPrintsTheRecordOnSim65) {
    const auto& [c, assembler] = GetParam();
    ScratchDir scratch;
    const std::string text = c.hostile ? kHostile : read_file(kAdventure);
    const std::string source = scratch.write("source.txt", text);
    const std::string include = scratch.file(c.include);
    const std::string output = scratch.file(c.output);
    std::vector<std::string> args = c.options;
    args.insert(args.end(), {"-vb", "-o", output, "-inc", include, source});
    const ProgramResult run = run_program(args);
    ASSERT_EQ(run.exit_status, 0) << run.err;
    const std::size_t image_length = read_file(output).size() - c.header;
    const int stack = reported_stack(run.out);

    // By its name in the program's folder: ca65 and cc65 do not find an
    // include file by its absolute path.
    const std::string program =
        scratch.write("program.s", assembler.source(c.include, program_code(c), program_words(c)));
    const std::string binary = scratch.file("program.bin");
    const std::string log = scratch.file("program.log");
    const std::string command = "cd " + quoted(scratch.path().string()) + " && " +
                                assembler.command(scratch, program, binary) + " >" + quoted(log) + " 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0)
        << assembler.name << " failed (is it installed?):\n" << read_file(log) << read_file(include);
    const std::string code = read_file(binary);
    ASSERT_EQ(code.size(), kTableOffset + 16) << read_file(include);
    EXPECT_EQ(static_cast<std::uint8_t>(code[8]), 0xA5) << "LDA zero page";
    EXPECT_EQ(static_cast<std::uint8_t>(code[9]), c.zero_page);

    const std::uint16_t end = static_cast<std::uint16_t>(c.load + image_length);
    const std::vector<std::uint16_t> expected = {c.load, c.print, c.zero_page, 107,
                                                 static_cast<std::uint16_t>(image_length), end,
                                                 static_cast<std::uint16_t>(c.records),
                                                 static_cast<std::uint16_t>(stack)};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(word_at(code, kTableOffset + 2 * i), expected[i]) << "value " << i << "\n" << read_file(include);
    }

    Sim65Machine machine;
    machine.pieces = {{kProgram, binary, 0}, {c.load, output, c.header}};
    machine.entry = kProgram;
    machine.print_address = c.print;
    const Sim65Run sim = run_on_sim65(scratch, machine);
    EXPECT_EQ(sim.exit_status, 0) << "A = 0: printed\n" << sim.log;
    EXPECT_EQ(sim.printed, record_of(text, c.record));
}

INSTANTIATE_TEST_SUITE_P(Assemblers, Include6502,
                         ::testing::Combine(::testing::ValuesIn(kCases), ::testing::ValuesIn(kAssemblers)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).label) + "_" + std::get<1>(info.param).name;
                         });

// The 6502 include file opens with how the routine is called and returns.
TEST(Include6502Text, OpensWithTheCallAndItsResult) {
    ScratchDir scratch;
    const ProgramResult run = run_program({"-6502", "-o", scratch.file("a.bin"), "-inc", scratch.file("a.inc"),
                                           kAdventure});
    ASSERT_EQ(run.exit_status, 0) << run.err;
    const std::string opening =
        "; Packed image a.bin (6502 routine), made by Vendrel.\n"
        "; Put a record number in A (low) and X (high) and JSR A_LOAD; the record\n"
        "; is printed through A_PRINT. A, X, Y and the flags change; it returns\n"
        "; A = 0 when the record was found, A = 1 when not (nothing printed); X = 0.\n"
        "\n"
        "A_LOAD           = $1000 ; load address: call it with the record number in A (low) and X (high)\n"
        "A_PRINT          = $FFD2 ; print address: gets each character in A, must keep the zero-page bytes\n"
        "A_ZP             = $FB   ; zero page the routine takes for its pointer and counter: $FB..$FE\n"
        "A_ROUTINE_LENGTH = 107   ; unpack routine at the start of the image\n";
    EXPECT_EQ(read_file(scratch.file("a.inc")).substr(0, opening.size()), opening);
}

// The ".h" form with cc65: every value checked at compile time, and a
// program calling PRINT_RECORD through it, run on sim65, prints the
// record and returns the routine's A. With -oa the last separator goes:
// 77 records, and the run after the 77th, printed as record 78 because
// the program puts a 0 behind the image; that 0 is the last byte the
// search takes, so from 80 on the search runs out.
class Cc65Header : public ::testing::TestWithParam<int> {};

TEST_P(Cc65Header, CallsTheRoutineAsAFastcallFunction) {
    const int record = GetParam();
    ScratchDir scratch;
    const std::string text = read_file(kAdventure);
    const std::string header = scratch.file("adv.h");
    const ProgramResult run = run_program({"-6502", "-oa", "-a", "0xA000", "-pa", "0x9FF0", "-zp", "0x80", "-vb",
                                           "-o", scratch.file("adv.bin"), "-inc", header, kAdventure});
    ASSERT_EQ(run.exit_status, 0) << run.err;
    const int stack = reported_stack(run.out);
    ASSERT_GE(stack, 2) << run.out;
    const std::size_t length = read_file(scratch.file("adv.bin")).size();

    const std::string program = scratch.write(
        "call.c",
        "#include <stdio.h>\n"
        "#include <stdlib.h>\n"
        "#include <unistd.h>\n"
        "#include \"adv.h\"\n"
        "#include \"adv.h\"\n"  // the guard keeps a second inclusion harmless
        "#define CHECK(name, holds) typedef char name[1 - 2 * !(holds)]\n"  // cc65 has no _Static_assert
        "CHECK(load, ADV_LOAD == 0xA000);\n"
        "CHECK(print, ADV_PRINT == 0x9FF0);\n"
        "CHECK(zero_page, ADV_ZP == 0x80);\n"
        "CHECK(routine, ADV_ROUTINE_LENGTH == 107);\n"
        "CHECK(length, ADV_LENGTH == " + std::to_string(length) + ");\n"
        "CHECK(end, ADV_END == " + std::to_string(0xA000 + length) + ");\n"
        "CHECK(records, ADV_RECORDS == 77);\n"
        "CHECK(stack, ADV_STACK == " + std::to_string(stack) + ");\n"
        "static void __fastcall__ out(unsigned char c) { write(1, &c, 1); }\n"
        "int main(int argc, char* argv[]) {\n"
        "    FILE* f;\n"
        "    if (argc < 2 || (f = fopen(\"adv.bin\", \"rb\")) == NULL) return 2;\n"
        "    if (fread((void*)ADV_LOAD, 1, ADV_LENGTH, f) != ADV_LENGTH) return 3;\n"
        "    *(unsigned char*)ADV_END = 0;\n"  // what -oa asks for behind the image
        "    *(unsigned char*)ADV_PRINT = 0x4C;\n"
        "    *(void**)(ADV_PRINT + 1) = (void*)out;\n"
        "    return ADV_PRINT_RECORD(atoi(argv[1]));\n"
        "}\n");
    const std::string log = scratch.file("cc65.log");
    const std::string build = "cd " + quoted(scratch.path().string()) + " && cl65 -t sim6502 -O -o call " +
                              quoted(program) + " >" + quoted(log) + " 2>&1";
    ASSERT_EQ(std::system(build.c_str()), 0) << read_file(log) << read_file(header);

    const std::string printed = scratch.file("printed");
    const std::string call = "cd " + quoted(scratch.path().string()) + " && sim65 call " + std::to_string(record) +
                             " >" + quoted(printed) + " 2>" + quoted(log);
    const int status = std::system(call.c_str());
    ASSERT_TRUE(WIFEXITED(status)) << read_file(log);
    const bool found = record <= 78;  // 79 would start behind the 0
    EXPECT_EQ(WEXITSTATUS(status), found ? 0 : 1) << read_file(log);
    EXPECT_EQ(read_file(printed), found ? record_of(text, record) : "");
}

INSTANTIATE_TEST_SUITE_P(Records, Cc65Header, ::testing::Values(1, 5, 78, 80, 300));

}  // namespace
}  // namespace vendrel::test
