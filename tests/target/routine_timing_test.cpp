// The estimate of how long a routine takes to print a record, against the
// states that the emulated CPU counts, for every record of real texts.
#include "target/routine_timing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "pack/pack_text.h"
#include "support/emulator.h"
#include "support/job_fixture.h"
#include "support/program.h"
#include "target/packed_image.h"

namespace vendrel {
namespace {

// Low in memory, so that the image of a text of 64 KiB fits below the stack.
constexpr std::uint16_t kLoadAddress = 0x0100;
constexpr std::uint16_t kPrintAddress = 0x0000;
constexpr std::uint16_t kStackTop = 0xFFF0;

struct TimingCase {
    std::string name;
    std::string path;
    RoutineKind kind;
    bool oa;
};

void PrintTo(const TimingCase& c, std::ostream* out) { *out << c.name; }

std::vector<TimingCase> timing_cases() {
    const std::string source = VENDREL_SOURCE_DIR;
    std::vector<std::string> paths = {source + "/bench/corpus/english.txt"};
    for (const auto& entry : std::filesystem::directory_iterator(source + "/samples")) {
        paths.push_back(entry.path().string());
    }
    std::sort(paths.begin(), paths.end());
    std::vector<TimingCase> cases;
    for (const RoutineKind kind : {RoutineKind::z80, RoutineKind::i8080}) {
        const std::string cpu = kind == RoutineKind::z80 ? "z80_" : "i8080_";
        for (const std::string& path : paths) {
            std::string name = cpu + std::filesystem::path(path).filename().string();
            const auto not_in_a_name = [](char ch) { return std::isalnum(static_cast<unsigned char>(ch)) == 0; };
            std::replace_if(name.begin(), name.end(), not_in_a_name, '_');
            cases.push_back({name, path, kind, false});
        }
        cases.push_back({cpu + "adventure_oa", source + "/samples/adventure.txt", kind, true});
    }
    return cases;
}

class RecordTiming : public testing::TestWithParam<TimingCase> {};

TEST_P(RecordTiming, EveryRecordAgreesWithTheEmulatedCpu) {
    const TimingCase& c = GetParam();
    const bool z80 = c.kind == RoutineKind::z80;
    const JobHandle job = make_job();
    job->oa = c.oa ? 1 : 0;
    test::load_text(*job, test::read_file(c.path));
    ASSERT_EQ(pack_text(*job), 0);
    job->z80 = z80 ? 1 : 0;
    job->i8080 = z80 ? 0 : 1;
    job->load_address = kLoadAddress;
    job->print_address = kPrintAddress;
    if (z80) {
        compose_z80_image(*job);
    } else {
        compose_i8080_image(*job);
    }
    const std::vector<std::uint8_t> image = test::bytes(job->image_buffer, job->total_length);
    const int routine_length = z80 ? 58 : 72;
    ASSERT_LT(kLoadAddress + image.size(), kStackTop - 1024u);

    const PackedCodes codes = {
        .char_count = job->char_count,
        .pair_table = image.data() + routine_length + job->char_count,
        .code_stream = image.data() + routine_length + job->symbol_table_size,
        .stream_length = job->packed_length,
    };
    const std::vector<std::uint64_t> every = estimate_every_record(c.kind, codes);
    ASSERT_EQ(static_cast<int>(every.size()), job->record_count);
    // With -oa the last record runs to the 0 that follows the image.
    const int last = job->record_count + (c.oa ? 1 : 0);
    ASSERT_GT(last, 0);

    auto machine = std::make_unique<test::EmulatedMachine>();
    machine->load(kLoadAddress, image);
    machine->poke(static_cast<std::uint16_t>(kLoadAddress + image.size()), 0);
    for (int record = 1; record <= last; ++record) {
        SCOPED_TRACE(testing::Message() << "record " << record);
        const test::RoutineCall run =
            machine->call(kLoadAddress, kPrintAddress, kStackTop, static_cast<std::uint16_t>(record));
        ASSERT_TRUE(run.returned && run.zero_flag);
        if (!z80) {
            ASSERT_EQ(run.unknown_8080_opcodes, 0u);
        }
        // The costs follow every instruction, so the estimate is exact: a
        // cost that is off by a single state shows here.
        const std::uint64_t measured = z80 ? run.tstates : run.i8080_states;
        ASSERT_EQ(estimate_record_tstates(c.kind, codes, record), measured);
        if (record <= job->record_count) {
            ASSERT_EQ(every[record - 1], measured);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, RecordTiming, testing::ValuesIn(timing_cases()),
                         [](const testing::TestParamInfo<TimingCase>& info) { return info.param.name; });

TEST(RecordTiming, RecordsBeyondTheStreamCostNothing) {
    const std::uint8_t stream[] = {0, 1, 2, 0, 1};
    const PackedCodes codes = {.char_count = 3, .pair_table = nullptr, .code_stream = stream, .stream_length = 5};
    for (const RoutineKind kind : {RoutineKind::z80, RoutineKind::i8080}) {
        EXPECT_EQ(estimate_record_tstates(kind, codes, 0), 0u);
        EXPECT_EQ(estimate_record_tstates(kind, codes, 3), 0u);
        EXPECT_EQ(estimate_every_record(kind, codes).size(), 1u);
    }
}

}  // namespace
}  // namespace vendrel
