// Packing a text with the built program for the 6502 tests: the image and
// what the report says of it.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/mos6502_runner.h"
#include "support/program.h"

namespace vendrel::test {

inline constexpr int kMos6502RoutineLength = 107;

using Bytes = std::vector<std::uint8_t>;

inline Bytes as_bytes(const std::string& text) { return Bytes(text.begin(), text.end()); }

// The number after label on the report line that starts with it.
inline int report_number(const std::string& report, const std::string& label) {
    const std::size_t at = report.find(label);
    if (at == std::string::npos) return -1;
    return std::atoi(report.c_str() + at + label.size());
}

struct Packing {
    std::vector<std::string> options;  // the text's own options (-ct, -dtp, ...)
    std::string source;
    bool oa = false;
    bool best = false;
};

// What the program packed, with what its report says.
struct Packed {
    Bytes image;
    int chars = 0;
    int table_size = 0;  // character and pair tables
};

inline Packed pack(const ScratchDir& dir, const Packing& packing, std::vector<std::string> args) {
    args.insert(args.begin(), packing.options.begin(), packing.options.end());
    if (packing.oa) args.push_back("-oa");
    if (packing.best) args.push_back("-best");
    const std::string path = dir.file("packed.vdl");
    args.insert(args.end(), {"-o", path, packing.source});
    const ProgramResult run = run_program(args);
    EXPECT_EQ(run.exit_status, 0) << run.err;
    return Packed{as_bytes(read_file(path)), report_number(run.out, "Number of differenet chars:\t"),
                  report_number(run.out, "Size of character table:\t")};
}

inline Packed pack_6502(const ScratchDir& dir, const Packing& packing, const Mos6502Setup& at) {
    return pack(dir, packing,
                {"-6502", "-a", std::to_string(at.load_address), "-pa", std::to_string(at.print_address), "-zp",
                 std::to_string(at.zero_page)});
}

// The text packed for the 6502 at setup's addresses, and setup made ready
// to run its image.
inline Packed pack_for_run(const ScratchDir& dir, const Packing& packing, Mos6502Setup& setup) {
    Packed packed = pack_6502(dir, packing, setup);
    setup.image = packed.image;
    setup.zero_after_image = packing.oa;
    return packed;
}

// Separators (codes 0) within the routine's search: in the stored stream,
// and with -oa the 0 after the image. Records 1 to this less one are
// closed by the next separator.
inline int separators(const Packed& packed, int routine_length, bool oa) {
    const auto stream = packed.image.begin() + routine_length + packed.table_size;
    return static_cast<int>(std::count(stream, packed.image.end(), 0)) + (oa ? 1 : 0);
}

// Record 0, every closed record, and the first number past the last
// separator: each way a call can end.
inline std::vector<std::uint16_t> every_record(const Packed& packed, bool oa) {
    std::vector<std::uint16_t> records;
    const int closed = separators(packed, kMos6502RoutineLength, oa) - 1;
    for (int k = 0; k <= closed; ++k) records.push_back(static_cast<std::uint16_t>(k));
    records.push_back(static_cast<std::uint16_t>(closed + 2));
    return records;
}

}  // namespace vendrel::test
