// A bare Z80 with 64 KiB of RAM (z80ex) that runs unpack routines and the
// example programs of docs/examples the way the target machine would: the
// program calls the routine, which prints through the print address.
//
// The i8080 routine uses only instructions whose encoding, and whose effect
// on the Z and C flags it relies on, are the same on a Z80 (LXI/LD rr,nn,
// CMP M, DCX, INR, DAD/ADD HL, JZ/JNZ/JC, CALL, RET, RZ, XCHG, LDAX, ...), so
// the same emulated CPU runs both routines; the states an Intel 8080 takes
// for them are counted beside the Z80's T-states.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vendrel::test {

// What one call did, from the call (excluded) to the return.
struct RoutineCall {
    std::string printed;          // the A register at each visit of the print address
    bool returned = false;        // came back to the caller within the step limit
    bool zero_flag = false;       // Z on return
    std::uint8_t a = 0;           // A on return
    bool stack_balanced = false;  // SP on return equals SP before the call
    int stack_used = 0;           // deepest stack below the caller's SP, in bytes
    std::uint64_t tstates = 0;    // Z80 T-states
    std::uint64_t tstates_at_mark = 0;  // up to the first visit of the mark
    // The same two counts as an Intel 8080 would take for the instructions
    // run (meaningful for the i8080 routine, whose opcodes all have 8080
    // timings here; other opcodes are counted in unknown_8080_opcodes).
    std::uint64_t i8080_states = 0;
    std::uint64_t i8080_states_at_mark = 0;
    std::uint64_t unknown_8080_opcodes = 0;
};

class EmulatedMachine {
public:
    // Every byte of memory starts as fill.
    explicit EmulatedMachine(std::uint8_t fill = 0x00);

    // Copies bytes into memory from address on (wrapping past 65,535).
    void load(std::uint16_t address, std::span<const std::uint8_t> bytes);
    void load(std::uint16_t address, std::string_view bytes);
    void poke(std::uint16_t address, std::uint8_t value) { memory_[address] = value; }
    void poke_word(std::uint16_t address, std::uint16_t value);

    // Places a RET at address: a ROM routine that the program may call
    // (for example the Spectrum's CHAN-OPEN) and that does nothing here.
    void stub(std::uint16_t address) { poke(address, kRet); }

    // Calls entry with DE = de: the return address, stack_top itself, is
    // pushed just below stack_top, in free memory that the program never
    // runs. Runs until the program returns there or max_steps instructions
    // have run (a runaway program never hangs a test). A RET is placed at
    // print_address, and A is recorded every time it is reached. mark (an
    // address, or -1 for none) splits the counts: how many ran before its
    // first visit.
    RoutineCall call(std::uint16_t entry, std::uint16_t print_address, std::uint16_t stack_top,
                     std::uint16_t de = 0, int mark = -1, std::uint64_t max_steps = 50'000'000);

    static constexpr std::uint8_t kRet = 0xC9;

private:
    std::array<std::uint8_t, 65536> memory_{};
};

// Loads image at load_address into 64 KiB of memory (addresses wrap past
// 65,535), fills every other byte with fill, and places a RET at
// print_address, which must lie outside the image. With zero_after_image the
// byte right after the image is 0, as the last record of an image made with
// -oa needs. Then calls the routine at load_address with DE = record, on a
// stack in a free 1 KiB window away from the image and the print address.
RoutineCall call_unpack_routine(const std::vector<std::uint8_t>& image, std::uint16_t load_address,
                                std::uint16_t print_address, std::uint16_t record,
                                std::uint8_t fill = 0x00, bool zero_after_image = false,
                                std::uint64_t max_steps = 20'000'000);

}  // namespace vendrel::test
