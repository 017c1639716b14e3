#include <iterator>

#include "target/cpu_description.h"
#include "target/routine_timing.h"
#include "target/unpack_routines.h"

namespace vendrel {

// Called with the record number in DE. Finds the DE-th record separator
// (code 0) with CPIR, then expands each code of the record depth-first:
// a code below n is a character, printed by a jump to the print routine
// (whose RET returns to the expander's caller); a code of n or more is a
// pair, whose left code is expanded by a recursive call and whose right
// code by a jump back to the expander, so only left branches use stack.
// Returns with Z set when the record was printed, Z clear when the search
// length ran out first. Operands marked "patched" or "relocated" are
// rewritten for every image; every other byte is the same in every image.
const std::array<std::uint8_t, kZ80RoutineLength> z80_routine_template = {
    0x21, 0x00, 0x00,  //  0  LD HL,code stream     (patched)
    0x01, 0x00, 0x00,  //  3  LD BC,search length   (patched)
    0xAF,              //  6  XOR A                 A = 0, the separator
    0xED, 0xB1,        //  7  CPIR                  BC falls per byte, the match included
    0xC0,              //  9  RET NZ                not found: Z clear
    0x1B,              // 10  DEC DE                one separator passed
    0x7A,              // 11  LD A,D
    0xB3,              // 12  OR E
    0x20, 0xF7,        // 13  JR NZ,6               not yet the DE-th
    0xEB,              // 15  EX DE,HL              DE: just after the separator
    0x1A,              // 16  LD A,(DE)             record loop: fetch a code
    0x13,              // 17  INC DE
    0xB7,              // 18  OR A
    0xC8,              // 19  RET Z                 code 0 ends the record: Z set
    0xCD, 0x19, 0x00,  // 20  CALL 25               (relocated) expand the code
    0x18, 0xF7,        // 23  JR 16
    0x06, 0x00,        // 25  LD B,n                (patched) expander, code in A
    0x90,              // 27  SUB B                 carry: a character
    0x26, 0x00,        // 28  LD H,0
    0x38, 0x10,        // 30  JR C,48
    0x6F,              // 32  LD L,A                HL = code - n
    0x01, 0x00, 0x00,  // 33  LD BC,pair table      (patched)
    0x29,              // 36  ADD HL,HL
    0x09,              // 37  ADD HL,BC             HL: the pair's entry
    0x7E,              // 38  LD A,(HL)             left code
    0x23,              // 39  INC HL
    0xE5,              // 40  PUSH HL               keep the right code's place
    0xCD, 0x19, 0x00,  // 41  CALL 25               (relocated) expand the left code
    0xE1,              // 44  POP HL
    0x7E,              // 45  LD A,(HL)             right code
    0x18, 0xE9,        // 46  JR 25                 tail call: no stack growth
    0x80,              // 48  ADD A,B               the code again
    0x6F,              // 49  LD L,A                HL = code (H is 0)
    0x01, 0x00, 0x00,  // 50  LD BC,char table      (patched)
    0x09,              // 53  ADD HL,BC
    0x7E,              // 54  LD A,(HL)             the character
    0xC3, 0x00, 0x00,  // 55  JP print address      (patched)
};

// The operands of the two CALLs to the expander, which hold its offset.
const std::array<int, 2> z80_relocations = {21, 42};

// The patch fields, each a little-endian word but the character count.
const PatchField z80_fields[] = {
    {FieldValue::code_stream, 1, 2},
    {FieldValue::search_length, 4, 5},
    {FieldValue::char_count, 26, -1},
    {FieldValue::pair_table, 34, 35},
    {FieldValue::char_table, 51, 52},
    {FieldValue::print_address, 56, 57},
};

const RoutineLayout z80_routine_layout = {
    .length = kZ80RoutineLength,
    .bytes = z80_routine_template.data(),
    .relocations = z80_relocations.data(),
    .relocation_count = static_cast<int>(z80_relocations.size()),
    .fields = z80_fields,
    .field_count = static_cast<int>(std::size(z80_fields)),
};

const CpuDescription z80_cpu = {
    .name = "Z80",
    .option = &Job::z80,
    .routine = &z80_routine_layout,
    // States of each path (JR 12 taken, 7 not; RET cc 11 taken, 5 not).
    .costs = {
        // LD HL,nn 10 + LD BC,nn 10 + EX DE,HL 4, less 5 for the last JR NZ,
        // which falls through.
        .entry = 10 + 10 + 4 - 5,
        // CPIR going round 21.
        .byte_passed = 21,
        // XOR A 4 + CPIR stopping 16 + RET NZ 5 + DEC DE 6 + LD A,D 4 + OR E 4
        // + JR NZ 12.
        .separator_passed = 4 + 16 + 5 + 6 + 4 + 4 + 12,
        // LD A,(DE) 7 + INC DE 6 + OR A 4 + RET Z 5 + CALL 17 + JR 12.
        .code_fetched = 7 + 6 + 4 + 5 + 17 + 12,
        // LD A,(DE) 7 + INC DE 6 + OR A 4 + RET Z 11.
        .record_end = 7 + 6 + 4 + 11,
        // LD B,n 7 + SUB B 4 + LD H,0 7 + JR C 12 + ADD A,B 4 + LD L,A 4 +
        // LD BC,nn 10 + ADD HL,BC 11 + LD A,(HL) 7 + JP 10 + the print RET 10.
        .character = 7 + 4 + 7 + 12 + 4 + 4 + 10 + 11 + 7 + 10 + 10,
        // LD B,n 7 + SUB B 4 + LD H,0 7 + JR C 7 + LD L,A 4 + LD BC,nn 10 +
        // ADD HL,HL 11 + ADD HL,BC 11 + LD A,(HL) 7 + INC HL 6 + PUSH HL 11 +
        // CALL 17 + POP HL 10 + LD A,(HL) 7 + JR 12.
        .pair = 7 + 4 + 7 + 7 + 4 + 10 + 11 + 11 + 7 + 6 + 11 + 17 + 10 + 7 + 12,
    },
    .time_records = time_records_by_costs,
    .time_unit = "T-states",
    // The addresses that the usage text gives as the defaults.
    .default_load_address = 32768,
    .default_print_address = 16,
    .tapes = {&kTapFormat},
    .calls = {
        .record_register = "DE",
        .character_register = "A",
        .kept_registers = "DE",
        .changed_registers = "AF, BC, DE and HL",
        .found_flag = "Z",
    },
    // A return address for the record loop's call; a kept pointer and a
    // return address for each nested pair.
    .stack = {.base = 2, .per_level = 4},
    .default_zero_page = -1,
    .default_stack_bound = 0,
};

}  // namespace vendrel
