#include "example_machine.h"

#include <z80ex/z80ex.h>

#include <algorithm>
#include <stdexcept>

namespace vendrel::test {

namespace {

constexpr std::uint8_t kRet = 0xC9;
constexpr std::uint16_t kZeroFlag = 0x40;

using Memory = std::array<std::uint8_t, 65536>;

Z80EX_BYTE read_memory(Z80EX_CONTEXT*, Z80EX_WORD address, int, void* memory) {
    return (*static_cast<Memory*>(memory))[address];
}

void write_memory(Z80EX_CONTEXT*, Z80EX_WORD address, Z80EX_BYTE value, void* memory) {
    (*static_cast<Memory*>(memory))[address] = value;
}

Z80EX_BYTE read_port(Z80EX_CONTEXT*, Z80EX_WORD, void*) { return 0xFF; }
void write_port(Z80EX_CONTEXT*, Z80EX_WORD, Z80EX_BYTE, void*) {}
Z80EX_BYTE read_interrupt_vector(Z80EX_CONTEXT*, void*) { return 0xFF; }

// States of an Intel 8080 for the instructions of the i8080 routine and the
// RET at the print address; 0 for anything else. A conditional return
// takes 11 states when it returns and 5 when it does not.
int i8080_states(std::uint8_t opcode, bool branch_taken) {
    switch (opcode) {
        case 0x01: case 0x21: return 10;                      // LXI
        case 0x06: case 0x26: return 7;                       // MVI
        case 0x09: case 0x29: return 10;                      // DAD
        case 0x0B: case 0x13: case 0x1B: case 0x23: return 5; // DCX, INX
        case 0x1A: return 7;                                  // LDAX D
        case 0x3C: return 5;                                  // INR A
        case 0x6F: case 0x78: case 0x7A: return 5;            // MOV r,r
        case 0x7E: return 7;                                  // MOV A,M
        case 0x80: case 0x90: case 0xAF: case 0xB1: case 0xB3: case 0xB7: return 4;  // ALU r
        case 0xBE: return 7;                                  // CMP M
        case 0xC2: case 0xC3: case 0xCA: case 0xDA: return 10;  // JMP, Jcc
        case 0xC8: return branch_taken ? 11 : 5;              // RZ
        case 0xC9: return 10;                                 // RET
        case 0xCD: return 17;                                 // CALL
        case 0xE1: return 10;                                 // POP H
        case 0xE5: return 11;                                 // PUSH H
        case 0xEB: return 4;                                  // XCHG
        default: return 0;
    }
}

}  // namespace

ExampleMachine::ExampleMachine() = default;

void ExampleMachine::load(std::uint16_t address, const std::string& bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        memory_[static_cast<std::uint16_t>(address + i)] = static_cast<std::uint8_t>(bytes[i]);
    }
}

void ExampleMachine::poke_word(std::uint16_t address, std::uint16_t value) {
    memory_[address] = static_cast<std::uint8_t>(value & 0xFF);
    memory_[static_cast<std::uint16_t>(address + 1)] = static_cast<std::uint8_t>(value >> 8);
}

void ExampleMachine::stub(std::uint16_t address) { memory_[address] = kRet; }

ExampleRun ExampleMachine::call(std::uint16_t entry, std::uint16_t print_address,
                                std::uint16_t stack_top, std::uint16_t de, int mark,
                                std::uint64_t max_steps) {
    memory_[print_address] = kRet;
    // The caller's return address: the stack top, in free memory, which the
    // program never reaches on its own.
    const std::uint16_t caller = stack_top;
    const auto sp = static_cast<std::uint16_t>(stack_top - 2);
    poke_word(sp, caller);

    Z80EX_CONTEXT* cpu = z80ex_create(read_memory, &memory_, write_memory, &memory_, read_port,
                                      nullptr, write_port, nullptr, read_interrupt_vector, nullptr);
    if (cpu == nullptr) throw std::runtime_error("cannot create the emulated CPU");
    z80ex_set_reg(cpu, regSP, sp);
    z80ex_set_reg(cpu, regPC, entry);
    z80ex_set_reg(cpu, regDE, de);

    ExampleRun run;
    bool between_instructions = true;  // not just after a prefix byte
    for (std::uint64_t steps = 0; steps < max_steps; ++steps) {
        const Z80EX_WORD pc = z80ex_get_reg(cpu, regPC);
        const Z80EX_WORD now_sp = z80ex_get_reg(cpu, regSP);
        if (now_sp <= sp) run.stack_used = std::max(run.stack_used, sp - now_sp);
        if (between_instructions) {
            if (pc == caller) {
                const Z80EX_WORD af = z80ex_get_reg(cpu, regAF);
                run.returned = true;
                run.zero_flag = (af & kZeroFlag) != 0;
                break;
            }
            if (pc == mark && run.tstates_at_mark == 0) {
                run.tstates_at_mark = run.tstates;
                run.i8080_states_at_mark = run.i8080_states;
            }
            if (pc == print_address) {
                run.printed.push_back(static_cast<char>(z80ex_get_reg(cpu, regAF) >> 8));
            }
        }
        const std::uint8_t opcode = memory_[pc];
        run.tstates += static_cast<std::uint64_t>(z80ex_step(cpu));
        between_instructions = z80ex_last_op_type(cpu) == 0;
        const bool branch_taken = z80ex_get_reg(cpu, regPC) != static_cast<Z80EX_WORD>(pc + 1);
        const int states = i8080_states(opcode, branch_taken);
        if (states == 0) ++run.unknown_8080_opcodes;
        run.i8080_states += static_cast<std::uint64_t>(states);
    }
    z80ex_destroy(cpu);
    return run;
}

}  // namespace vendrel::test
