#include "support/sim65_machine.h"

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace vendrel::test {

namespace {

// One linker area over all 64 KB: the harness places everything with .org.
constexpr const char* kFlatConfig =
    "MEMORY { ALL: start = 0, size = $10000, file = %O; }\n"
    "SEGMENTS { CODE: load = ALL, type = rw; }\n";

std::string hex(unsigned value) {
    static const char digits[] = "0123456789ABCDEF";
    std::string text = "$";
    for (int shift = 12; shift >= 0; shift -= 4) text.push_back(digits[(value >> shift) & 0xFu]);
    return text;
}

std::string harness_source(const Sim65Machine& machine) {
    std::string s =
        "        .setcpu \"6502\"\n"
        "CSP     = $02\n"
        "        .byte \"sim65\", 2, 0, CSP\n"
        "        .word $0200, $0200\n"
        "        .org $0200\n"
        "        ldx #$FF\n"
        "        txs\n";
    for (const auto& [address, word] : machine.words) {
        s += "        lda #<" + hex(word) + "\n        sta " + hex(address) + "\n";
        s += "        lda #>" + hex(word) + "\n        sta " + hex(address) + "+1\n";
    }
    s += "        lda #<" + hex(machine.record) + "\n        ldx #>" + hex(machine.record) + "\n";
    s += "        jsr " + hex(machine.entry) + "\n";
    s += "        jsr $FFF9       ; exit with A\n"
         "print:  sta char\n"
         "        lda #<args      ; write(1, &char, 1): its first arguments where CSP points\n"
         "        sta CSP\n"
         "        lda #>args\n"
         "        sta CSP+1\n"
         "        lda #<char\n"
         "        sta args\n"
         "        lda #>char\n"
         "        sta args+1\n"
         "        lda #1\n"
         "        sta args+2\n"
         "        lda #0\n"
         "        sta args+3\n"
         "        lda #1          ; count in A and X\n"
         "        ldx #0\n"
         "        jsr $FFF7\n"
         "        rts\n"
         "char:   .byte 0\n"
         "args:   .res 4\n"
         "args_end:\n"
         "        .assert * <= $0280, error, \"harness too long\"\n";

    struct Item {
        std::uint16_t address;
        std::string text;
    };
    std::vector<Item> items;
    for (const MemoryPiece& piece : machine.pieces) {
        items.push_back({piece.address, "        .incbin \"" + piece.path + "\", " + std::to_string(piece.skip) + "\n"});
    }
    items.push_back({machine.print_address, "        jmp print\n"});
    std::stable_sort(items.begin(), items.end(), [](const Item& a, const Item& b) { return a.address < b.address; });
    for (const Item& item : items) {
        s += "        .assert * <= " + hex(item.address) + ", error, \"overlap\"\n";
        s += "        .res " + hex(item.address) + " - *, 0\n" + item.text;
    }
    return s;
}

int exit_status_of(int status) { return WIFEXITED(status) ? WEXITSTATUS(status) : -1; }

}  // namespace

Sim65Run run_on_sim65(const ScratchDir& scratch, const Sim65Machine& machine) {
    Sim65Run run;
    const std::string source = scratch.write("machine.s", harness_source(machine));
    const std::string config = scratch.write("machine.cfg", kFlatConfig);
    const std::string object = scratch.file("machine.o");
    const std::string program = scratch.file("machine.sim");
    const std::string printed = scratch.file("machine.out");
    const std::string log = scratch.file("machine.log");
    const std::string build = "ca65 -o '" + object + "' '" + source + "' >'" + log + "' 2>&1 && ld65 -C '" + config +
                              "' -o '" + program + "' '" + object + "' >>'" + log + "' 2>&1";
    if (std::system(build.c_str()) != 0) {
        run.log = read_file(log);
        return run;
    }
    const std::string simulate = "sim65 '" + program + "' >'" + printed + "' 2>'" + log + "'";
    run.exit_status = exit_status_of(std::system(simulate.c_str()));
    run.printed = read_file(printed);
    run.log = read_file(log);
    return run;
}

}  // namespace vendrel::test
