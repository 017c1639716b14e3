// The 6502 routine's cycle estimate and its stack, against cc65's sim65:
// every record of the samples at load addresses whose pages cut the
// routine, its tables and its code stream in different places, the
// cycles of each call to the cycle, the stack at the deepest character to
// the byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "base/record_walker.h"
#include "pack/pack_text.h"
#include "support/job_fixture.h"
#include "support/mos6502_runner.h"
#include "support/program.h"
#include "target/cpu_description.h"
#include "target/packed_image.h"
#include "target/routine_timing.h"

namespace vendrel {
namespace {

using test::Mos6502Call;
using test::Mos6502Options;
using test::Mos6502Run;
using test::Mos6502Setup;

// The image ends right below sim65's paravirtual calls at $FFF4.
constexpr int kTop = -1;

struct TimingCase {
    std::string name;
    std::string file;  // under the source tree; empty: numbered_records()
    int load_address;  // or kTop
    bool oa;
    int step;          // each step-th record is run alone
    bool all_together; // every record run in one sum, else those run alone
};

void PrintTo(const TimingCase& c, std::ostream* out) { *out << c.name; }

// The offsets of the routine's conditional branches. sim65 counts a taken
// branch whose opcode lies at $xxFE or $xxFF against the wrong page, so
// the places below keep them off those bytes.
constexpr int kBranches[] = {15, 21, 27, 31, 35, 41, 45, 51, 59, 69, 78, 93};

bool branches_counted_right(int load) {
    return std::none_of(std::begin(kBranches), std::end(kBranches),
                        [&](int at) { return ((load + at) & 0xFF) >= 0xFE; });
}

// A page boundary lands at routine offset 15 ($xxF1: the scan's three
// branches back to 14 cross), 25 (the scan's end test), 38 (the count's
// low byte), 54 (the record loop's pointer), 75 (the high pair branch and
// the expander's branch to the pair code) and 85 (both pair branches, and
// the end of a record).
std::vector<TimingCase> timing_cases() {
    const int places[] = {0x1000, 0xC000, 0x10F1, 0x20E7, 0x33DA, 0x47CA, 0x5CB5, 0x6EAB, kTop};
    auto place_name = [](int load) {
        char name[8];
        std::snprintf(name, sizeof name, "%04X", load);
        return load == kTop ? std::string("top") : std::string(name);
    };
    std::vector<TimingCase> cases;
    for (const char* sample : {"adventure.txt", "czech.txt", "letter.dtp"}) {
        std::string stem = std::filesystem::path(sample).stem().string();
        for (const int load : places) {
            cases.push_back({stem + "_" + place_name(load), std::string("/samples/") + sample, load, false, 1, true});
        }
    }
    cases.push_back({"adventure_oa_0801", "/samples/adventure.txt", 0x0801, true, 1, true});
    cases.push_back({"adventure_oa_top", "/samples/adventure.txt", kTop, true, 1, true});
    // Separators at nearly every low byte, the one before the end's among
    // them: the scan's test of the end's high byte counted to the byte.
    cases.push_back({"numbered_1000", "", 0x1000, false, 29, true});
    cases.push_back({"numbered_oa_2A57", "", 0x2A57, true, 29, true});
    // 1,542 records: the separator count's low byte wraps six times.
    cases.push_back({"corpus_1000", "/bench/corpus/english.txt", 0x1000, false, 97, false});
    cases.push_back({"corpus_oa_13C5", "/bench/corpus/english.txt", 0x13C5, true, 97, false});
    return cases;
}

// 600 short records of numbers in words.
std::string numbered_records() {
    const char* digits[] = {"nil", "one", "two", "three", "four", "five", "six", "seven", "eight", "nine"};
    std::string text;
    for (int k = 0; k < 600; ++k) {
        text += "|";
        for (const char digit : std::to_string(k)) text += std::string(digits[digit - '0']) + " ";
    }
    return text + "|";
}

struct Packed6502 {
    std::vector<std::uint8_t> image;
    PackedCodes codes;  // inside image
    ImagePlace place;
    int records = 0;
};

Packed6502 pack_6502(const TimingCase& c, const std::string& text, int load) {
    const JobHandle job = make_job();
    job->oa = c.oa ? 1 : 0;
    test::load_text(*job, text);
    EXPECT_EQ(pack_text(*job), 0);
    job->mos6502 = 1;
    job->load_address = load;
    job->print_address = load < 0x8000 ? 0xFF00 : 0x0400;
    job->zero_page = 0xFB;
    compose_raw_image(*mos6502_cpu.routine, *job);
    Packed6502 packed;
    packed.image = test::bytes(job->image_buffer, job->total_length);
    packed.records = job->record_count + (c.oa ? 1 : 0);
    packed.place = {load, job->packed_length + (c.oa ? 1 : 0)};
    const int routine = mos6502_cpu.routine->length;
    packed.codes = {
        .char_count = job->char_count,
        .char_table = packed.image.data() + routine,
        .pair_table = packed.image.data() + routine + job->char_count,
        .pair_count = (job->symbol_table_size - job->char_count) / 2,
        .code_stream = packed.image.data() + routine + job->symbol_table_size,
        .stream_length = job->packed_length,
    };
    return packed;
}

// The load address of the case: the top one as high as branches allow.
int load_address_of(const TimingCase& c, const std::string& text) {
    if (c.load_address != kTop) return c.load_address;
    const int length = static_cast<int>(pack_6502(c, text, 0x1000).image.size()) + (c.oa ? 1 : 0);
    int load = 0xFFF4 - length;
    while (!branches_counted_right(load)) --load;
    return load;
}

class Mos6502Timing : public testing::TestWithParam<TimingCase> {};

TEST_P(Mos6502Timing, EstimateAndStackAreWhatSim65Counts) {
    const TimingCase& c = GetParam();
    const std::string text = c.file.empty() ? numbered_records() : test::read_file(VENDREL_SOURCE_DIR + c.file);
    const int load = load_address_of(c, text);
    ASSERT_TRUE(branches_counted_right(load)) << load;
    const Packed6502 packed = pack_6502(c, text, load);
    ASSERT_LE(load + packed.image.size(), 0xFFF4u);

    // Record k's estimate and nesting at index k - 1; with -oa the last
    // record is the run that the 0 after the image closes.
    std::vector<std::uint64_t> estimates = estimate_every_record(mos6502_cpu, packed.place, packed.codes);
    if (c.oa) estimates.push_back(estimate_record_tstates(mos6502_cpu, packed.place, packed.codes, packed.records));
    ASSERT_EQ(static_cast<int>(estimates.size()), packed.records);
    const std::vector<int> levels = nesting_levels(packed.codes);
    std::vector<int> nesting;
    for (const RecordSpan& span : walk_records(packed.codes).records) {
        if (span.number <= packed.records) nesting.push_back(record_nesting(packed.codes, span, levels));
    }
    ASSERT_EQ(static_cast<int>(nesting.size()), packed.records);

    Mos6502Setup setup;
    setup.image = packed.image;
    setup.load_address = static_cast<std::uint16_t>(load);
    setup.print_address = static_cast<std::uint16_t>(load < 0x8000 ? 0xFF00 : 0x0400);
    setup.zero_after_image = c.oa;
    // Each step-th record and the last, and those where the separator
    // count's low byte wraps.
    std::vector<std::uint16_t> timed;
    for (int k = 1; k <= packed.records; k += c.step) timed.push_back(static_cast<std::uint16_t>(k));
    for (const int k : {255, 256, 257, 511, 512, 513, packed.records}) {
        if (k <= packed.records) timed.push_back(static_cast<std::uint16_t>(k));
    }
    std::sort(timed.begin(), timed.end());
    timed.erase(std::unique(timed.begin(), timed.end()), timed.end());
    std::vector<std::uint16_t> all(static_cast<std::size_t>(packed.records));
    for (std::size_t k = 0; k < all.size(); ++k) all[k] = static_cast<std::uint16_t>(k + 1);

    // Together in as few processes as fit: the sum of their cycles, and
    // each one's stack at its deepest character.
    const std::vector<std::uint16_t>& together_records = c.all_together ? all : timed;
    const Mos6502Run together = test::run_6502_routine(setup, together_records);
    ASSERT_EQ(together.error, "");
    ASSERT_EQ(together.calls.size(), together_records.size());
    std::uint64_t estimated = 0;
    for (const std::uint16_t k : together_records) estimated += estimates[k - 1u];
    EXPECT_EQ(together.routine_cycles, estimated);
    for (const Mos6502Call& call : together.calls) {
        ASSERT_EQ(call.a, 0) << "record " << call.record;
        if (call.printed.empty()) continue;
        // The harness's JSR to the routine, then the routine's own.
        EXPECT_EQ(call.stack_used, 2 + stack_bytes(mos6502_cpu, nesting[call.record - 1u]))
            << "record " << call.record;
    }

    // Each alone, to the cycle.
    const Mos6502Run alone = test::run_6502_routine(setup, timed, Mos6502Options{.cycles_per_call = true});
    ASSERT_EQ(alone.error, "");
    ASSERT_EQ(alone.calls.size(), timed.size());
    for (const Mos6502Call& call : alone.calls) {
        EXPECT_EQ(call.cycles, estimates[call.record - 1u]) << "record " << call.record;
    }
}

INSTANTIATE_TEST_SUITE_P(Samples, Mos6502Timing, testing::ValuesIn(timing_cases()),
                         [](const testing::TestParamInfo<TimingCase>& info) { return info.param.name; });

}  // namespace
}  // namespace vendrel
