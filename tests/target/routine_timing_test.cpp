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
#include "target/cpu_description.h"
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
    const CpuDescription* cpu;
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
    // The CPUs that the emulator runs.
    for (const CpuDescription* cpu : {&z80_cpu, &i8080_cpu}) {
        std::string prefix = cpu->name;
        const auto lower = [](char ch) { return static_cast<char>(std::tolower(static_cast<unsigned char>(ch))); };
        std::transform(prefix.begin(), prefix.end(), prefix.begin(), lower);
        prefix += '_';
        for (const std::string& path : paths) {
            std::string name = prefix + std::filesystem::path(path).filename().string();
            const auto not_in_a_name = [](char ch) { return std::isalnum(static_cast<unsigned char>(ch)) == 0; };
            std::replace_if(name.begin(), name.end(), not_in_a_name, '_');
            cases.push_back({name, path, cpu, false});
        }
        cases.push_back({prefix + "adventure_oa", source + "/samples/adventure.txt", cpu, true});
    }
    return cases;
}

class RecordTiming : public testing::TestWithParam<TimingCase> {};

TEST_P(RecordTiming, EveryRecordAgreesWithTheEmulatedCpu) {
    const TimingCase& c = GetParam();
    // The emulator runs the Z80 and counts 8080 states beside its own.
    const bool z80 = c.cpu == &z80_cpu;
    const JobHandle job = make_job();
    job->oa = c.oa ? 1 : 0;
    test::load_text(*job, test::read_file(c.path));
    ASSERT_EQ(pack_text(*job), 0);
    (*job).*c.cpu->option = 1;
    job->load_address = kLoadAddress;
    job->print_address = kPrintAddress;
    compose_raw_image(*c.cpu->routine, *job);
    const std::vector<std::uint8_t> image = test::bytes(job->image_buffer, job->total_length);
    const int routine_length = c.cpu->routine->length;
    ASSERT_LT(kLoadAddress + image.size(), kStackTop - 1024u);

    const PackedCodes codes = {
        .char_count = job->char_count,
        .pair_table = image.data() + routine_length + job->char_count,
        .pair_count = (job->symbol_table_size - job->char_count) / 2,
        .code_stream = image.data() + routine_length + job->symbol_table_size,
        .stream_length = job->packed_length,
    };
    const ImagePlace place = {kLoadAddress, job->packed_length + (c.oa ? 1 : 0)};
    const std::vector<std::uint64_t> every = estimate_every_record(*c.cpu, place, codes);
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
        ASSERT_EQ(estimate_record_tstates(*c.cpu, place, codes, record), measured);
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
    for (const CpuDescription* cpu : known_cpus()) {
        const ImagePlace place = {0x1000, 5};
        EXPECT_EQ(estimate_record_tstates(*cpu, place, codes, 0), 0u);
        EXPECT_EQ(estimate_record_tstates(*cpu, place, codes, 3), 0u);
        EXPECT_EQ(estimate_every_record(*cpu, place, codes).size(), 1u);
    }
}

}  // namespace
}  // namespace vendrel
