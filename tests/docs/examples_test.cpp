// The assembler examples of docs/examples: assembled with pasmo and run on
// the emulated CPU together with a tape file that the program wrote, they
// must print the record they ask for.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "support/emulator.h"
#include "support/program.h"

namespace vendrel::test {
namespace {

const std::string kSourceDir = VENDREL_SOURCE_DIR;
const std::string kAdventure = kSourceDir + "/samples/adventure.txt";

// Assembles an example into a flat binary (from its lowest address on).
// pasmo's warnings, such as those of --w8080, go to standard error.
std::string assemble(const ScratchDir& scratch, const std::string& example, const std::string& options,
                     std::string& warnings) {
    const std::string binary = scratch.file(example + ".bin");
    const std::string log = scratch.file(example + ".log");
    const std::string command = "pasmo " + options + " '" + kSourceDir + "/docs/examples/" + example +
                                "' '" + binary + "' >/dev/null 2>'" + log + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << read_file(log);
    warnings = read_file(log);
    return read_file(binary);
}

// Record k of a text whose first character separates the records.
std::string sample_record(const std::string& text, int k) {
    std::size_t start = 0;
    for (int i = 0; i < k; ++i) start = text.find(text[0], start) + 1;
    return text.substr(start, text.find(text[0], start) - start);
}

std::string without_lf(std::string text) {
    std::erase(text, '\n');
    return text;
}

std::uint16_t word_at(const std::string& bytes, std::size_t offset) {
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes[offset]) |
                                      static_cast<std::uint8_t>(bytes[offset + 1]) << 8);
}

// Runs the program with the arguments and returns its output file.
std::string packed_output(const ScratchDir& scratch, std::vector<std::string> args,
                          const std::string& name) {
    args.insert(args.end(), {"-o", scratch.file(name), kAdventure});
    const ProgramResult result = run_program(args);
    EXPECT_EQ(result.exit_status, 0) << result.err;
    return read_file(scratch.file(name));
}

// Stack bytes that expanding code takes below the expander's entry: 4 for
// every left branch that has to come back, nothing for the right branch,
// which the routine takes by a jump.
int expansion_stack(const std::string& image, int routine_length, int n, int code) {
    if (code < n) return 0;
    const std::size_t entry = static_cast<std::size_t>(routine_length + n + 2 * (code - n));
    const int left = static_cast<std::uint8_t>(image[entry]);
    const int right = static_cast<std::uint8_t>(image[entry + 1]);
    return std::max(4 + expansion_stack(image, routine_length, n, left),
                    expansion_stack(image, routine_length, n, right));
}

class SpectrumExample : public ::testing::TestWithParam<int> {};

TEST_P(SpectrumExample, PrintsTheRecordThroughRst10) {
    ScratchDir scratch;
    // The command of the example's comment.
    const std::string tap = packed_output(scratch, {"-z80", "-tap", "-only-cr"}, "adventure.tap");
    ASSERT_GT(tap.size(), 25u);
    const std::string image = tap.substr(24, tap.size() - 25);
    std::string warnings;
    const std::string program = assemble(scratch, "spectrum.asm", "--bin", warnings);

    EmulatedMachine machine;
    machine.load(32768, image);
    machine.load(30000, program);
    machine.stub(5633);  // CHAN-OPEN
    const int record = GetParam();
    machine.poke_word(30000, static_cast<std::uint16_t>(record));
    const RoutineCall run = machine.call(30002, 16, 0xFF00);

    ASSERT_TRUE(run.returned);
    EXPECT_TRUE(run.zero_flag) << "Z set: the record was found";
    EXPECT_EQ(run.printed, without_lf(sample_record(read_file(kAdventure), record)));
}

INSTANTIATE_TEST_SUITE_P(Records, SpectrumExample, ::testing::Values(1, 5, 39, 78));

class Pmd85Example : public ::testing::TestWithParam<int> {};

TEST_P(Pmd85Example, PrintsTheRecordThrough8500h) {
    ScratchDir scratch;
    const std::string ptp = packed_output(scratch, {"-i8080", "-ptp"}, "adventure.ptp");
    ASSERT_GT(ptp.size(), 68u);
    const std::string image = ptp.substr(67, ptp.size() - 68);
    std::string warnings;
    const std::string program = assemble(scratch, "pmd85.asm", "--bin --w8080", warnings);
    EXPECT_EQ(warnings.find("WARNING"), std::string::npos) << "not 8080 code: " << warnings;

    EmulatedMachine machine;
    machine.load(0x0000, image);
    machine.load(0x7000, program);
    const int record = GetParam();
    machine.poke_word(0x7000, static_cast<std::uint16_t>(record));
    const RoutineCall run = machine.call(0x7002, 0x8500, 0xF000);

    ASSERT_TRUE(run.returned);
    EXPECT_TRUE(run.zero_flag);
    EXPECT_EQ(run.printed, sample_record(read_file(kAdventure), record));
}

INSTANTIATE_TEST_SUITE_P(Records, Pmd85Example, ::testing::Values(1, 5, 39, 78));

// The stack that docs/target.md promises: the caller's CALL, 2 bytes for
// the call from the record loop and 4 per nested level; the print routine
// here (a RET) adds nothing.
TEST(TargetStack, IsTwoBytesPlusFourPerNestingLevel) {
    ScratchDir scratch;
    const std::string image = packed_output(scratch, {"-z80"}, "adventure.vdl");
    const int n = static_cast<std::uint8_t>(image[26]);
    const int symbol_size = word_at(image, 1) - word_at(image, 51);
    const int packed_length = word_at(image, 4);
    const std::string stream = image.substr(static_cast<std::size_t>(58 + symbol_size));
    ASSERT_EQ(stream.size(), static_cast<std::size_t>(packed_length));

    std::string warnings;
    const std::string program = assemble(scratch, "spectrum.asm", "--bin", warnings);
    std::size_t position = 1;  // after the first separator
    for (int record = 1; position < stream.size(); ++record) {
        int deepest = 0;
        for (; stream[position] != 0; ++position) {
            deepest = std::max(deepest, expansion_stack(image, 58, n, static_cast<std::uint8_t>(stream[position])));
        }
        ++position;

        EmulatedMachine machine;
        machine.load(32768, image);
        machine.load(30000, program);
        machine.stub(5633);
        machine.poke_word(30000, static_cast<std::uint16_t>(record));
        const RoutineCall run = machine.call(30002, 16, 0xFF00);
        ASSERT_TRUE(run.returned) << record;
        EXPECT_EQ(run.stack_used, 2 + 2 + deepest) << "record " << record;
    }
}

}  // namespace
}  // namespace vendrel::test
