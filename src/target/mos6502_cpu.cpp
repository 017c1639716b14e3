#include <iterator>

#include "target/cpu_description.h"
#include "target/mos6502_timing.h"
#include "target/unpack_routines.h"

namespace vendrel {

// Called by JSR with the record number in A (low) and X (high). Scans the
// code stream for the record's separator with Y indexing a page whose base
// the zero-page pointer holds, so the scan never pays for a page crossing,
// and counts separators down in two zero-page bytes. The record loop then
// walks the pointer itself. The expander takes a code in A: a character is
// printed by a jump to the print routine (whose RTS returns to the
// expander's caller); a pair pushes its right code, expands its left code
// by a recursive call and falls through into the expander again with the
// right one, so only left branches use stack.
//
// Zero page: Z the pointer (low, high), Z+2 the separators still to pass
// (low, high). Operands marked "zp", "patched" or "relocated" are rewritten
// for every image; every other byte is the same in every image.
//
// S is the code stream's address, E = S + search length, P = the pair
// table's address - 2n (the pair of code c at P + 2c), C the character table.
const std::array<std::uint8_t, kMos6502RoutineLength> mos6502_routine_template = {
    0x85, 0x02,        //   0  STA Z+2        (zp) separators to pass
    0x86, 0x03,        //   2  STX Z+3        (zp)
    0xA2, 0x00,        //   4  LDX #0
    0x86, 0x00,        //   6  STX Z          (zp) Y indexes the page at Z
    0xA9, 0x00,        //   8  LDA #>(S-1)    (patched)
    0x85, 0x01,        //  10  STA Z+1        (zp)
    0xA0, 0x00,        //  12  LDY #<(S-1)    (patched)
    0xC8,              //  14  INY            scan: the next byte
    0xD0, 0x02,        //  15  BNE 19
    0xE6, 0x01,        //  17  INC Z+1        (zp) the next page
    0xC0, 0x00,        //  19  CPY #<E        (patched)
    0xD0, 0x06,        //  21  BNE 29
    0xA5, 0x01,        //  23  LDA Z+1        (zp)
    0xC9, 0x00,        //  25  CMP #>E        (patched)
    0xF0, 0x49,        //  27  BEQ 102        the search length ran out
    0xB1, 0x00,        //  29  LDA (Z),Y      (zp)
    0xD0, 0xED,        //  31  BNE 14         not a separator
    0xA5, 0x02,        //  33  LDA Z+2        (zp) one separator passed
    0xD0, 0x02,        //  35  BNE 39
    0xC6, 0x03,        //  37  DEC Z+3        (zp)
    0xC6, 0x02,        //  39  DEC Z+2        (zp)
    0xD0, 0xE3,        //  41  BNE 14
    0xA5, 0x03,        //  43  LDA Z+3        (zp)
    0xD0, 0xDF,        //  45  BNE 14         not yet the one asked for
    0x84, 0x00,        //  47  STY Z          (zp) Z: the separator found
    0xE6, 0x00,        //  49  INC Z          (zp) record loop: the next code
    0xD0, 0x02,        //  51  BNE 55
    0xE6, 0x01,        //  53  INC Z+1        (zp)
    0xA0, 0x00,        //  55  LDY #0
    0xB1, 0x00,        //  57  LDA (Z),Y      (zp)
    0xF0, 0x2B,        //  59  BEQ 104        code 0 ends the record: A = 0
    0x20, 0x5B, 0x00,  //  61  JSR 91         (relocated) expand the code
    0x4C, 0x31, 0x00,  //  64  JMP 49         (relocated)
    0x0A,              //  67  ASL            pair: A = 2c, carry: c >= 128
    0xAA,              //  68  TAX
    0xB0, 0x09,        //  69  BCS 80
    0xBD, 0x00, 0x00,  //  71  LDA P+1,X      (patched) right code
    0x48,              //  74  PHA
    0xBD, 0x00, 0x00,  //  75  LDA P,X        (patched) left code
    0x90, 0x07,        //  78  BCC 87
    0xBD, 0x00, 0x00,  //  80  LDA P+257,X    (patched) right code, c >= 128
    0x48,              //  83  PHA
    0xBD, 0x00, 0x00,  //  84  LDA P+256,X    (patched) left code
    0x20, 0x5B, 0x00,  //  87  JSR 91         (relocated) expand the left code
    0x68,              //  90  PLA            the right code: a tail call
    0xC9, 0x00,        //  91  CMP #n         (patched) expander, code in A
    0xB0, 0xE4,        //  93  BCS 67         a pair
    0xAA,              //  95  TAX
    0xBD, 0x00, 0x00,  //  96  LDA C,X        (patched) the character
    0x4C, 0x00, 0x00,  //  99  JMP print      (patched)
    0xA9, 0x01,        // 102  LDA #1         not found
    0xA2, 0x00,        // 104  LDX #0         X = 0 either way
    0x60,              // 106  RTS
};

// The operands of the two JSRs to the expander and of the JMP back to the
// record loop.
const std::array<int, 3> mos6502_relocations = {62, 65, 88};

namespace {

// The zero-page operand at offset holding Z + byte.
constexpr PatchField zero_page(int offset, int byte) { return {FieldValue::zero_page, offset, -1, byte}; }

// Addresses are loaded as two immediate bytes or as the operand of an
// indexed load, so some fields keep their halves apart.
const PatchField mos6502_fields[] = {
    {FieldValue::code_stream, 13, 9, -1},
    {FieldValue::search_end, 20, 26},
    {FieldValue::pair_base, 72, 73, 1},
    {FieldValue::pair_base, 76, 77},
    {FieldValue::pair_base, 81, 82, 257},
    {FieldValue::pair_base, 85, 86, 256},
    {FieldValue::char_count, 92, -1},
    {FieldValue::char_table, 97, 98},
    {FieldValue::print_address, 100, 101},
    zero_page(1, 2), zero_page(3, 3), zero_page(7, 0), zero_page(11, 1), zero_page(18, 1),
    zero_page(24, 1), zero_page(30, 0), zero_page(34, 2), zero_page(38, 3), zero_page(40, 2),
    zero_page(44, 3), zero_page(48, 0), zero_page(50, 0), zero_page(54, 1), zero_page(58, 0),
};

}  // namespace

const RoutineLayout mos6502_routine_layout = {
    .length = kMos6502RoutineLength,
    .bytes = mos6502_routine_template.data(),
    .relocations = mos6502_relocations.data(),
    .relocation_count = static_cast<int>(mos6502_relocations.size()),
    .fields = mos6502_fields,
    .field_count = static_cast<int>(std::size(mos6502_fields)),
};

const CpuDescription mos6502_cpu = {
    .name = "6502",
    .option = &Job::mos6502,
    .routine = &mos6502_routine_layout,
    // Cycles of each path when no page is crossed (a taken branch 3, one
    // that falls through 2; an indexed load 4). The estimate adds the cycles
    // that page crossings cost at the image's addresses.
    .costs = {
        // STA 3 + STX 3 + LDX 2 + STX 3 + LDA 2 + STA 3 + LDY 2, and the STY 3
        // that hands over to the record loop.
        .entry = 3 + 3 + 2 + 3 + 2 + 3 + 2 + 3,
        // INY 2 + BNE 3 + CPY 2 + BNE 3 + LDA (Z),Y 5 + BNE 3.
        .byte_passed = 2 + 3 + 2 + 3 + 5 + 3,
        // INY 2 + BNE 3 + CPY 2 + BNE 3 + LDA (Z),Y 5 + BNE 2 + LDA 3 + BNE 3
        // + DEC 5 + BNE 3, the separator asked for taking LDA 3 + BNE 2 more
        // and BNE 2 in place of 3 (counted in entry's STY).
        .separator_passed = 2 + 3 + 2 + 3 + 5 + 2 + 3 + 3 + 5 + 3,
        // INC 5 + BNE 3 + LDY 2 + LDA (Z),Y 5 + BEQ 2 + JSR 6 + JMP 3.
        .code_fetched = 5 + 3 + 2 + 5 + 2 + 6 + 3,
        // INC 5 + BNE 3 + LDY 2 + LDA (Z),Y 5 + BEQ 3 + LDX 2 + RTS 6.
        .record_end = 5 + 3 + 2 + 5 + 3 + 2 + 6,
        // CMP 2 + BCS 2 + TAX 2 + LDA C,X 4 + JMP 3 + the print RTS 6.
        .character = 2 + 2 + 2 + 4 + 3 + 6,
        // CMP 2 + BCS 3 + ASL 2 + TAX 2 + BCS 2 + LDA 4 + PHA 3 + LDA 4 +
        // BCC 3 + JSR 6 + PLA 4 (a pair code below 128; one above takes the
        // BCS 3 and no BCC: 2 fewer).
        .pair = 2 + 3 + 2 + 2 + 2 + 4 + 3 + 4 + 3 + 6 + 4,
    },
    .time_records = time_mos6502_records,
    .time_unit = "Cycles",
    // $1000 is free BASIC memory on a C64 (a SYS 4096 away) for images up to
    // 36 KB; $FFD2 is the Commodore KERNAL's CHROUT.
    .default_load_address = 0x1000,
    .default_print_address = 0xFFD2,
    .tapes = {&kPrgFormat, &kXexFormat},
    .calls = {
        .record_register = "A (low) and X (high)",
        .character_register = "A",
        .kept_registers = "the zero-page bytes",
        .changed_registers = "A, X, Y and the flags",
        .found_flag = "A = 0",
    },
    // A return address for the record loop's JSR; a pushed right code and a
    // return address for each nested pair.
    .stack = {.base = 2, .per_level = 3},
    // $FB-$FE: the four zero-page bytes that neither BASIC nor the KERNAL
    // of the C64 touches.
    .default_zero_page = 0xFB,
    // Leaves a C64 program called from BASIC room for its FOR and GOSUB
    // frames, CHROUT and the interrupt handler.
    .default_stack_bound = 96,
};

}  // namespace vendrel
