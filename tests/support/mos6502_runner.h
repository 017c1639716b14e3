// Runs a 6502 unpack routine on cc65's sim65, the way a program on the
// target calls it: JSR to the load address with the record number in A
// (low) and X (high); each character reaches the print address by JMP with
// the character in A, and the print routine returns by RTS.
//
// Each run writes a sim65 program (header "sim65", version 2, CPU 6502)
// that holds a small harness, the image where it lies in memory and a
// print stub. The harness sets SP to $FF, stores the image bytes that the
// program file cannot hold (those in page 0 and at $FFF4..$FFFF, where an
// image that wraps past 65,535 ends), then calls the routine once for each
// record asked for. The stub at the print address jumps to a handler that
// notes the stack pointer and hands the character to sim65's write (its
// paravirtual call at $FFF7); after each call the harness writes $FF, the
// returned A and X and the stack pointers noted, so that one sim65 process
// runs many records.
//
// Cycles are sim65's own count (sim65 -c). The routine's cycles run from
// its first instruction to its RTS and count the print routine as a bare
// RTS (6 cycles) at the print address: the same program is run a second
// time with the JSR to the routine replaced by three NOPs (the same 6
// cycles), and the difference, less the handler's cost above a bare RTS
// for each character printed (kHandlerCyclesAboveRts), is the routine's.
// With PrintStub::kBareReturn the print address holds an RTS and nothing
// is printed: tests run both to show that the two counts agree.
//
// sim65 2.19 differs from an NMOS 6502 in two ways that the image's place
// decides: a taken branch whose opcode sits at $xxFE or $xxFF is counted
// against the page of the branch instead of the next instruction (one
// cycle off when they differ), and an indexed read whose base plus index
// passes $FFFF is not wrapped to page 0. Routines placed so that neither
// happens are counted exactly.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vendrel::test {

enum class PrintStub {
    kWrite,       // each character is written out
    kBareReturn,  // an RTS at the print address: nothing printed
};

struct Mos6502Setup {
    std::vector<std::uint8_t> image;
    std::uint16_t load_address = 0x1000;
    std::uint16_t print_address = 0xFFD2;
    std::uint8_t zero_page = 0xFB;  // the routine's four bytes, left to it
    bool zero_after_image = false;  // a 0 right after the image, as -oa needs
    PrintStub stub = PrintStub::kWrite;
};

// One call of the routine.
struct Mos6502Call {
    std::uint16_t record = 0;
    std::string printed;
    std::uint8_t a = 0;
    std::uint8_t x = 0;
    // Bytes of stack below the caller's stack pointer at the deepest visit
    // of the print address: the call's return address and what the
    // routine pushed (the print routine's own use not included); 0 when
    // nothing was printed.
    int stack_used = 0;
    std::uint64_t cycles = 0;  // the routine's, only with Mos6502Options::cycles_per_call
};

struct Mos6502Options {
    // One sim65 process per call, so that each call's cycles are known;
    // otherwise as many calls share a process as fit beside the image.
    bool cycles_per_call = false;
};

struct Mos6502Run {
    std::vector<Mos6502Call> calls;  // in the order asked for
    std::uint64_t routine_cycles = 0;  // of all calls together
    std::string error;  // empty when every call returned and sim65 exited normally
};

// Cycles of the handler from the print address to its RTS, less the 6 of
// a bare RTS.
inline constexpr std::uint64_t kHandlerCyclesAboveRts = 36;

// Runs the routine at setup.load_address once for each record. Throws
// std::invalid_argument when the image leaves no room for the harness or
// covers the stack page, the routine's zero page or the print stub (three
// bytes at the print address, which must lie from $0200 to $FFF0).
Mos6502Run run_6502_routine(const Mos6502Setup& setup, const std::vector<std::uint16_t>& records,
                            const Mos6502Options& options = {});

}  // namespace vendrel::test
