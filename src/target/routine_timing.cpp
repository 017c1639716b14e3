#include "target/routine_timing.h"

#include <array>

namespace vendrel {

namespace {

// What each path through a routine costs, in states of its CPU. Taken
// conditional jumps and returns cost more than those that fall through
// (Z80: JR 12/7, RET cc 11/5; 8080: RZ 11/5, a JMP cc always 10).
struct RoutineCosts {
    int entry;            // set-up before the search and hand-over after it
    int byte_passed;      // a code other than 0 passed by the search
    int separator_passed; // a code 0 passed by the search
    int code_fetched;     // the record loop around each code of the record
    int record_end;       // fetching the closing code 0 and returning
    int character;        // expanding a character code, its print included
    int pair;             // expanding a pair code, without its two halves
};

constexpr RoutineCosts kZ80Costs = {
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
};

constexpr RoutineCosts kI8080Costs = {
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
};

const RoutineCosts& costs_of(RoutineKind kind) { return kind == RoutineKind::z80 ? kZ80Costs : kI8080Costs; }

// States to expand each code, worked out the first time the code is met.
struct ExpansionCosts {
    const RoutineCosts& costs;
    const PackedCodes& codes;
    std::array<std::uint64_t, 256> known{};  // 0: not yet worked out

    // A code met again inside its own expansion (never in a packer's pair
    // table) counts its pair step only, so a looping table still ends.
    std::uint64_t of(std::uint8_t code) {
        if (known[code] != 0) return known[code];
        if (code < codes.char_count) return known[code] = static_cast<std::uint64_t>(costs.character);
        known[code] = static_cast<std::uint64_t>(costs.pair);
        const std::uint8_t* entry = codes.pair_table + 2 * (code - codes.char_count);
        const std::uint64_t halves = of(entry[0]) + of(entry[1]);
        return known[code] += halves;
    }
};

// The search for record `record`, whose first code is at stream offset
// `start`, together with the routine's set-up and the record's end.
std::uint64_t fixed_part(const RoutineCosts& costs, int record, int start) {
    return static_cast<std::uint64_t>(costs.entry) +
           static_cast<std::uint64_t>(costs.byte_passed) * static_cast<std::uint64_t>(start - record) +
           static_cast<std::uint64_t>(costs.separator_passed) * static_cast<std::uint64_t>(record) +
           static_cast<std::uint64_t>(costs.record_end);
}

}  // namespace

std::uint64_t estimate_record_tstates(RoutineKind kind, const PackedCodes& codes, int record) {
    if (record < 1) return 0;
    int start = 0;
    for (int separators = 0; separators < record; ++start) {
        if (start == codes.stream_length) return 0;
        if (codes.code_stream[start] == 0) ++separators;
    }
    const RoutineCosts& costs = costs_of(kind);
    ExpansionCosts expansion{costs, codes};
    std::uint64_t total = fixed_part(costs, record, start);
    for (int at = start; at < codes.stream_length && codes.code_stream[at] != 0; ++at) {
        total += static_cast<std::uint64_t>(costs.code_fetched) + expansion.of(codes.code_stream[at]);
    }
    return total;
}

std::vector<std::uint64_t> estimate_every_record(RoutineKind kind, const PackedCodes& codes) {
    const RoutineCosts& costs = costs_of(kind);
    ExpansionCosts expansion{costs, codes};
    std::vector<std::uint64_t> estimates;
    int record = 0;        // the record being read, 0 before the first code 0
    int record_start = 0;  // stream offset of its first code
    std::uint64_t codes_part = 0;
    for (int at = 0; at < codes.stream_length; ++at) {
        const std::uint8_t code = codes.code_stream[at];
        if (code != 0) {
            codes_part += static_cast<std::uint64_t>(costs.code_fetched) + expansion.of(code);
            continue;
        }
        if (record > 0) estimates.push_back(fixed_part(costs, record, record_start) + codes_part);
        ++record;
        record_start = at + 1;
        codes_part = 0;
    }
    return estimates;
}

}  // namespace vendrel
