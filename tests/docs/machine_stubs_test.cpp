// The print stubs of README's table of machines, byte for byte, between
// the 6502 routine and a stand-in for the system's character output on
// sim65: the Apple II's sets the high bit before COUT at $FDED, the Atari's
// enters the routine whose address - 1 the OS keeps at $E406 by RTS.
#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "support/program.h"
#include "support/sim65_machine.h"

namespace vendrel::test {
namespace {

const std::string kAdventure = std::string(VENDREL_SOURCE_DIR) + "/samples/adventure.txt";

struct StubCase {
    const char* machine;
    std::vector<std::string> options;
    std::uint16_t load;      // the -a of the options
    std::string conversion;  // -ct table, empty for none
    std::string stub;        // its bytes, as README gives them
    std::uint16_t stub_address;
    std::uint16_t output;    // where the system's character output lies
    std::vector<std::pair<std::uint16_t, std::uint16_t>> words;
    std::string line_end;    // what the text's CR LF arrives as
    std::uint8_t high_bit;
};

const StubCase kStubs[] = {
    {"AppleII", {"-a", "0x6000", "-pa", "0x300", "-zp", "6"}, 0x6000, "", "\x09\x80\x4C\xED\xFD", 0x0300, 0xFDED, {},
     "\x8D", 0x80},
    {"Atari", {"-a", "0x3000", "-pa", "0x600", "-zp", "0xCB"}, 0x3000, "13 155\n",
     "\xAA\xAD\x07\xE4\x48\xAD\x06\xE4\x48\x8A\x60", 0x0600, 0xE500, {{0xE406, 0xE500 - 1}}, "\x9B", 0},
};

void PrintTo(const StubCase& c, std::ostream* os) { *os << c.machine; }

class ReadmeStub : public ::testing::TestWithParam<StubCase> {};

TEST_P(ReadmeStub, PassesEveryCharacterOnToTheSystemsOutput) {
    const StubCase& c = GetParam();
    ScratchDir scratch;
    std::vector<std::string> args = {"-6502", "-only-cr", "-o", scratch.file("image.bin")};
    args.insert(args.end(), c.options.begin(), c.options.end());
    if (!c.conversion.empty()) args.insert(args.end(), {"-ct", scratch.write("table.ct", c.conversion)});
    args.push_back(kAdventure);
    const ProgramResult packed = run_program(args);
    ASSERT_EQ(packed.exit_status, 0) << packed.err;

    const int record = 9;
    Sim65Machine machine;
    machine.pieces = {{c.stub_address, scratch.write("stub.bin", c.stub), 0},
                      {c.load, scratch.file("image.bin"), 0}};
    machine.words = c.words;
    machine.entry = c.load;
    machine.record = record;
    machine.print_address = c.output;
    const Sim65Run run = run_on_sim65(scratch, machine);
    EXPECT_EQ(run.exit_status, 0) << run.log;

    const std::string text = read_file(kAdventure);
    std::size_t start = 0;
    for (int i = 0; i < record; ++i) start = text.find('#', start) + 1;
    std::string expected;
    for (const char ch : text.substr(start, text.find('#', start) - start)) {
        if (ch == '\n') continue;
        expected += ch == '\r' ? c.line_end : std::string(1, static_cast<char>(ch | c.high_bit));
    }
    EXPECT_EQ(run.printed, expected);
}

INSTANTIATE_TEST_SUITE_P(Machines, ReadmeStub, ::testing::ValuesIn(kStubs),
                         [](const auto& info) { return std::string(info.param.machine); });

}  // namespace
}  // namespace vendrel::test
