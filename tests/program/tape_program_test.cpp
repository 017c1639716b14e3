// Tape files written by the built program: -append puts a second tape
// behind the first, and without it the file is replaced.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/ptp_reader.h"
#include "support/program.h"
#include "support/tzxlist.h"

namespace vendrel::test {
namespace {

const std::string kSource = "#one\r\n#two\r\n#three\r\n#";


TEST(TapeProgram, AppendPutsASecondTapBehindTheFirst) {
    ScratchDir dir;
    const std::string source = dir.write("story.txt", kSource);
    const std::string tap = dir.file("story.tap");
    ASSERT_EQ(run_program({"-z80", "-tap", source}).exit_status, 0);
    const std::size_t single = read_file(tap).size();
    EXPECT_EQ(count_of(tzxlist(tap), "--= Block #"), 2);

    const ProgramResult second = run_program({"-z80", "-tap", "-append", "-n", "second", "-a", "40000", source});
    ASSERT_EQ(second.exit_status, 0) << second.err;
    EXPECT_EQ(read_file(tap).size(), 2 * single);
    const std::string listing = tzxlist(tap);
    EXPECT_EQ(count_of(listing, "--= Block #"), 4) << listing;
    EXPECT_EQ(count_of(listing, "(PASS)"), 4) << listing;
    EXPECT_EQ(count_of(listing, "FAIL"), 0) << listing;
    EXPECT_NE(listing.find("\"story     \" CODE  32768"), std::string::npos) << listing;
    EXPECT_NE(listing.find("\"second    \" CODE  40000"), std::string::npos) << listing;

    ASSERT_EQ(run_program({"-z80", "-tap", source}).exit_status, 0);
    EXPECT_EQ(read_file(tap).size(), single) << "without -append the file is replaced";
    EXPECT_EQ(count_of(tzxlist(tap), "--= Block #"), 2);
}

TEST(TapeProgram, AppendPutsASecondPtpBehindTheFirst) {
    ScratchDir dir;
    const std::string source = dir.write("story.txt", kSource);
    const std::string ptp = dir.file("story.ptp");
    ASSERT_EQ(run_program({"-i8080", "-ptp", source}).exit_status, 0);
    ASSERT_EQ(run_program({"-i8080", "-ptp", "-append", "-n", "PART2", "-a", "0x1000", source}).exit_status, 0);

    const std::string content = read_file(ptp);
    const Bytes file(content.begin(), content.end());
    const PtpReading first = read_ptp(file);
    ASSERT_TRUE(first.tape) << first.fault;
    EXPECT_EQ(first.tape->name, "story   ");
    EXPECT_EQ(first.tape->load_address, 0);
    const PtpReading second = read_ptp(file, first.next);
    ASSERT_TRUE(second.tape) << second.fault;
    EXPECT_EQ(second.tape->name, "PART2   ");
    EXPECT_EQ(second.tape->load_address, 0x1000);
    EXPECT_EQ(second.next, file.size());
}

}  // namespace
}  // namespace vendrel::test
