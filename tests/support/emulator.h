// Runs an unpack routine of a packed image on an emulated Z80 (z80ex), the
// way a program on the target machine calls it.
//
// The i8080 routine uses only instructions whose encoding, and whose effect
// on the Z and C flags it relies on, are the same on a Z80 (LXI/LD rr,nn,
// CMP M, DCX, INR, DAD/ADD HL, JZ/JNZ/JC, CALL, RET, RZ, XCHG, LDAX, ...), so
// the same emulated CPU runs both routines.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vendrel::test {

// What one call of an unpack routine did.
struct RoutineCall {
    std::string printed;          // the A register at each visit of the print address
    bool returned = false;        // came back to the caller within the step limit
    bool zero_flag = false;       // Z on return
    std::uint8_t a = 0;           // A on return
    bool stack_balanced = false;  // SP on return equals SP before the call
    std::uint64_t tstates = 0;    // T-states from the call to the return (call excluded)
};

// Loads image at load_address into 64 KiB of memory (addresses wrap past
// 65,535), fills every other byte with fill, and places a RET at
// print_address, which must lie outside the image. With zero_after_image the
// byte right after the image is 0, as the last record of an image made with
// -oa needs. Then calls the routine at load_address with DE = record: a
// return address is pushed on a stack in a free 1 KiB window away from the
// image and the print address, and the CPU runs until it comes back there
// or max_steps instructions have run (a runaway routine never hangs a test).
RoutineCall call_unpack_routine(const std::vector<std::uint8_t>& image, std::uint16_t load_address,
                                std::uint16_t print_address, std::uint16_t record,
                                std::uint8_t fill = 0x00, bool zero_after_image = false,
                                std::uint64_t max_steps = 20'000'000);

}  // namespace vendrel::test
