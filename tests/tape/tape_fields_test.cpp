// The fields both tape files share in kind: the checksums of their blocks
// and the tape block name, filled with spaces to its width.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "support/ptp_reader.h"
#include "tape/tape_example.h"

namespace vendrel {
namespace {

using test::Bytes;

TEST(TapeChecksum, XorStartsFromTheAccumulator) {
    const std::uint8_t bytes[] = {0x0F, 0xF0, 0x33};
    EXPECT_EQ(xor_checksum(bytes, 3, 0), 0xCC);
    EXPECT_EQ(xor_checksum(bytes, 3, 0xCC), 0x00);
    EXPECT_EQ(xor_checksum(bytes, 0, 0x5A), 0x5A);
}

TEST(TapeChecksum, SumWrapsModulo256) {
    const std::uint8_t bytes[] = {0xF0, 0x20, 0x01};
    EXPECT_EQ(sum_checksum(bytes, 3, 0), 0x11);
    EXPECT_EQ(sum_checksum(bytes, 3, 0xEF), 0x00);
    EXPECT_EQ(sum_checksum(bytes, 0, 0x5A), 0x5A);
}

// The TAP name field is ten bytes of the header, the PTP one eight.
struct NameCase {
    const char* label;
    bool tap;
    const char* name;
    const char* field;
};

class TapeName : public testing::TestWithParam<NameCase> {};

TEST_P(TapeName, FillsTheFieldWithSpaces) {
    const NameCase& c = GetParam();
    JobHandle job = test::tape_example(c.tap, c.name);
    const Bytes file = test::compose_tape(*job);
    if (c.tap) {
        EXPECT_EQ(std::string(file.begin() + 4, file.begin() + 14), c.field);
        EXPECT_EQ(xor_checksum(file.data() + 2, 19, 0), 0) << "header checksum";
    } else {
        const test::PtpReading reading = test::read_ptp(file);
        ASSERT_TRUE(reading.tape) << reading.fault;
        EXPECT_EQ(reading.tape->name, c.field);
    }
}

INSTANTIATE_TEST_SUITE_P(Names, TapeName,
                         testing::Values(NameCase{"tap_short", true, "HELLO", "HELLO     "},
                                         NameCase{"tap_full", true, "ABCDEFGHIJ", "ABCDEFGHIJ"},
                                         NameCase{"tap_empty", true, "", "          "},
                                         NameCase{"tap_dot_and_space", true, "a.b c", "a.b c     "},
                                         NameCase{"ptp_short", false, "HELLO", "HELLO   "},
                                         NameCase{"ptp_full", false, "ABCDEFGH", "ABCDEFGH"},
                                         NameCase{"ptp_empty", false, "", "        "}),
                         [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace vendrel
