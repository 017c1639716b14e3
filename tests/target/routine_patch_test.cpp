// The patched unpack routines, byte for byte, and what patching leaves alone.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "support/job_fixture.h"
#include "target/unpack_routines.h"

namespace vendrel {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct PatchCase {
    const char* name;
    bool z80;
    int load_address;
    int print_address;
    int char_count;
    int symbol_table_size;
    int packed_length;
    bool oa;
    Bytes expected;
};

Bytes patch(const PatchCase& c, JobHandle& job) {
    job->load_address = c.load_address;
    job->print_address = c.print_address;
    job->char_count = c.char_count;
    job->symbol_table_size = c.symbol_table_size;
    job->packed_length = c.packed_length;
    job->oa = c.oa ? 1 : 0;
    std::array<std::uint8_t, kRoutineScratchSize> out{};
    const int length = patch_routine(c.z80 ? z80_routine_layout : i8080_routine_layout, *job, out.data());
    EXPECT_EQ(length, job->routine_length);
    return Bytes(out.begin(), out.begin() + length);
}

// The listings at 32768 (Z80) and 0 (i8080) for the worked example's sizes.
const Bytes kZ80At32768 = {
    0x21, 0x43, 0x80, 0x01, 0x14, 0x00, 0xAF, 0xED, 0xB1, 0xC0, 0x1B, 0x7A, 0xB3, 0x20, 0xF7, 0xEB,
    0x1A, 0x13, 0xB7, 0xC8, 0xCD, 0x19, 0x80, 0x18, 0xF7, 0x06, 0x05, 0x90, 0x26, 0x00, 0x38, 0x10,
    0x6F, 0x01, 0x3F, 0x80, 0x29, 0x09, 0x7E, 0x23, 0xE5, 0xCD, 0x19, 0x80, 0xE1, 0x7E, 0x18, 0xE9,
    0x80, 0x6F, 0x01, 0x3A, 0x80, 0x09, 0x7E, 0xC3, 0x10, 0x00};
const Bytes kI8080At0 = {
    0x21, 0x51, 0x00, 0x01, 0x14, 0x00, 0xAF, 0xBE, 0x23, 0xCA, 0x14, 0x00, 0x0B, 0x78, 0xB1, 0xC2,
    0x06, 0x00, 0x3C, 0xC9, 0x1B, 0x7A, 0xB3, 0xC2, 0x06, 0x00, 0xEB, 0x1A, 0x13, 0xB7, 0xC8, 0xCD,
    0x25, 0x00, 0xC3, 0x1B, 0x00, 0x06, 0x05, 0x90, 0x26, 0x00, 0xDA, 0x3E, 0x00, 0x6F, 0x01, 0x4D,
    0x00, 0x29, 0x09, 0x7E, 0x23, 0xE5, 0xCD, 0x25, 0x00, 0xE1, 0x7E, 0xC3, 0x25, 0x00, 0x80, 0x6F,
    0x01, 0x48, 0x00, 0x09, 0x7E, 0xC3, 0x00, 0x85};

// A listing with some of its bytes changed: {offset, value}.
Bytes changed(Bytes listing, std::initializer_list<std::pair<int, std::uint8_t>> changes) {
    for (const auto& [offset, value] : changes) listing[static_cast<std::size_t>(offset)] = value;
    return listing;
}

const PatchCase kPatchCases[] = {
    {"z80_at_32768", true, 32768, 16, 5, 9, 20, false, kZ80At32768},
    // -oa: the search length is one more.
    {"z80_at_32768_oa", true, 32768, 16, 5, 9, 20, true, changed(kZ80At32768, {{4, 0x15}})},
    // The code stream address and the relocated words wrap past 65,535.
    {"z80_at_65500", true, 65500, 16, 5, 9, 20, false,
     changed(kZ80At32768, {{1, 0x1F}, {2, 0x00}, {21, 0xF5}, {22, 0xFF}, {34, 0x1B}, {35, 0x00},
                           {42, 0xF5}, {43, 0xFF}, {51, 0x16}, {52, 0x00}})},
    {"i8080_at_0", false, 0, 0x8500, 5, 9, 20, false, kI8080At0},
    // Every address inside the image moves by 0x4000; -oa: the search length is one more.
    {"i8080_at_0x4000_oa", false, 0x4000, 0x8500, 5, 9, 20, true,
     changed(kI8080At0, {{2, 0x40}, {4, 0x15}, {11, 0x40}, {17, 0x40}, {25, 0x40}, {33, 0x40}, {36, 0x40},
                         {44, 0x40}, {48, 0x40}, {56, 0x40}, {61, 0x40}, {66, 0x40}})},
};

class PatchedRoutine : public testing::TestWithParam<PatchCase> {};

TEST_P(PatchedRoutine, MatchesTheListingByteForByte) {
    JobHandle job = make_job();
    EXPECT_EQ(patch(GetParam(), job), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Routines, PatchedRoutine, testing::ValuesIn(kPatchCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RoutinePatching, LoadAddressZeroKeepsTheTemplateWords) {
    JobHandle job = make_job();
    const PatchCase c{"z80_at_0", true, 0, 16, 5, 9, 20, false, {}};
    const Bytes z80 = patch(c, job);
    for (const int offset : z80_relocations) {
        EXPECT_EQ(z80[offset], z80_routine_template[offset]);
        EXPECT_EQ(z80[offset + 1], z80_routine_template[offset + 1]);
    }
    EXPECT_EQ(z80[51] | z80[52] << 8, 58);      // character table at its image offset
    EXPECT_EQ(z80[34] | z80[35] << 8, 58 + 5);  // pair table
    EXPECT_EQ(z80[1] | z80[2] << 8, 58 + 9);    // code stream

    PatchCase i8080 = c;
    i8080.z80 = false;
    const Bytes bytes = patch(i8080, job);
    for (const int offset : i8080_relocations) {
        EXPECT_EQ(bytes[offset], i8080_routine_template[offset]);
        EXPECT_EQ(bytes[offset + 1], i8080_routine_template[offset + 1]);
    }
}

// Whatever the job holds, every byte outside the patch fields and the
// relocated words is the template's; recognition depends on it.
TEST(RoutinePatching, LeavesEveryOtherByteAlone) {
    const int addresses[] = {0, 1, 0x00FF, 0x4000, 0x8000, 0xFFC0, 0xFFFF};
    for (const bool z80 : {true, false}) {
        const RoutineLayout& layout = z80 ? z80_routine_layout : i8080_routine_layout;
        for (const int address : addresses) {
            for (const int oa : {0, 1}) {
                JobHandle job = make_job();
                const PatchCase c{"", z80, address, 0xFFFF - address, 126, 512 - 126, 65535, oa == 1, {}};
                const Bytes bytes = patch(c, job);
                ASSERT_EQ(static_cast<int>(bytes.size()), layout.length);
                int compared = 0;
                for (int offset = 0; offset < layout.length;) {
                    const int width = patched_width(layout, offset);
                    if (width > 0) {
                        offset += width;
                        continue;
                    }
                    EXPECT_EQ(bytes[offset], layout.bytes[offset]) << "offset " << offset;
                    ++compared;
                    ++offset;
                }
                EXPECT_EQ(compared, z80 ? 43 : 45);
            }
        }
    }
}

TEST(RelocateWords, AddsTheBaseModulo65536) {
    std::uint8_t words[] = {0x19, 0x00, 0xAA, 0xFF, 0xFF, 0x34, 0x12};
    const int offsets[] = {0, 3, 5};
    relocate_words(words, offsets, 3, 0x8001);
    const std::uint8_t expected[] = {0x1A, 0x80, 0xAA, 0x00, 0x80, 0x35, 0x92};
    EXPECT_TRUE(std::equal(std::begin(words), std::end(words), std::begin(expected)));
}

}  // namespace
}  // namespace vendrel
