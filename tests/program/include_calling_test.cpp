// The include file tells how to call each CPU's routine: its name, the
// registers and flag of the call, and the addresses' meanings, word for
// word, for the Z80 and the i8080.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/program.h"

namespace vendrel::test {
namespace {

struct CallingCase {
    const char* label;
    std::vector<std::string> options;
    std::string include;   // the include file's name
    std::string opening;   // its first lines, up to the record list
};

const CallingCase kCases[] = {
    {"Z80",
     {"-z80"},
     "a.inc",
     "; Packed image a.vdl (Z80 routine), made by Vendrel.\n"
     "; Put a record number in DE and call A_LOAD; the record is printed\n"
     "; through A_PRINT. AF, BC, DE and HL change; Z is set when the\n"
     "; record was found.\n"
     "\n"
     "A_LOAD:           EQU 32768 ; 8000h, load address: call it with the record number in DE\n"
     "A_PRINT:          EQU 16    ; 0010h, print address: gets each character in A, must keep DE\n"
     "A_ROUTINE_LENGTH: EQU 58    ; unpack routine at the start of the image\n"
     "A_LENGTH:         EQU 2433  ; image length: routine, symbol table and codes\n"
     "A_END:            EQU 35201 ; 8981h, first free address after the image\n"
     "A_RECORDS:        EQU 78    ; number of records: call with DE = 1 .. 78\n"},
    {"I8080",
     {"-i8080"},
     "b.h",
     "/* Packed image a.vdl (i8080 routine), made by Vendrel. */\n"
     "/* Put a record number in DE and call B_LOAD; the record is printed */\n"
     "/* through B_PRINT. AF, BC, DE and HL change; Z is set when the */\n"
     "/* record was found. */\n"
     "\n"
     "#ifndef B_VENDREL_H\n"
     "#define B_VENDREL_H\n"
     "\n"
     "#define B_LOAD           0x0000 /* load address: call it with the record number in DE */\n"
     "#define B_PRINT          0x8500 /* print address: gets each character in A, must keep DE */\n"
     "#define B_ROUTINE_LENGTH 72     /* unpack routine at the start of the image */\n"
     "#define B_LENGTH         2447   /* image length: routine, symbol table and codes */\n"
     "#define B_END            0x098F /* first free address after the image */\n"
     "#define B_RECORDS        78     /* number of records: call with DE = 1 .. 78 */\n"},
};

class IncludeCalling : public testing::TestWithParam<CallingCase> {};

TEST_P(IncludeCalling, OpensWithTheRoutinesCallingConvention) {
    const CallingCase& c = GetParam();
    const ScratchDir dir;
    std::vector<std::string> args = {std::string(VENDREL_SOURCE_DIR) + "/samples/adventure.txt", "-o",
                                     dir.file("a.vdl"), "-inc", dir.file(c.include)};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const ProgramResult result = run_program(args);
    ASSERT_EQ(result.exit_status, 0) << result.err;
    const std::string text = read_file(dir.file(c.include));
    EXPECT_EQ(text.substr(0, c.opening.size()), c.opening);
}

INSTANTIATE_TEST_SUITE_P(Cpus, IncludeCalling, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<CallingCase>& info) { return info.param.label; });

}  // namespace
}  // namespace vendrel::test
