#include "support/emulator.h"

#include <z80ex/z80ex.h>

#include <algorithm>
#include <memory>
#include <stdexcept>

namespace vendrel::test {

namespace {

constexpr int kMemorySize = 65536;
constexpr int kStackWindow = 1024;
constexpr std::uint16_t kZeroFlag = 0x40;

using Memory = std::array<std::uint8_t, kMemorySize>;

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

// First address of a run of kStackWindow addresses that are all free, looked
// for from just after the image onwards, wrapping past 65,535.
std::uint16_t find_stack_window(const std::vector<bool>& used, int from) {
    int run = 0;
    for (int step = 0; step < 2 * kMemorySize; ++step) {
        const int address = (from + step) % kMemorySize;
        run = used[address] ? 0 : run + 1;
        if (run == kStackWindow) {
            return static_cast<std::uint16_t>((address - kStackWindow + 1 + kMemorySize) % kMemorySize);
        }
    }
    throw std::invalid_argument("no room for the caller's stack beside the image");
}

struct Cpu {
    explicit Cpu(Memory& memory)
        : context(z80ex_create(read_memory, &memory, write_memory, &memory, read_port, nullptr,
                               write_port, nullptr, read_interrupt_vector, nullptr)) {
        if (context == nullptr) throw std::runtime_error("cannot create the emulated CPU");
    }
    ~Cpu() { z80ex_destroy(context); }
    Cpu(const Cpu&) = delete;
    Cpu& operator=(const Cpu&) = delete;

    Z80EX_CONTEXT* context;
};

}  // namespace

EmulatedMachine::EmulatedMachine(std::uint8_t fill) { memory_.fill(fill); }

void EmulatedMachine::load(std::uint16_t address, std::span<const std::uint8_t> bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) memory_[static_cast<std::uint16_t>(address + i)] = bytes[i];
}

void EmulatedMachine::load(std::uint16_t address, std::string_view bytes) {
    load(address, {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
}

void EmulatedMachine::poke_word(std::uint16_t address, std::uint16_t value) {
    poke(address, static_cast<std::uint8_t>(value & 0xFF));
    poke(static_cast<std::uint16_t>(address + 1), static_cast<std::uint8_t>(value >> 8));
}

RoutineCall EmulatedMachine::call(std::uint16_t entry, std::uint16_t print_address, std::uint16_t stack_top,
                                  std::uint16_t de, int mark, std::uint64_t max_steps) {
    stub(print_address);
    const std::uint16_t caller = stack_top;
    const auto sp = static_cast<std::uint16_t>(stack_top - 2);
    poke_word(sp, caller);

    Cpu cpu(memory_);
    z80ex_set_reg(cpu.context, regSP, sp);
    z80ex_set_reg(cpu.context, regPC, entry);
    z80ex_set_reg(cpu.context, regDE, de);

    RoutineCall run;
    bool between_instructions = true;  // not just after a prefix byte
    for (std::uint64_t steps = 0; steps < max_steps; ++steps) {
        const Z80EX_WORD pc = z80ex_get_reg(cpu.context, regPC);
        const Z80EX_WORD now_sp = z80ex_get_reg(cpu.context, regSP);
        if (now_sp <= sp) run.stack_used = std::max(run.stack_used, sp - now_sp);
        if (between_instructions) {
            if (pc == caller) {
                const Z80EX_WORD af = z80ex_get_reg(cpu.context, regAF);
                run.returned = true;
                run.a = static_cast<std::uint8_t>(af >> 8);
                run.zero_flag = (af & kZeroFlag) != 0;
                run.stack_balanced = now_sp == stack_top;
                break;
            }
            if (pc == mark && run.tstates_at_mark == 0) {
                run.tstates_at_mark = run.tstates;
                run.i8080_states_at_mark = run.i8080_states;
            }
            if (pc == print_address) run.printed.push_back(static_cast<char>(z80ex_get_reg(cpu.context, regAF) >> 8));
        }
        const std::uint8_t opcode = memory_[pc];
        run.tstates += static_cast<std::uint64_t>(z80ex_step(cpu.context));
        between_instructions = z80ex_last_op_type(cpu.context) == 0;
        const bool branch_taken = z80ex_get_reg(cpu.context, regPC) != static_cast<Z80EX_WORD>(pc + 1);
        const int states = i8080_states(opcode, branch_taken);
        if (states == 0) ++run.unknown_8080_opcodes;
        run.i8080_states += static_cast<std::uint64_t>(states);
    }
    return run;
}

RoutineCall call_unpack_routine(const std::vector<std::uint8_t>& image, std::uint16_t load_address,
                                std::uint16_t print_address, std::uint16_t record, std::uint8_t fill,
                                bool zero_after_image, std::uint64_t max_steps) {
    if (image.size() >= kMemorySize - kStackWindow) {
        throw std::invalid_argument("image too long for the emulated memory");
    }
    const auto machine = std::make_unique<EmulatedMachine>(fill);
    machine->load(load_address, image);
    std::vector<bool> used(kMemorySize, false);
    for (std::size_t i = 0; i <= image.size(); ++i) used[static_cast<std::uint16_t>(load_address + i)] = true;
    const auto after = static_cast<std::uint16_t>(load_address + image.size());
    if (zero_after_image) machine->poke(after, 0);
    if (used[print_address]) throw std::invalid_argument("print address inside the image");
    used[print_address] = true;

    // The caller's return address is the window's last byte; its stack
    // grows down from there.
    const auto stack_top = static_cast<std::uint16_t>(find_stack_window(used, after) + kStackWindow - 1);
    return machine->call(load_address, print_address, stack_top, record, -1, max_steps);
}

}  // namespace vendrel::test
