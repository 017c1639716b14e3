// Values of the newer options, taken strictly (-w, -xb), and tape block
// names derived from file names, cut where a character ends.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/errors.h"
#include "cli/command_line.h"
#include "support/console_expectations.h"

namespace vendrel {
namespace {

using test::ParsedCommandLine;

struct WholeNumberCase {
    const char* text;
    int value;
};

class WholeNumber : public testing::TestWithParam<WholeNumberCase> {};

TEST_P(WholeNumber, IsANumberAndNothingElse) {
    EXPECT_EQ(parse_whole_number(GetParam().text), GetParam().value) << "'" << GetParam().text << "'";
}

INSTANTIATE_TEST_SUITE_P(
    Table, WholeNumber,
    testing::Values(WholeNumberCase{"32", 32}, WholeNumberCase{"0x20", 32}, WholeNumberCase{"040", 32},
                    WholeNumberCase{"0", 0}, WholeNumberCase{"65535", 65535}, WholeNumberCase{"0xFFFF", 65535},
                    WholeNumberCase{"65536", -1}, WholeNumberCase{"99999999999999999999", -1},
                    WholeNumberCase{"32x", -1}, WholeNumberCase{"0x", -1}, WholeNumberCase{"08", -1},
                    WholeNumberCase{"", -1}, WholeNumberCase{" 32", -1}, WholeNumberCase{"32 ", -1},
                    WholeNumberCase{"+32", -1}, WholeNumberCase{"-1", -1}, WholeNumberCase{"abc", -1}));

const std::string kBadWidth = "After '-w' must follow line width in range 1 to 65535!\n\n";

TEST(LineWidth, TakesAWholeNumberFromOneTo65535) {
    for (const char* width : {"1", "32", "0x40", "65535"}) {
        const ParsedCommandLine parsed({"s.txt", "-z80", "-list", "-w", width});
        EXPECT_EQ(parsed.result, 0) << width << ": " << parsed.err;
        EXPECT_EQ(parsed.job->line_width, parse_whole_number(width));
    }
}

TEST(LineWidth, RefusesAnythingElseWithItsOwnMessage) {
    for (const char* width : {"0", "32x", "", "-5", "65536", "0x10000", " 32", "width"}) {
        const ParsedCommandLine parsed({"s.txt", "-z80", "-list", "-w", width});
        EXPECT_EQ(parsed.result, kBadLineWidth) << "'" << width << "'";
        EXPECT_EQ(parsed.err, kBadWidth) << "'" << width << "'";
    }
}

TEST(TapeBlockOption, ChoosesAnImageFromOne) {
    const ParsedCommandLine first({"-x", "0", "0", "game.tap"});
    EXPECT_EQ(first.job->tape_block, 0) << "not given: the first image";
    const ParsedCommandLine second({"-x", "0", "0", "-xb", "2", "game.tap", "-list"});
    ASSERT_EQ(second.result, 0) << second.err;
    EXPECT_EQ(second.job->tape_block, 2);
}

struct RefusedBlock {
    std::vector<std::string> args;
    int code;
    std::string message;
};

class TapeBlockRefused : public testing::TestWithParam<RefusedBlock> {};

TEST_P(TapeBlockRefused, ReportsOnce) {
    const ParsedCommandLine parsed(GetParam().args);
    EXPECT_EQ(parsed.result, GetParam().code);
    EXPECT_EQ(parsed.err, GetParam().message + "\n\n");
}

const std::string kNoBlock = "Tape file 'game.tap' has no packed image at that block!";

INSTANTIATE_TEST_SUITE_P(
    Table, TapeBlockRefused,
    testing::Values(RefusedBlock{{"-x", "0", "0", "-xb", "0", "game.tap"}, kBadTapeBlock, kNoBlock},
                    RefusedBlock{{"-x", "0", "0", "-xb", "1x", "game.tap"}, kBadTapeBlock, kNoBlock},
                    RefusedBlock{{"-x", "0", "0", "-xb", "65536", "game.tap"}, kBadTapeBlock, kNoBlock},
                    RefusedBlock{{"-x", "0", "0", "game.tap", "-xb"}, kMissingOptionValue,
                                 "Missing option value(s) '-xb'!"},
                    // Only extraction reads tapes.
                    RefusedBlock{{"-z80", "-xb", "1", "story.txt"}, kBadCombination, "Bad combination of options!"},
                    // A missing source is told first.
                    RefusedBlock{{"-x", "0", "0", "-xb", "0"}, kNoInputFile,
                                 "Input file not specified!\nTry 'vendrel -h' for help."}));

struct TapeNameCase {
    std::vector<std::string> args;
    std::string name;
};

class DerivedTapeName : public testing::TestWithParam<TapeNameCase> {};

TEST_P(DerivedTapeName, EndsWhereACharacterEnds) {
    const ParsedCommandLine parsed(GetParam().args);
    ASSERT_EQ(parsed.result, 0) << parsed.err;
    EXPECT_EQ(std::string(parsed.job->tape_name), GetParam().name);
}

// TAP names hold 10 bytes, PTP names 8. UTF-8 letters: á, ř, í, š, ž, ť, č
// are 2 bytes, € is 3 bytes, U+1F600 is 4 bytes.
INSTANTIATE_TEST_SUITE_P(
    Table, DerivedTapeName,
    testing::Values(
        // The cut falls between characters: nothing changes.
        TapeNameCase{{"zpr\xC3\xA1vy \xC4\x9B\xC5\xA1\xC4\x8D.txt", "-z80", "-tap"}, "zpr\xC3\xA1vy \xC4\x9B"},
        TapeNameCase{{"zpr\xC3\xA1vy \xC4\x9B\xC5\xA1\xC4\x8D.txt", "-i8080", "-ptp"}, "zpr\xC3\xA1vy "},
        // The cut falls inside a character: the name ends before it.
        TapeNameCase{{"p\xC5\x99\xC3\xADli\xC5\xA1.txt", "-i8080", "-ptp"}, "p\xC5\x99\xC3\xADli"},
        TapeNameCase{{"a\xC5\xBElu\xC5\xA5ou\xC4\x8Dk\xC3\xBD.txt", "-z80", "-tap"}, "a\xC5\xBElu\xC5\xA5ou"},
        TapeNameCase{{"ab\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC.txt", "-z80", "-tap"}, "ab\xE2\x82\xAC\xE2\x82\xAC"},
        TapeNameCase{{"ab\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC.txt", "-i8080", "-ptp"}, "ab\xE2\x82\xAC\xE2\x82\xAC"},
        TapeNameCase{{"abcdefgh\xE2\x82\xAC.txt", "-z80", "-tap"}, "abcdefgh"},
        TapeNameCase{{"abcdefg\xF0\x9F\x98\x80.txt", "-z80", "-tap"}, "abcdefg"},
        TapeNameCase{{"out/\xC5\xA1\xC5\xA1\xC5\xA1\xC5\xA1\xC5\xA1\xC5\xA1.txt", "-z80", "-tap"},
                     "\xC5\xA1\xC5\xA1\xC5\xA1\xC5\xA1\xC5\xA1"},
        TapeNameCase{{"story.txt", "-z80", "-tap", "-o", "\xC5\xA1\xC5\xA1\xC5\xA1\xC5\xA1x.tap"},
                     "\xC5\xA1\xC5\xA1\xC5\xA1\xC5\xA1x"},
        TapeNameCase{{"story.txt", "-i8080", "-ptp", "-o", "abc\xC5\xA1\xC5\xA1\xC5\xA1.ptp"}, "abc\xC5\xA1\xC5\xA1"},
        // Bytes of an 8-bit character set are single characters: cut where they fall.
        TapeNameCase{{"zpr\xE1vy\xEC\xB9\xE8.txt", "-i8080", "-ptp"}, "zpr\xE1vy\xEC\xB9"},
        TapeNameCase{{"abcdefg\xE1\xB9x.txt", "-i8080", "-ptp"}, "abcdefg\xE1"},
        TapeNameCase{{"abcdef\xB9\xB9\xB9\xB9.txt", "-i8080", "-ptp"}, "abcdef\xB9\xB9"}));

}  // namespace
}  // namespace vendrel
