// The checks of the record listing look at what is packed: after the
// conversion table, the Desktop import and the line-end option, with places
// named by record and line. Each row runs the built program and compares
// every check line (and, for the rows at the top of memory, the include
// file's end address); the bundled samples with the options the README
// shows them with find nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "support/program.h"

namespace vendrel::test {
namespace {

const std::string kSamples = std::string(VENDREL_SOURCE_DIR) + "/samples/";

// A fortune-style file: '%' alone on a line between records, and once
// inside one.
const std::string kExcuses = "%\nthe dog ate it\n%\nit was 100% the cat\n%\nthe bus was late\n%\n";
const std::string kExcusesFinding =
    "Check: the separator '%' stands inside a line in record 2, line 2, where the others stand alone on their "
    "lines: every later record number shifts by one";

// The '#' layout: the separator starts each record's first line.
const std::string kScores = "#Score: 5\r\n#You win the #1 prize\r\n#Bye\r\n#";

const char* const kNothing = "Checks: nothing found.";

struct ListingCase {
    const char* name;
    std::string sample;  // a file of samples/, or empty for text
    std::string text;
    std::vector<std::string> options;
    std::vector<std::string> checks;  // every line that starts with "Check"
    std::string end_line = "";        // with -inc: the start of the _END line
};

const ListingCase kCases[] = {
    // The conversion table and the Desktop import leave no byte of 128
    // and above; without the table the Czech letters are found.
    {"czech_with_table", "czech.txt", "", {"-ct", kSamples + "czech.ct"}, {kNothing}},
    {"czech_without_table", "czech.txt", "", {},
     {"Check: 43 bytes of 128 and above, the first in record 1, line 1: the target prints them in its own "
      "character set"}},
    {"letter_dtp", "letter.dtp", "", {"-dtp"}, {kNothing}},
    {"letter_dtp_lc", "letter.dtp", "", {"-dtp", "-lc"}, {kNothing}},
    {"utf8_placed_in_the_prepared_text", "", "#one\r\n#two\r\nand caf\xC3\xA9\r\n#", {"-no-crlf"},
     {"Check: 1 character of 128 and above, the first in record 2, line 1: they look like UTF-8, which the "
      "target prints as other characters"}},
    {"byte_left_by_the_table", "", "#caf\xE9\r\n#na\xEFve\r\n#", {"-ct", "table.ct"},
     {"Check: the conversion table leaves 1 byte of 128 and above of the file unmapped, the first in record 2, "
      "line 1: the target prints them in its own character set"}},

    // The separator check, whatever the line-end option.
    {"excuses", "", kExcuses, {}, {kExcusesFinding}},
    {"excuses_no_crlf", "", kExcuses, {"-no-crlf"}, {kExcusesFinding}},
    {"excuses_crlf_spc", "", kExcuses, {"-crlf-spc"}, {kExcusesFinding}},
    {"excuses_only_lf", "", kExcuses, {"-only-lf"}, {kExcusesFinding}},
    {"excuses_only_cr", "", kExcuses, {"-only-cr"},
     {kExcusesFinding, "Check: -only-cr left no line end: the file ends its lines with LF alone"}},
    {"hash_layout", "", kScores, {},
     {"Check: the separator '#' stands inside a line in record 2, line 1, where the others start their lines: "
      "every later record number shifts by one"}},
    {"hash_layout_only_cr", "", kScores, {"-only-cr"},
     {"Check: the separator '#' stands inside a line in record 2, line 1, where the others start their lines: "
      "every later record number shifts by one"}},
    {"one_record_per_line", "", "\nthe dog ate it\nthe bus was late\n\nthe cat\n", {},
     {"Check: an empty line makes record 3 empty, where the separator LF gives one record to a line: every "
      "later record number shifts by one"}},

    // The include file at the top of memory (the adventure image is 2,433
    // bytes): ending at 65,534, at 65,535, and one byte past.
    {"end_below_the_top", "adventure.txt", "", {"-a", "63102"}, {kNothing},
     "ADVENTURE_END:            EQU 65535 ; FFFFh, first free address after the image\n"},
    {"end_at_65535", "adventure.txt", "", {"-a", "63103"}, {kNothing},
     "ADVENTURE_END:            EQU 0     ; 0000h, first free address after the image (0: the image ends at "
     "65535)\n"},
    {"end_past_65535", "adventure.txt", "", {"-a", "63104"},
     {"Check: the image runs from 63104 past 65535 (to 65536)"},
     "ADVENTURE_END:            EQU 1     ; 0001h, first free address after the image (the image wraps past "
     "65535)\n"},

    // The samples with the options the README shows them with.
    {"adventure", "adventure.txt", "", {}, {kNothing}},
    {"adventure_i8080", "adventure.txt", "", {"-i8080"}, {kNothing}},
    {"adventure_tap", "adventure.txt", "", {"-tap", "-n", "MESSAGES"}, {kNothing}},
    {"adventure_ptp", "adventure.txt", "", {"-i8080", "-ptp"}, {kNothing}},
    {"adventure_addresses", "adventure.txt", "", {"-a", "0xC000", "-pa", "0xBF00"}, {kNothing}},
    {"adventure_no_crlf", "adventure.txt", "", {"-no-crlf"}, {kNothing}},
    {"adventure_crlf_spc", "adventure.txt", "", {"-crlf-spc"}, {kNothing}},
    {"adventure_only_cr", "adventure.txt", "", {"-only-cr"}, {kNothing}},
    {"adventure_only_lf", "adventure.txt", "", {"-i8080", "-only-lf"}, {kNothing}},
    {"adventure_oa", "adventure.txt", "", {"-oa"}, {kNothing}},
    {"adventure_width", "adventure.txt", "", {"-w", "32"}, {kNothing}},
    {"adventure_width_i8080", "adventure.txt", "", {"-i8080", "-w", "32"}, {kNothing}},
    {"adventure_best", "adventure.txt", "", {"-best"}, {kNothing}},
};

std::string end_line(const std::string& include) {
    const std::size_t start = include.find("_END:");
    if (start == std::string::npos) return "";
    const std::size_t line = include.rfind('\n', start) + 1;
    return include.substr(line, include.find('\n', start) + 1 - line);
}

class ListingOnWhatIsPacked : public testing::TestWithParam<ListingCase> {};

TEST_P(ListingOnWhatIsPacked, ListsExactlyTheseChecks) {
    const ListingCase& c = GetParam();
    ScratchDir dir;
    dir.write("table.ct", "233 101 ; e acute to e\n");
    const bool i8080 = std::find(c.options.begin(), c.options.end(), "-i8080") != c.options.end();
    std::vector<std::string> args = {"-list", "-o", dir.file("out.img")};
    if (!i8080) args.push_back("-z80");
    for (const std::string& option : c.options) args.push_back(option == "table.ct" ? dir.file(option) : option);
    if (!c.end_line.empty()) args.insert(args.end(), {"-inc", dir.file("adventure.asm")});
    args.push_back(c.sample.empty() ? dir.write("text.txt", c.text) : kSamples + c.sample);

    const ProgramResult result = run_program(args);
    ASSERT_EQ(result.exit_status, 0) << result.err;
    EXPECT_EQ(check_lines(result.out), c.checks) << result.out;
    if (!c.end_line.empty()) {
        EXPECT_EQ(end_line(read_file(dir.file("adventure.asm"))), c.end_line);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ListingOnWhatIsPacked, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vendrel::test
