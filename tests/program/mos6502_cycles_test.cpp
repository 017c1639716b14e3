// The 6502 routine's cycles and stack on sim65. The runner's count (the
// print handler's known cost taken off) agrees with a run whose print
// address is a bare RTS, call by call and for whole batches; the stack at
// the print address is the call's return address, the record loop's JSR
// and 3 bytes per nesting level. Prints the measured cycles per character
// and the deepest stack of the samples.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <iostream>
#include <string>
#include <vector>

#include "program/mos6502_packing.h"
#include "support/mos6502_runner.h"
#include "support/program.h"

namespace vendrel::test {
namespace {

const std::string kSamples = VENDREL_SOURCE_DIR "/samples/";

struct CycleCase {
    const char* name;
    Packing packing;
    std::uint16_t load_address;
};

const CycleCase kCases[] = {
    {"adventure_at_1000", {{}, kSamples + "adventure.txt"}, 0x1000},
    {"adventure_best_at_C0F3", {{}, kSamples + "adventure.txt", false, true}, 0xC0F3},
    {"czech_oa_at_2080", {{"-ct", kSamples + "czech.ct"}, kSamples + "czech.txt", true}, 0x2080},
    {"letter_at_1000", {{"-dtp"}, kSamples + "letter.dtp"}, 0x1000},
};

class Mos6502Cycles : public testing::TestWithParam<CycleCase> {};

TEST_P(Mos6502Cycles, AgreeWithABarePrintReturn) {
    const CycleCase& c = GetParam();
    const ScratchDir dir;
    Mos6502Setup setup;
    setup.load_address = c.load_address;
    const Packed packed = pack_for_run(dir, c.packing, setup);
    const std::vector<std::uint16_t> records = every_record(packed, c.packing.oa);

    const Mos6502Run batch = run_6502_routine(setup, records);
    const Mos6502Run each = run_6502_routine(setup, records, {.cycles_per_call = true});
    setup.stub = PrintStub::kBareReturn;
    const Mos6502Run bare = run_6502_routine(setup, records, {.cycles_per_call = true});
    ASSERT_EQ(batch.error, "");
    ASSERT_EQ(each.error, "");
    ASSERT_EQ(bare.error, "");
    std::uint64_t sum = 0;
    for (std::size_t k = 0; k < records.size(); ++k) {
        EXPECT_EQ(each.calls[k].cycles, bare.calls[k].cycles) << "record " << records[k];
        EXPECT_EQ(bare.calls[k].printed, "");
        EXPECT_EQ(each.calls[k].printed, batch.calls[k].printed);
        sum += each.calls[k].cycles;
    }
    EXPECT_EQ(batch.routine_cycles, sum);
    EXPECT_EQ(bare.routine_cycles, sum);
}

// The image with record k emptied: a 0 right after its separator, so that
// a call of k costs the search and the record's end alone.
Bytes emptied(const Packed& packed, int k) {
    Bytes image = packed.image;
    std::size_t at = static_cast<std::size_t>(kMos6502RoutineLength + packed.table_size);
    for (int seen = 0;; ++at) {
        if (image[at] == 0 && ++seen == k) break;
    }
    if (at + 1 < image.size()) image[at + 1] = 0;
    return image;
}

TEST_P(Mos6502Cycles, StackIsTheCallsAndThreeBytesALevel) {
    const CycleCase& c = GetParam();
    const ScratchDir dir;
    Mos6502Setup setup;
    setup.load_address = c.load_address;
    const Packed packed = pack_for_run(dir, c.packing, setup);
    const Mos6502Run run = run_6502_routine(setup, every_record(packed, c.packing.oa), {.cycles_per_call = true});
    ASSERT_EQ(run.error, "");
    std::uint64_t characters = 0, cycles = 0, expanding = 0;
    int deepest = 0;
    for (const Mos6502Call& call : run.calls) {
        if (call.printed.empty()) {
            EXPECT_EQ(call.stack_used, 0) << "record " << call.record;
            continue;
        }
        EXPECT_GE(call.stack_used, 4) << "record " << call.record;
        EXPECT_EQ((call.stack_used - 4) % 3, 0) << "record " << call.record;
        deepest = std::max(deepest, call.stack_used);
        characters += call.printed.size();
        cycles += call.cycles;
        // Each character takes at least the leaf's CMP, BCS, TAX, LDA
        // abs,X, JMP and the print routine's RTS: 19 cycles.
        Mos6502Setup empty = setup;
        empty.image = emptied(packed, call.record);
        const Mos6502Run search = run_6502_routine(empty, {call.record}, {.cycles_per_call = true});
        ASSERT_EQ(search.error, "");
        ASSERT_EQ(search.calls[0].printed, "");
        EXPECT_GE(call.cycles - search.calls[0].cycles, 19 * call.printed.size()) << "record " << call.record;
        expanding += call.cycles - search.calls[0].cycles;
    }
    ASSERT_GT(characters, 0u);
    std::cout << c.name << ": " << characters << " characters in " << cycles << " cycles, "
              << static_cast<double>(cycles) / static_cast<double>(characters) << " per character; expanding "
              << static_cast<double>(expanding) / static_cast<double>(characters)
              << " per character after the search; deepest stack " << deepest << " bytes (" << (deepest - 4) / 3
              << " levels)\n";
}

INSTANTIATE_TEST_SUITE_P(Samples, Mos6502Cycles, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<CycleCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vendrel::test
