#include "support/emulator.h"

#include <z80ex/z80ex.h>

#include <array>
#include <memory>
#include <stdexcept>

namespace vendrel::test {

namespace {

constexpr int kMemorySize = 65536;
constexpr int kStackWindow = 1024;
constexpr std::uint8_t kRet = 0xC9;
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

RoutineCall call_unpack_routine(const std::vector<std::uint8_t>& image, std::uint16_t load_address,
                                std::uint16_t print_address, std::uint16_t record, std::uint8_t fill,
                                bool zero_after_image, std::uint64_t max_steps) {
    if (image.size() >= kMemorySize - kStackWindow) {
        throw std::invalid_argument("image too long for the emulated memory");
    }
    auto memory = std::make_unique<Memory>();
    memory->fill(fill);
    std::vector<bool> used(kMemorySize, false);
    const int size = static_cast<int>(image.size());
    for (int i = 0; i < size; ++i) {
        const int address = (load_address + i) % kMemorySize;
        (*memory)[address] = image[i];
        used[address] = true;
    }
    const int after = (load_address + size) % kMemorySize;
    if (zero_after_image) (*memory)[after] = 0;
    used[after] = true;
    if (used[print_address]) throw std::invalid_argument("print address inside the image");
    (*memory)[print_address] = kRet;
    used[print_address] = true;

    // The caller: its return address is the window's first byte, its stack
    // grows down from the window's end.
    const std::uint16_t caller = find_stack_window(used, after);
    const auto stack_top = static_cast<std::uint16_t>(caller + kStackWindow);
    const auto stack = static_cast<std::uint16_t>(stack_top - 2);
    (*memory)[stack] = static_cast<std::uint8_t>(caller & 0xFF);
    (*memory)[static_cast<std::uint16_t>(stack + 1)] = static_cast<std::uint8_t>(caller >> 8);

    Cpu cpu(*memory);
    z80ex_set_reg(cpu.context, regSP, stack);
    z80ex_set_reg(cpu.context, regPC, load_address);
    z80ex_set_reg(cpu.context, regDE, record);

    RoutineCall call;
    bool between_instructions = true;  // not just after a prefix byte
    for (std::uint64_t steps = 0; steps < max_steps; ++steps) {
        if (between_instructions) {
            const Z80EX_WORD pc = z80ex_get_reg(cpu.context, regPC);
            if (pc == caller) {
                const Z80EX_WORD af = z80ex_get_reg(cpu.context, regAF);
                call.returned = true;
                call.a = static_cast<std::uint8_t>(af >> 8);
                call.zero_flag = (af & kZeroFlag) != 0;
                call.stack_balanced = z80ex_get_reg(cpu.context, regSP) == stack_top;
                break;
            }
            if (pc == print_address) {
                call.printed.push_back(static_cast<char>(z80ex_get_reg(cpu.context, regAF) >> 8));
            }
        }
        call.tstates += static_cast<std::uint64_t>(z80ex_step(cpu.context));
        between_instructions = z80ex_last_op_type(cpu.context) == 0;
    }
    return call;
}

}  // namespace vendrel::test
