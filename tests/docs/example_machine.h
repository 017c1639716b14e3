// A bare Z80 with 64 KiB of RAM (z80ex) that runs the example programs of
// docs/examples together with a packed image, the way the target machine
// would: the program calls the image's routine, which prints through the
// print address.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vendrel::test {

struct ExampleRun {
    std::string printed;          // A at every visit of the print address
    bool returned = false;        // the program came back to its caller
    bool zero_flag = false;       // Z when it came back
    int stack_used = 0;           // deepest stack below the caller's SP, in bytes
    std::uint64_t tstates = 0;    // from the program's entry to its return
    std::uint64_t tstates_at_mark = 0;  // from the entry to the first visit of the mark
    // The same two counts as an Intel 8080 would take for the instructions
    // run (meaningful for the i8080 routine, whose opcodes all have 8080
    // timings here; other opcodes are counted in unknown_8080_opcodes).
    std::uint64_t i8080_states = 0;
    std::uint64_t i8080_states_at_mark = 0;
    std::uint64_t unknown_8080_opcodes = 0;
};

class ExampleMachine {
public:
    ExampleMachine();

    // Copies bytes into memory from address on (wrapping past 65,535).
    void load(std::uint16_t address, const std::string& bytes);
    void poke_word(std::uint16_t address, std::uint16_t value);

    // Places a RET at address: a ROM routine that the program may call
    // (for example the Spectrum's CHAN-OPEN) and that does nothing here.
    void stub(std::uint16_t address);

    // Calls entry with DE = de and the stack just below stack_top, and runs
    // until the program returns or max_steps instructions have run. A RET is
    // placed at print_address, and A is recorded every time it is reached.
    // mark (an address, or -1 for none) splits the T-states: how many ran
    // before the first visit of the mark.
    ExampleRun call(std::uint16_t entry, std::uint16_t print_address, std::uint16_t stack_top,
                    std::uint16_t de = 0, int mark = -1, std::uint64_t max_steps = 50'000'000);

private:
    std::array<std::uint8_t, 65536> memory_{};
};

}  // namespace vendrel::test
