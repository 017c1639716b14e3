#include <iterator>

#include "target/cpu_description.h"
#include "target/routine_timing.h"
#include "target/unpack_routines.h"

namespace vendrel {

// The same job as the Z80 routine in 8080 instructions: the separator
// search is an explicit loop, and every jump is absolute, so the eight
// jump and call targets are relocated. The search counter BC falls only
// for bytes other than code 0. Returns with Z set when the record was
// printed, with Z clear and A = 1 when the search length ran out first.
// Operands marked "patched" or "relocated" are rewritten for every image.
const std::array<std::uint8_t, kI8080RoutineLength> i8080_routine_template = {
    0x21, 0x00, 0x00,  //  0  LXI H,code stream     (patched)
    0x01, 0x00, 0x00,  //  3  LXI B,search length   (patched)
    0xAF,              //  6  XRA A                 A = 0, the separator
    0xBE,              //  7  CMP M
    0x23,              //  8  INX H
    0xCA, 0x14, 0x00,  //  9  JZ 20                 (relocated) a separator
    0x0B,              // 12  DCX B                 another byte examined
    0x78,              // 13  MOV A,B
    0xB1,              // 14  ORA C
    0xC2, 0x06, 0x00,  // 15  JNZ 6                 (relocated)
    0x3C,              // 18  INR A                 A = 1, Z clear
    0xC9,              // 19  RET                   not found
    0x1B,              // 20  DCX D                 one separator passed
    0x7A,              // 21  MOV A,D
    0xB3,              // 22  ORA E
    0xC2, 0x06, 0x00,  // 23  JNZ 6                 (relocated) not yet the DE-th
    0xEB,              // 26  XCHG                  DE: just after the separator
    0x1A,              // 27  LDAX D                record loop: fetch a code
    0x13,              // 28  INX D
    0xB7,              // 29  ORA A
    0xC8,              // 30  RZ                    code 0 ends the record: Z set
    0xCD, 0x25, 0x00,  // 31  CALL 37               (relocated) expand the code
    0xC3, 0x1B, 0x00,  // 34  JMP 27                (relocated)
    0x06, 0x00,        // 37  MVI B,n               (patched) expander, code in A
    0x90,              // 39  SUB B                 carry: a character
    0x26, 0x00,        // 40  MVI H,0
    0xDA, 0x3E, 0x00,  // 42  JC 62                 (relocated)
    0x6F,              // 45  MOV L,A               HL = code - n
    0x01, 0x00, 0x00,  // 46  LXI B,pair table      (patched)
    0x29,              // 49  DAD H
    0x09,              // 50  DAD B                 HL: the pair's entry
    0x7E,              // 51  MOV A,M               left code
    0x23,              // 52  INX H
    0xE5,              // 53  PUSH H                keep the right code's place
    0xCD, 0x25, 0x00,  // 54  CALL 37               (relocated) expand the left code
    0xE1,              // 57  POP H
    0x7E,              // 58  MOV A,M               right code
    0xC3, 0x25, 0x00,  // 59  JMP 37                (relocated) tail call
    0x80,              // 62  ADD B                 the code again
    0x6F,              // 63  MOV L,A               HL = code (H is 0)
    0x01, 0x00, 0x00,  // 64  LXI B,char table      (patched)
    0x09,              // 67  DAD B
    0x7E,              // 68  MOV A,M               the character
    0xC3, 0x00, 0x00,  // 69  JMP print address     (patched)
};

// The operands of every jump and call inside the routine.
const std::array<int, 8> i8080_relocations = {10, 16, 24, 32, 35, 43, 55, 60};

// The patch fields, each a little-endian word but the character count.
const PatchField i8080_fields[] = {
    {FieldValue::code_stream, 1, 2},
    {FieldValue::search_length, 4, 5},
    {FieldValue::char_count, 38, -1},
    {FieldValue::pair_table, 47, 48},
    {FieldValue::char_table, 65, 66},
    {FieldValue::print_address, 70, 71},
};

const RoutineLayout i8080_routine_layout = {
    .length = kI8080RoutineLength,
    .bytes = i8080_routine_template.data(),
    .relocations = i8080_relocations.data(),
    .relocation_count = static_cast<int>(i8080_relocations.size()),
    .fields = i8080_fields,
    .field_count = static_cast<int>(std::size(i8080_fields)),
};

const CpuDescription i8080_cpu = {
    .name = "i8080",
    .option = &Job::i8080,
    .routine = &i8080_routine_layout,
    // States of each path (RZ 11 taken, 5 not; a conditional jump always 10).
    .costs = {
        // LXI H 10 + LXI B 10 + XCHG 4.
        .entry = 10 + 10 + 4,
        // XRA A 4 + CMP M 7 + INX H 5 + JZ 10 + DCX B 5 + MOV A,B 5 + ORA C 4
        // + JNZ 10.
        .byte_passed = 4 + 7 + 5 + 10 + 5 + 5 + 4 + 10,
        // XRA A 4 + CMP M 7 + INX H 5 + JZ 10 + DCX D 5 + MOV A,D 5 + ORA E 4
        // + JNZ 10.
        .separator_passed = 4 + 7 + 5 + 10 + 5 + 5 + 4 + 10,
        // LDAX D 7 + INX D 5 + ORA A 4 + RZ 5 + CALL 17 + JMP 10.
        .code_fetched = 7 + 5 + 4 + 5 + 17 + 10,
        // LDAX D 7 + INX D 5 + ORA A 4 + RZ 11.
        .record_end = 7 + 5 + 4 + 11,
        // MVI B 7 + SUB B 4 + MVI H 7 + JC 10 + ADD B 4 + MOV L,A 5 + LXI B 10
        // + DAD B 10 + MOV A,M 7 + JMP 10 + the print RET 10.
        .character = 7 + 4 + 7 + 10 + 4 + 5 + 10 + 10 + 7 + 10 + 10,
        // MVI B 7 + SUB B 4 + MVI H 7 + JC 10 + MOV L,A 5 + LXI B 10 + DAD H 10
        // + DAD B 10 + MOV A,M 7 + INX H 5 + PUSH H 11 + CALL 17 + POP H 10 +
        // MOV A,M 7 + JMP 10.
        .pair = 7 + 4 + 7 + 10 + 5 + 10 + 10 + 10 + 7 + 5 + 11 + 17 + 10 + 7 + 10,
    },
    .time_records = time_records_by_costs,
    .time_unit = "T-states",
    // The addresses that the usage text gives as the defaults.
    .default_load_address = 0,
    .default_print_address = 0x8500,
    .tapes = {&kPtpFormat},
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
