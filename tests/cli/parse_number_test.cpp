// Values of numeric options: decimal, octal and hexadecimal as strtol with
// base 0 reads them, saturated to 32 bits, with the packer's own rules for
// zero and negative results.
#include <gtest/gtest.h>

#include <string>

#include "cli/command_line.h"

namespace vendrel {
namespace {

struct NumberCase {
    std::string text;
    int expected;
};

class ParseNumber : public testing::TestWithParam<NumberCase> {};

TEST_P(ParseNumber, GivesValueOrMinusOne) {
    EXPECT_EQ(parse_number(GetParam().text.c_str()), GetParam().expected) << "text '" << GetParam().text << "'";
}

INSTANTIATE_TEST_SUITE_P(
    Table, ParseNumber,
    testing::Values(
        // A zero counts only when the whole text was taken.
        NumberCase{"0", 0}, NumberCase{"00", 0}, NumberCase{"0x0", 0}, NumberCase{"0X0", 0}, NumberCase{"", 0},
        NumberCase{"-0", 0}, NumberCase{"+0", 0}, NumberCase{" 0", 0}, NumberCase{"abc", -1}, NumberCase{"0q", -1},
        NumberCase{"0 ", -1}, NumberCase{"08", -1}, NumberCase{"0x", -1}, NumberCase{" ", -1},
        // A positive value counts whatever follows it.
        NumberCase{"12abc", 12}, NumberCase{"1e3", 1}, NumberCase{"0x1g", 1}, NumberCase{"7 ", 7},
        NumberCase{"019", 1},
        // The three notations.
        NumberCase{"12345", 12345}, NumberCase{"010", 8}, NumberCase{"01234", 668}, NumberCase{"0x1234", 0x1234},
        NumberCase{"0xFFFF", 65535}, NumberCase{"0XffFF", 65535}, NumberCase{"0177777", 65535},
        NumberCase{"65535", 65535}, NumberCase{"65536", 65536},
        // Leading white space (codes 9 to 13 and 32) and signs.
        NumberCase{"  42", 42}, NumberCase{"\t\n\v\f\r 9", 9}, NumberCase{"+7", 7}, NumberCase{"-1", -1},
        NumberCase{"-5", -1}, NumberCase{"-0x10", -1}, NumberCase{" -3", -1}, NumberCase{"\xA0" "5", -1},
        NumberCase{"\x85" "5", -1},
        // Values beyond 32 bits saturate instead of wrapping.
        NumberCase{"2147483647", 2147483647}, NumberCase{"2147483648", 2147483647},
        NumberCase{"4294967296", 2147483647}, NumberCase{"4294967297", 2147483647},
        NumberCase{"99999999999999999999999", 2147483647}, NumberCase{"0x100000000", 2147483647},
        NumberCase{"-4294967296", -1}, NumberCase{"-99999999999999999999999", -1}));

}  // namespace
}  // namespace vendrel
