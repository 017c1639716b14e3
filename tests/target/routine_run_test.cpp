// Packed images run on an emulated CPU: every record prints exactly its
// characters, at several load addresses, with and without -oa.
//
// z80ex emulates a Z80. The i8080 routine uses only instructions whose
// encoding, and whose effect on the Z and C flags the routine relies on,
// are the same on a Z80, so the same emulated CPU runs both routines.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "pack/pack_text.h"
#include "support/emulator.h"
#include "support/job_fixture.h"
#include "support/program.h"
#include "support/text_generator.h"
#include "target/packed_image.h"

namespace vendrel {
namespace {

using test::call_unpack_routine;
using test::RoutineCall;

// Where the image goes and where the print routine is. A load address of
// kWrapping puts the character table at 65,534, so the pair table and the
// code stream addresses wrap past 65,535.
constexpr int kWrapping = -1;

struct Placement {
    const char* name;
    int load_address;
    std::uint16_t print_address;
};

const Placement kPlacements[] = {
    {"at_0", 0, 0x8500},
    {"at_4000", 0x4000, 0x0010},
    {"at_8000", 0x8000, 0x0010},
    {"wrapping", kWrapping, 0x8000},
};

struct Image {
    std::vector<std::uint8_t> bytes;
    std::uint16_t load_address = 0;
    int record_count = 0;
    bool every_code_used = false;  // pair codes up to 255
};

// The text (the whole source: with oa its last byte is dropped first, as
// the main flow does) packed once; the tests compose it at many places.
Job& packed_job(const std::string& text, bool oa) {
    static std::map<std::pair<std::string, bool>, JobHandle> packed;
    JobHandle& slot = packed[{text, oa}];
    if (!slot) {
        slot = make_job();
        slot->oa = oa ? 1 : 0;
        EXPECT_EQ(load_source_text(*slot, text), 0);
        EXPECT_EQ(pack_text(*slot), 0);
    }
    return *slot;
}

// The packed text composed for the processor and the placement.
Image make_image(const std::string& text, bool z80, bool oa, const Placement& placement) {
    Job& job = packed_job(text, oa);
    job.z80 = z80 ? 1 : 0;
    job.i8080 = z80 ? 0 : 1;
    const int routine_length = z80 ? 58 : 72;
    const int load = placement.load_address == kWrapping ? 65534 - routine_length : placement.load_address;
    job.load_address = load;
    job.print_address = placement.print_address;
    if (z80) {
        compose_z80_image(job);
    } else {
        compose_i8080_image(job);
    }
    Image image;
    image.bytes = test::bytes(job.image_buffer, job.total_length);
    image.load_address = static_cast<std::uint16_t>(load);
    image.record_count = job.record_count;
    image.every_code_used = job.symbol_table_size == 512 - job.char_count;
    return image;
}

// Runs every record of the text on the emulator and returns the T-states
// and characters used, for the figures.
struct RunTotals {
    std::uint64_t tstates = 0;
    std::uint64_t characters = 0;
    int calls = 0;
    bool every_code_used = false;
};

RunTotals run_every_record(const std::string& text, bool z80, bool oa, const Placement& placement,
                           std::uint8_t fill) {
    const Image image = make_image(text, z80, oa, placement);
    const std::string prepared = oa ? text.substr(0, text.size() - 1) : text;
    const std::vector<std::string> pieces = test::pieces_after_separators(prepared);
    EXPECT_EQ(image.record_count, static_cast<int>(pieces.size()) - 1);
    // With -oa the dropped final separator leaves the last record as the
    // trailing run; the routine ends it at the 0 that follows the image.
    int last = image.record_count;
    if (oa && !text.empty() && text.back() == text.front()) ++last;

    RunTotals totals;
    totals.every_code_used = image.every_code_used;
    for (int record = 1; record <= last; ++record) {
        const RoutineCall call = call_unpack_routine(image.bytes, image.load_address, placement.print_address,
                                                     static_cast<std::uint16_t>(record), fill, oa);
        SCOPED_TRACE(testing::Message() << "record " << record);
        EXPECT_TRUE(call.returned);
        EXPECT_TRUE(call.zero_flag);
        EXPECT_EQ(call.a, 0);
        EXPECT_TRUE(call.stack_balanced);
        EXPECT_EQ(call.printed, pieces[record - 1]);
        totals.tstates += call.tstates;
        totals.characters += call.printed.size();
        ++totals.calls;
        if (testing::Test::HasFailure()) break;  // one failing record says enough
    }
    return totals;
}

struct RunCase {
    std::string name;
    bool z80;
    bool oa;
    Placement placement;
};

std::vector<RunCase> all_run_cases() {
    std::vector<RunCase> cases;
    for (const bool z80 : {true, false}) {
        for (const Placement& placement : kPlacements) {
            for (const bool oa : {false, true}) {
                std::string name = std::string(z80 ? "z80_" : "i8080_") + placement.name + (oa ? "_oa" : "");
                cases.push_back({name, z80, oa, placement});
            }
        }
    }
    return cases;
}

class EveryRecordRuns : public testing::TestWithParam<RunCase> {};

TEST_P(EveryRecordRuns, OnGeneratedTexts) {
    const RunCase& c = GetParam();
    // Alphabets from 1 to 125 characters (126 with the separator), empty
    // records, long runs that nest pairs deeply, texts cut inside a record.
    const test::TextShape shapes[] = {
        {26, '|', 12, 0, 30, 1, 65535},
        {1, '\n', 20, 0, 6, 1, 65535},
        {125, '#', 30, 1, 60, 1, 65535},
        {4, 0x00, 8, 1, 200, 9, 65535},
        {60, 0x80, 40, 0, 50, 3, 65535},
        {26, '|', 15, 1, 40, 1, 300},
    };
    std::uint32_t seed = 1;
    for (const test::TextShape& shape : shapes) {
        for (int repeat = 0; repeat < 2; ++repeat, ++seed) {
            const std::string text = test::generate_text(seed, shape);
            SCOPED_TRACE(testing::Message() << "seed " << seed << ", " << text.size() << " bytes");
            run_every_record(text, c.z80, c.oa, c.placement, seed % 2 == 0 ? 0x55 : 0x00);
            if (HasFailure()) return;
        }
    }
}

TEST_P(EveryRecordRuns, OnRealTexts) {
    const RunCase& c = GetParam();
    for (const char* name : {"adventure.txt", "czech.txt"}) {
        const std::string text = test::read_sample(name);
        ASSERT_FALSE(text.empty()) << name;
        SCOPED_TRACE(name);
        const RunTotals totals = run_every_record(text, c.z80, c.oa, c.placement, 0x55);
        // The adventure packs into every pair code up to 255.
        if (std::string(name) == "adventure.txt") {
            EXPECT_TRUE(totals.every_code_used);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Images, EveryRecordRuns, testing::ValuesIn(all_run_cases()),
                         [](const auto& info) { return info.param.name; });

// The one "not found" that the routines guarantee: a text that does not end
// in its separator, asked for a record beyond its trailing run. The Z80
// search ends inside the image (Z clear, A = 0). The i8080 counter skips
// the separators, so its search reads as many bytes past the image as the
// text has separators; with non-zero bytes there it ends with Z clear and
// A = 1.
TEST(RecordNotFound, BeyondTheTrailingRun) {
    const std::string text = "|one|two|three|tail";
    const Placement& placement = kPlacements[2];
    for (const bool z80 : {true, false}) {
        for (const std::uint8_t fill : {std::uint8_t{0x55}, std::uint8_t{0x00}}) {
            if (!z80 && fill == 0x00) continue;  // the i8080 search would go on into the zeros
            const Image image = make_image(text, z80, false, placement);
            ASSERT_EQ(image.record_count, 3);
            SCOPED_TRACE(testing::Message() << (z80 ? "z80" : "i8080") << ", fill " << int{fill});
            const RoutineCall call =
                call_unpack_routine(image.bytes, image.load_address, placement.print_address, 5, fill);
            EXPECT_TRUE(call.returned);
            EXPECT_FALSE(call.zero_flag);
            EXPECT_EQ(call.a, z80 ? 0 : 1);
            EXPECT_TRUE(call.stack_balanced);
            EXPECT_EQ(call.printed, "");
        }
    }
}

// A limit of the routines, pinned so that the documentation stays true:
// asked for the record after the last one of a text that ends in its
// separator, both searches find that final separator and print from the
// byte after the image. With a 0 there the call returns Z set and prints
// nothing.
TEST(RecordNotFound, PastTheLastRecordReadsBeyondTheImage) {
    const std::string text = "|one|two|";
    const Placement& placement = kPlacements[2];
    for (const bool z80 : {true, false}) {
        const Image image = make_image(text, z80, false, placement);
        const RoutineCall call =
            call_unpack_routine(image.bytes, image.load_address, placement.print_address, 3, 0x00);
        EXPECT_TRUE(call.returned);
        EXPECT_TRUE(call.zero_flag) << (z80 ? "z80" : "i8080");
        EXPECT_EQ(call.printed, "");
    }
}

// Not a timing: T-states are fixed by the instructions run. The first
// figure covers whole calls (search, expansion, the print routine's RET)
// summed over every record of the sample adventure, so it includes the
// search through the records before each one; the second is record 1
// alone, whose separator is the stream's first byte, so nearly all of it
// is expansion.
TEST(RoutineCost, TStatesPerPrintedCharacter) {
    const std::string text = test::read_sample("adventure.txt");
    const Placement& placement = kPlacements[2];
    for (const bool z80 : {true, false}) {
        const RunTotals totals = run_every_record(text, z80, false, placement, 0x55);
        ASSERT_GT(totals.characters, 0u);
        const Image image = make_image(text, z80, false, placement);
        const RoutineCall first = call_unpack_routine(image.bytes, image.load_address, placement.print_address, 1);
        ASSERT_FALSE(first.printed.empty());
        const double all = static_cast<double>(totals.tstates) / static_cast<double>(totals.characters);
        const double record_1 = static_cast<double>(first.tstates) / static_cast<double>(first.printed.size());
        std::printf("%s: %d records, %llu characters, %.1f T-states per character over all records, "
                    "%.1f in record 1\n",
                    z80 ? "Z80" : "i8080", totals.calls, static_cast<unsigned long long>(totals.characters), all,
                    record_1);
        RecordProperty(z80 ? "z80_tstates_per_character" : "i8080_tstates_per_character",
                       static_cast<int>(all + 0.5));
    }
}

}  // namespace
}  // namespace vendrel
