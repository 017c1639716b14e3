// A 6502 program built by a 6502 assembler, run on cc65's sim65 together
// with the files it needs in memory: an image vendrel wrote, a program
// that includes vendrel's include file, a C64 PRG. ca65 and ld65 build one
// sim65 program (header "sim65", version 2, CPU 6502) from a small harness
// at $0200 and the files laid from their addresses on; the harness sets
// SP to $FF, stores the words asked for, calls the entry by JSR with the
// record number in A (low) and X (high) and exits with the A it returns
// as sim65's exit status. The print address holds a JMP to a handler
// that writes A out through sim65's write (a JSR to $FFF7, the only way
// sim65 runs its calls) and returns by RTS; it changes A, X and Y, and no
// zero-page byte other than the two at $02 that hold the pointer through
// which sim65 reads write's arguments.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "support/program.h"

namespace vendrel::test {

// A file's bytes from `skip` on, laid into memory from `address` on.
struct MemoryPiece {
    std::uint16_t address = 0;
    std::string path;
    std::size_t skip = 0;
};

struct Sim65Machine {
    std::vector<MemoryPiece> pieces;  // from $0280 on, not overlapping each other or the print stub
    std::vector<std::pair<std::uint16_t, std::uint16_t>> words;  // stored before the call
    std::uint16_t entry = 0;
    std::uint16_t record = 0;
    std::uint16_t print_address = 0xFFD2;  // from $0280 to $FFF0
};

struct Sim65Run {
    int exit_status = -1;  // the A the entry returned, unless building or running failed
    std::string printed;   // every byte handed to the print address
    std::string log;       // what ca65, ld65 and sim65 said
};

Sim65Run run_on_sim65(const ScratchDir& scratch, const Sim65Machine& machine);

}  // namespace vendrel::test
