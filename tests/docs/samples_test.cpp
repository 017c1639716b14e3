// The bundled samples: what their documentation promises about them, and
// that the program packs them and gives them back.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "support/program.h"

namespace vendrel::test {
namespace {

const std::string kSourceDir = VENDREL_SOURCE_DIR;
const std::string kAdventure = kSourceDir + "/samples/adventure.txt";

// Packs source with the options, extracts every record again and returns
// the extracted text.
std::string pack_and_extract(const ScratchDir& scratch, const std::vector<std::string>& options,
                             const std::string& source) {
    std::vector<std::string> pack = options;
    pack.insert(pack.end(), {"-o", scratch.file("packed.vdl"), source});
    const ProgramResult packed = run_program(pack);
    EXPECT_EQ(packed.exit_status, 0) << packed.err;
    const ProgramResult extracted =
        run_program({"-x", "0", "0", "-o", scratch.file("text.out"), scratch.file("packed.vdl")});
    EXPECT_EQ(extracted.exit_status, 0) << extracted.err;
    return read_file(scratch.file("text.out"));
}

TEST(Samples, AdventureIsARecordTextWithCrLfLineEnds) {
    const std::string text = read_file(kAdventure);
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.front(), '#');
    EXPECT_EQ(text.back(), '#') << "the last record needs its closing separator";

    std::size_t separators = 0;
    std::size_t line_length = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '#') ++separators;
        if (c == '\r') {
            EXPECT_EQ(text[i + 1], '\n') << "lone CR at " << i;
        }
        if (c == '\n') {
            EXPECT_EQ(text[i - 1], '\r') << "lone LF at " << i;
            line_length = 0;
        } else if (c != '\r' && c != '#') {
            // Lines fit a 32-column screen without wrapping on their own.
            EXPECT_LE(++line_length, 31u) << "long line ending at " << i;
        }
    }
    const std::size_t records = separators - 1;
    EXPECT_GE(records, 40u);
    EXPECT_LE(records, 120u);

    const std::set<char> characters(text.begin(), text.end());
    EXPECT_LE(characters.size(), 126u);
    EXPECT_EQ(characters.count('\xFF'), 0u);
}

TEST(Samples, AdventureReportCountsItsRecords) {
    ScratchDir scratch;
    const ProgramResult result = run_program({"-z80", "-o", scratch.file("a.vdl"), kAdventure});
    ASSERT_EQ(result.exit_status, 0) << result.err;
    EXPECT_NE(result.out.find("Number of records:\t\t78\n"), std::string::npos) << result.out;
}

// The extracted text is the source again, closed by one more line: the
// separator and CR.
TEST(Samples, AdventureComesBackFromBothRoutines) {
    const std::string source = read_file(kAdventure);
    for (const char* routine : {"-z80", "-i8080"}) {
        ScratchDir scratch;
        EXPECT_EQ(pack_and_extract(scratch, {routine}, kAdventure), source + "\r") << routine;
    }
}

TEST(Samples, CzechTableTransliteratesTheCzechSample) {
    ScratchDir scratch;
    const std::string text =
        pack_and_extract(scratch, {"-z80", "-ct", kSourceDir + "/samples/czech.ct"},
                         kSourceDir + "/samples/czech.txt");
    for (const char c : text) {
        EXPECT_LT(static_cast<unsigned char>(c), 128u) << "byte left unconverted";
    }
    EXPECT_NE(text.find("#Dvere se se skripenim otevrou.\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("#STESTI PREJE PRIPRAVENYM. Dobrou noc, strazce.\r\n"), std::string::npos)
        << text;
}

TEST(Samples, DesktopLetterIsWhatItsScriptWrites) {
    if (std::system("python3 --version >/dev/null 2>&1") != 0) GTEST_SKIP() << "no python3";
    ScratchDir scratch;
    const std::string command = "python3 '" + kSourceDir + "/scripts/make-desktop-sample.py' '" +
                                scratch.file("letter.dtp") + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(read_file(scratch.file("letter.dtp")), read_file(kSourceDir + "/samples/letter.dtp"));
}

struct DesktopCase {
    bool lower_case;
    const char* text;  // every record ends in a space, so extraction adds a CR
};

class DesktopLetter : public ::testing::TestWithParam<DesktopCase> {};

TEST_P(DesktopLetter, ImportsToTheTextItsScriptDescribes) {
    ScratchDir scratch;
    std::vector<std::string> options = {"-z80", "-dtp"};
    if (GetParam().lower_case) options.push_back("-lc");
    EXPECT_EQ(pack_and_extract(scratch, options, kSourceDir + "/samples/letter.dtp"), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Samples, DesktopLetter,
    ::testing::Values(
        DesktopCase{false,
                    "#Gull Rock lighthouse, 12 May Dear Anna, the fog came in at six and the lamp is "
                    "dark. The keeper's log says the spare oil is in the cave, so I am going down. \r"
                    "#Stores: Oil 1 can|Matches 6|Rope 30 ft ============================== \r"
                    "#The game is saved as C:\\GAMES\\GULLROCK.TAP on the disk. \r"
                    "#Yours, TOM \r"
                    "# \r"
                    "#\r"},
        DesktopCase{true,
                    "#gull rock lighthouse, 12 may dear anna, the fog came in at six and the lamp is "
                    "dark. the keeper's log says the spare oil is in the cave, so i am going down. \r"
                    "#stores: oil 1 can|matches 6|rope 30 ft ============================== \r"
                    "#the game is saved as c:\\games\\gullrock.tap on the disk. \r"
                    "#yours, tom \r"
                    "# \r"
                    "#\r"}));

}  // namespace
}  // namespace vendrel::test
