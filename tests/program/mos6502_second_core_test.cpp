// The 6502 routine on a second, independent core: the cycle-stepped NMOS
// 6502 of the npm package 6502.ts (scripts/mos6502-6502ts.js) prints the
// same records with the same A, X and stack as sim65, in the same cycles,
// except where a taken branch of the routine sits at $xxFE or $xxFF: sim65
// 2.19 charges the page crossing against the branch's own page, the NMOS
// 6502 against the next instruction's. Runs when VENDREL_6502TS names a
// folder whose node_modules holds 6502.ts (scripts/mos6502-second-core.sh
// installs it); skipped otherwise.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "program/mos6502_packing.h"
#include "support/mos6502_runner.h"
#include "support/program.h"

namespace vendrel::test {
namespace {

const std::string kSamples = VENDREL_SOURCE_DIR "/samples/";

struct CoreCall {
    int record = -1;
    int a = -1;
    int x = -1;
    std::string printed;
    std::uint64_t cycles = 0;
    int stack = -1;
};

// The number after "name": in a line of the script's JSON output.
long long json_number(const std::string& line, const std::string& name) {
    const std::size_t at = line.find("\"" + name + "\":");
    return at == std::string::npos ? -1 : std::atoll(line.c_str() + at + name.size() + 3);
}

std::vector<CoreCall> run_on_6502ts(const std::string& folder, const std::string& image, const Mos6502Setup& setup,
                                    const std::vector<std::uint16_t>& records) {
    std::string command = "NODE_PATH='" + folder + "/node_modules' node '" VENDREL_SOURCE_DIR
                          "/scripts/mos6502-6502ts.js' '" + image + "' " + std::to_string(setup.load_address) + " " +
                          std::to_string(setup.print_address) + (setup.zero_after_image ? " 1" : " 0");
    for (std::uint16_t record : records) command += " " + std::to_string(record);
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return {};
    std::string out;
    char chunk[4096];
    for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, pipe)) > 0;) out.append(chunk, n);
    ::pclose(pipe);
    std::vector<CoreCall> calls;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        CoreCall call;
        call.record = static_cast<int>(json_number(line, "record"));
        call.a = static_cast<int>(json_number(line, "a"));
        call.x = static_cast<int>(json_number(line, "x"));
        call.cycles = static_cast<std::uint64_t>(json_number(line, "cycles"));
        call.stack = static_cast<int>(json_number(line, "stack"));
        const std::size_t open = line.find('[');
        std::istringstream bytes(line.substr(open + 1, line.find(']') - open - 1));
        for (std::string byte; std::getline(bytes, byte, ',');) call.printed += static_cast<char>(std::stoi(byte));
        calls.push_back(call);
    }
    return calls;
}

struct CoreCase {
    const char* name;
    Packing packing;
    std::uint16_t load_address;
    bool branch_at_page_end;  // the scan's BNE (offset 15) at $xxFE
};

const CoreCase kCases[] = {
    {"adventure_at_1000", {{}, kSamples + "adventure.txt"}, 0x1000, false},
    {"adventure_best_at_C0F3", {{}, kSamples + "adventure.txt", false, true}, 0xC0F3, false},
    {"czech_oa_at_2080", {{"-ct", kSamples + "czech.ct"}, kSamples + "czech.txt", true}, 0x2080, false},
    {"letter_at_1000", {{"-dtp"}, kSamples + "letter.dtp"}, 0x1000, false},
    {"letter_at_10EF", {{"-dtp"}, kSamples + "letter.dtp"}, 0x10EF, true},
};

class Mos6502SecondCore : public testing::TestWithParam<CoreCase> {};

TEST_P(Mos6502SecondCore, AgreesWithSim65) {
    const char* folder = std::getenv("VENDREL_6502TS");
    if (folder == nullptr || *folder == '\0') GTEST_SKIP() << "VENDREL_6502TS is not set";
    const CoreCase& c = GetParam();
    const ScratchDir dir;
    Mos6502Setup setup;
    setup.load_address = c.load_address;
    const Packed packed = pack_for_run(dir, c.packing, setup);
    const std::vector<std::uint16_t> records = every_record(packed, c.packing.oa);

    const Mos6502Run sim65 = run_6502_routine(setup, records, {.cycles_per_call = true});
    ASSERT_EQ(sim65.error, "");
    const std::string image = dir.write("image.bin", std::string(packed.image.begin(), packed.image.end()));
    const std::vector<CoreCall> other = run_on_6502ts(folder, image, setup, records);
    ASSERT_EQ(other.size(), records.size());
    for (std::size_t k = 0; k < records.size(); ++k) {
        const Mos6502Call& call = sim65.calls[k];
        EXPECT_EQ(other[k].record, call.record);
        EXPECT_EQ(other[k].a, call.a) << "record " << call.record;
        EXPECT_EQ(other[k].x, call.x) << "record " << call.record;
        EXPECT_EQ(other[k].printed, call.printed) << "record " << call.record;
        EXPECT_EQ(other[k].stack, call.stack_used) << "record " << call.record;
        if (c.branch_at_page_end) {
            EXPECT_GT(call.cycles, other[k].cycles) << "record " << call.record;
        } else {
            EXPECT_EQ(other[k].cycles, call.cycles) << "record " << call.record;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Samples, Mos6502SecondCore, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<CoreCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vendrel::test
