// The record listing (-list): each check fires on a text made to trigger it;
// the T-states it lists are what the emulated CPU takes; with -x it lists an
// image's records.
#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "support/emulator.h"
#include "support/program.h"

namespace vendrel {
namespace {

using test::run_program;
using test::ScratchDir;
using test::check_lines;

struct TriggerCase {
    const char* name;
    std::string text;
    std::vector<std::string> options;
    const char* finding;  // a part of the one line that must be listed
};

// The finding must be among the lines listed; on texts made for one check
// it is the only line.
const TriggerCase kTriggers[] = {
    {"text_after_last_separator", "#one#two#three", {}, "text after the last separator: 5 characters"},
    {"no_record_empty", "", {}, "no record at all: the text is empty"},
    {"no_record_one_separator", "#", {}, "no record at all: a record needs a separator"},
    {"utf8", "#caf\xC3\xA9#", {}, "they look like UTF-8"},
    {"utf8_inside", "#\xEF\xBB\xBFone#", {}, "they look like UTF-8"},
    // The mark's first byte becomes the separator: other checks fire too.
    {"byte_order_mark", "\xEF\xBB\xBF#one#two#", {}, "the file begins with a UTF-8 byte-order mark"},
    {"other_high_bytes", "#\xA9t\xE9#", {}, "the target prints them in its own character set"},
    {"control_characters", "#a\tb#c#", {}, "control characters other than CR and LF in record 1"},
    {"only_cr_on_lf_text", "#a\nb\n#c\n#", {"-only-cr"}, "-only-cr left no line end"},
    {"only_lf_on_cr_text", "#a\rb\r#c\r#", {"-only-lf"}, "-only-lf left no line end"},
    {"oa_drops_other_byte", "#one#two#x", {"-oa"}, "-oa dropped the last byte of the file, 'x'"},
    {"image_past_65535", "#one#two#", {"-a", "65500", "-pa", "100"}, "the image runs from 65500 past 65535"},
    {"print_address_inside", "#one#two#", {"-pa", "32800"}, "the print address 32800 lies inside the image"},
    {"long_lines", "#short\r\nand a much longer line\r\n#ok#", {"-w", "12"}, "lines longer than 12 characters in record 1"},
    {"separator_inside_a_line", "%\nfirst\n%\na 20% chance\n%\nlast\n%", {}, "the separator '%' stands inside a line"},
    {"separator_starting_a_line", "%\nfirst\n%\n%d percent\n%\nlast\n%", {}, "the separator '%' starts a line"},
    {"separator_ending_a_line", "%\nfirst\n%\nall 100%\n%\nlast\n%", {}, "the separator '%' ends a line"},
    {"separator_alone_among_starting", "#one\r\n#\r\n#two\r\n#three\r\n#", {}, "the separator '#' stands alone on a line in record 1, line 2"},
    {"space_separator_from_crlf_spc", "\r\none two\r\n", {"-crlf-spc"}, "-crlf-spc made the separator a space"},
    {"blank_run_is_no_text_but_other_is", "#one#two#x\r\n \r\n", {}, "text after the last separator: 6 characters"},
    {"last_separator_ends_the_last_line", "#one#two\r\nthree#\r\n", {"-crlf-spc"}, "Checks: nothing found."},
};

class ListingChecks : public testing::TestWithParam<TriggerCase> {};

TEST_P(ListingChecks, FireOnTheirTriggerOnly) {
    const TriggerCase& c = GetParam();
    ScratchDir dir;
    std::vector<std::string> args = {"-z80", "-list", "-o", dir.file("out.vdl")};
    args.insert(args.end(), c.options.begin(), c.options.end());
    args.push_back(dir.write("text.txt", c.text));
    const test::ProgramResult result = run_program(args);
    ASSERT_EQ(result.exit_status, 0) << result.err;
    const std::vector<std::string> lines = check_lines(result.out);
    const bool alone = std::string(c.name) != "byte_order_mark";
    EXPECT_EQ(lines.size() == 1, alone) << result.out;
    int found = 0;
    for (const std::string& line : lines) found += line.find(c.finding) != std::string::npos ? 1 : 0;
    EXPECT_EQ(found, 1) << result.out;
}

INSTANTIATE_TEST_SUITE_P(Triggers, ListingChecks, testing::ValuesIn(kTriggers),
                         [](const auto& info) { return std::string(info.param.name); });

struct ListedRecord {
    int number;
    std::uint64_t tstates;
};

// The rows of the record table: number and T-states. The line of the
// stack the deepest record needs ends the table.
std::vector<ListedRecord> listed_records(const std::string& out) {
    std::vector<ListedRecord> records;
    std::istringstream in(out.substr(out.find("Record  Chars")));
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line) && !line.empty() && line.rfind("Stack needed: ", 0) != 0) {
        std::istringstream row(line);
        ListedRecord record{};
        int chars = 0, codes = 0, longest = 0;
        row >> record.number >> chars >> codes >> longest >> record.tstates;
        records.push_back(record);
    }
    return records;
}

// The Z80 routine on the Z80, the i8080 routine counted in 8080 states.
TEST(Listing, TStatesAreWhatTheEmulatedCpuTakes) {
    for (const bool z80 : {true, false}) {
        ScratchDir dir;
        const std::string image = dir.file("out.vdl");
        const test::ProgramResult result = run_program({z80 ? "-z80" : "-i8080", "-list", "-a", "32768", "-pa", "16", "-o", image,
                                                         VENDREL_SOURCE_DIR "/samples/adventure.txt"});
        ASSERT_EQ(result.exit_status, 0) << result.err;
        const std::vector<ListedRecord> records = listed_records(result.out);
        ASSERT_EQ(records.size(), 78u);
        const std::string bytes = test::read_file(image);
        const std::vector<std::uint8_t> data(bytes.begin(), bytes.end());
        for (const ListedRecord& record : records) {
            const test::RoutineCall call =
                test::call_unpack_routine(data, 32768, 16, static_cast<std::uint16_t>(record.number));
            ASSERT_TRUE(call.returned);
            const std::uint64_t emulated = z80 ? call.tstates : call.i8080_states;
            const double deviation =
                (static_cast<double>(record.tstates) - static_cast<double>(emulated)) / static_cast<double>(emulated);
            EXPECT_LT(deviation < 0 ? -deviation : deviation, 0.05)
                << (z80 ? "z80" : "i8080") << " record " << record.number << ": listed " << record.tstates
                << ", emulated " << emulated;
        }
    }
}

TEST(Listing, WithExtractionListsTheImagesRecordsAndWritesNothing) {
    ScratchDir dir;
    const std::string image = dir.file("out.vdl");
    ASSERT_EQ(run_program({"-i8080", "-o", image, dir.write("t.txt", "#one#two\r\nlines#")}).exit_status, 0);
    const std::string output = dir.file("never.txt");
    const test::ProgramResult result = run_program({"-x", "0", "0", "-list", "-o", output, image});
    ASSERT_EQ(result.exit_status, 0) << result.err;
    EXPECT_NE(result.out.find("     1      3      3             3"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("two\\r\\nlines\n"), std::string::npos) << result.out;
    EXPECT_FALSE(test::file_exists(output));
}

}  // namespace
}  // namespace vendrel
