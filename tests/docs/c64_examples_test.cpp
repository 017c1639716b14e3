// The Commodore 64 examples of docs/examples, built as their comments say
// beside the files vendrel wrote: c64.s with ca65 into one PRG file (a
// BASIC line, the code, the image at $1000) that runs on sim65 from its
// SYS address with CHROUT stood in for; c64.c with cc65 for the C64 and
// for sim65, where it loads the image and prints the record it is asked
// for through the routine's C header.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "support/program.h"
#include "support/sim65_machine.h"

namespace vendrel::test {
namespace {

const std::string kSourceDir = VENDREL_SOURCE_DIR;
const std::string kAdventure = kSourceDir + "/samples/adventure.txt";
const std::string kPetscii = kSourceDir + "/docs/examples/c64-petscii.ct";
constexpr int kRecords = 78;

// Record k of the adventure as the C64 gets it: CR line ends, letters in
// the other case (c64-petscii.ct).
std::string c64_record(int k) {
    const std::string text = read_file(kAdventure);
    std::size_t start = 0;
    for (int i = 0; i < k; ++i) start = text.find(text[0], start) + 1;
    std::string record;
    for (const char c : text.substr(start, text.find(text[0], start) - start)) {
        if (c == '\n') continue;
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        record.push_back(letter ? static_cast<char>(c ^ 0x20) : c);
    }
    return record;
}

// Runs a command in the scratch folder; what it says goes to a log that a
// failure shows.
bool run_in(const ScratchDir& scratch, const std::string& command, std::string& log) {
    const std::string log_path = scratch.file("command.log");
    const std::string line = "cd '" + scratch.path().string() + "' && " + command + " >'" + log_path + "' 2>&1";
    const int status = std::system(line.c_str());
    log = read_file(log_path);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void copy_example(const ScratchDir& scratch, const std::string& name) {
    std::filesystem::copy_file(kSourceDir + "/docs/examples/" + name, scratch.file(name));
}

// vendrel in the scratch folder with the options of the examples' comments.
void pack(const ScratchDir& scratch, std::vector<std::string> options) {
    options.insert(options.end(), {"-only-cr", "-ct", kPetscii, kAdventure});
    ProgramOptions in_scratch;
    in_scratch.working_dir = scratch.path().string();
    const ProgramResult result = run_program_with(options, in_scratch);
    ASSERT_EQ(result.exit_status, 0) << result.err;
}

// The PRG file that c64.s builds into: load address $0801, line 10 SYS 2063.
const std::string kBasicLine = std::string("\x01\x08\x0B\x08\x0A\x00\x9E" "2063" "\x00\x00\x00", 14);
constexpr std::uint16_t kRecordWord = 2061;
constexpr std::uint16_t kSysAddress = 2063;
constexpr std::size_t kImageInPrg = 2 + 0x1000 - 0x0801;

class C64AssemblerExample : public ::testing::TestWithParam<int> {};

TEST_P(C64AssemblerExample, BuildsOnePrgThatPrintsTheRecordFromItsSysAddress) {
    ScratchDir scratch;
    pack(scratch, {"-6502", "-inc", "adventure.inc", "-o", "adventure.bin"});
    copy_example(scratch, "c64.s");
    std::string log;
    ASSERT_TRUE(run_in(scratch, "cl65 -t c64 -C c64-asm.cfg -u __LOADADDR__ -o show.prg c64.s", log)) << log;

    const std::string prg = read_file(scratch.file("show.prg"));
    const std::string image = read_file(scratch.file("adventure.bin"));
    EXPECT_EQ(prg.substr(0, kBasicLine.size()), kBasicLine);
    ASSERT_EQ(prg.size(), kImageInPrg + image.size());
    EXPECT_EQ(prg.substr(kImageInPrg), image) << "the image at $1000";

    const int record = GetParam();
    Sim65Machine machine;
    machine.pieces = {{0x0801, scratch.file("show.prg"), 2}};
    machine.words = {{kRecordWord, static_cast<std::uint16_t>(record)}};
    machine.entry = kSysAddress;
    const Sim65Run run = run_on_sim65(scratch, machine);
    const bool printed = record <= kRecords;
    EXPECT_EQ(run.exit_status, record <= kRecords + 1 ? 0 : 1) << run.log;
    // CHROUT 14 first: the lower/upper case character set.
    EXPECT_EQ(run.printed, "\x0E" + (printed ? c64_record(record) : std::string())) << run.log;
}

// Past the 78 records: 79 is the empty run after the last separator, found
// with nothing to print (zeros follow the image here); from 80 on the
// search runs out.
INSTANTIATE_TEST_SUITE_P(Records, C64AssemblerExample, ::testing::Values(1, 5, 39, 78, 79, 80));

TEST(C64CExample, CompilesForTheC64AndRunsOnSim65) {
    ScratchDir scratch;
    copy_example(scratch, "c64.c");
    std::string log;

    // The C64 build, with the commands of the example's comment.
    pack(scratch, {"-6502", "-prg", "-a", "0xC000", "-inc", "adventure.h", "-o", "adventure.prg"});
    ASSERT_TRUE(run_in(scratch, "cl65 -t c64 -O -Wl -D,__HIMEM__=49152 -o show.prg c64.c", log)) << log;
    EXPECT_EQ(log, "") << "cc65 warns";
    const std::string prg = read_file(scratch.file("show.prg"));
    ASSERT_GT(prg.size(), 2u);
    EXPECT_EQ(prg.substr(0, 2), "\x01\x08");
    EXPECT_LE(0x0801 + prg.size() - 2, 0xC000u) << "the program stays below the image";

    // The simulator's build: the print address in free RAM.
    pack(scratch, {"-6502", "-prg", "-a", "0xC000", "-pa", "0xBFF0", "-inc", "adventure.h", "-o", "adventure.prg"});
    ASSERT_TRUE(run_in(scratch, "cl65 -t sim6502 -O -o show c64.c", log)) << log;
    EXPECT_EQ(log, "") << "cc65 warns";

    struct Call {
        std::string argument;
        int exit_status;
        std::string printed;
    };
    const std::vector<Call> calls = {
        {"", 0, c64_record(1)},
        {"5", 0, c64_record(5)},
        {"78", 0, c64_record(78)},
        {"0", 1, "No record 0: 1 .. 78\n"},
        {"79", 1, "No record 79: 1 .. 78\n"},
    };
    for (const Call& call : calls) {
        std::string printed;
        const bool succeeded = run_in(scratch, "sim65 show " + call.argument, printed);
        EXPECT_EQ(succeeded, call.exit_status == 0) << call.argument;
        EXPECT_EQ(printed, call.printed) << call.argument;
        if (call.exit_status != 0) {
            const std::string exit_code = "sim65 show " + call.argument + "; test $? -eq " +
                                          std::to_string(call.exit_status);
            EXPECT_TRUE(run_in(scratch, exit_code, printed)) << call.argument;
        }
    }
}

}  // namespace
}  // namespace vendrel::test
