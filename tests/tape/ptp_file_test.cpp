#include "tape/ptp_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "support/emulator.h"
#include "support/hand_packed.h"
#include "support/job_fixture.h"
#include "support/ptp_reader.h"
#include "target/packed_image.h"

namespace vendrel {
namespace {
using test::Bytes;
using test::PtpReading;
using test::read_ptp;

// The PTP example: five characters, two pairs, 20 codes (T = 101), loaded
// at 0, printing through 0x8500.
void prepare_example(JobHandle& job, const char* name = "HELLO") {
    test::load_packed(*job, test::five_character_text());
    job->i8080 = 1;
    job->ptp = 1;
    job->load_address = 0;
    job->print_address = 0x8500;
    job->source_length = 150;
    std::strcpy(job->tape_name, name);
}

Bytes compose(JobHandle& job) {
    compose_ptp_file(*job);
    return test::bytes(job->image_buffer, job->final_length);
}

Bytes raw_image() {
    JobHandle job = make_job();
    prepare_example(job);
    compose_i8080_image(*job);
    return test::bytes(job->image_buffer, job->final_length);
}

TEST(PtpFile, ExampleIsExact) {
    JobHandle job = make_job();
    prepare_example(job);
    const Bytes file = compose(job);

    EXPECT_EQ(job->routine_length, 72);
    EXPECT_EQ(job->total_length, 101);
    EXPECT_EQ(job->final_length, 169);
    ASSERT_EQ(file.size(), 169u);

    Bytes expected{0x3F, 0x00};
    expected.insert(expected.end(), 16, 0xFF);
    expected.insert(expected.end(), 16, 0x00);
    expected.insert(expected.end(), 16, 0x55);
    for (std::uint8_t byte : {0x00, 0x3F, 0x00, 0x00, 0x64, 0x00, 0x48, 0x45, 0x4C, 0x4C, 0x4F, 0x20, 0x20,
                              0x20, 0x77, 0x66, 0x00}) {
        expected.push_back(byte);
    }
    const Bytes image = raw_image();
    ASSERT_EQ(image.size(), 101u);
    expected.insert(expected.end(), image.begin(), image.end());
    std::uint8_t checksum = 0;
    for (std::uint8_t byte : image) checksum = static_cast<std::uint8_t>(checksum + byte);
    expected.push_back(checksum);
    EXPECT_EQ(file, expected);
}

TEST(PtpFile, SumChecksumWrapsModulo256) {
    const std::uint8_t bytes[] = {0xF0, 0x20, 0x01};
    EXPECT_EQ(sum_checksum(bytes, 3, 0), 0x11);
    EXPECT_EQ(sum_checksum(bytes, 3, 0xEF), 0x00);
    EXPECT_EQ(sum_checksum(bytes, 0, 0x5A), 0x5A);
}

struct NameCase {
    const char* name;
    const char* field;
};

class PtpName : public ::testing::TestWithParam<NameCase> {};

TEST_P(PtpName, FillsTheEightByteFieldWithSpaces) {
    JobHandle job = make_job();
    prepare_example(job, GetParam().name);
    const PtpReading reading = read_ptp(compose(job));
    ASSERT_TRUE(reading.tape) << reading.fault;
    EXPECT_EQ(reading.tape->name, GetParam().field);
}

INSTANTIATE_TEST_SUITE_P(Names, PtpName,
                         ::testing::Values(NameCase{"HELLO", "HELLO   "}, NameCase{"ABCDEFGH", "ABCDEFGH"},
                                           NameCase{"", "        "}));

TEST(PtpFile, ReaderFindsTheImageAndFinalLengthIsTotalPlus68) {
    for (int load : {0, 0x4000, 0xFFC0}) {
        for (int codes : {0, 1, 700}) {
            JobHandle job = make_job();
            test::HandPacked packed = test::five_character_text();
            packed.stream.assign(static_cast<std::size_t>(codes), 4);
            test::load_packed(*job, packed);
            job->load_address = load;
            job->print_address = 0x8500;
            const Bytes file = compose(job);
            EXPECT_EQ(job->final_length, job->total_length + 68);
            const PtpReading reading = read_ptp(file);
            ASSERT_TRUE(reading.tape) << reading.fault;
            EXPECT_EQ(reading.tape->load_address, load);
            EXPECT_EQ(static_cast<int>(reading.tape->image.size()), job->total_length);
            EXPECT_EQ(reading.next, file.size());
        }
    }
}

TEST(PtpFile, ImageReadBackRunsOnTheEmulated8080Routine) {
    JobHandle job = make_job();
    prepare_example(job);
    job->load_address = 0x1000;
    const PtpReading reading = read_ptp(compose(job));
    ASSERT_TRUE(reading.tape) << reading.fault;
    EXPECT_EQ(reading.tape->image.size(), 101u);

    const std::vector<std::string> records = test::five_character_records();
    for (std::size_t k = 0; k + 1 < records.size(); ++k) {
        const test::RoutineCall call = test::call_unpack_routine(
            reading.tape->image, static_cast<std::uint16_t>(reading.tape->load_address), 0x8500,
            static_cast<std::uint16_t>(k + 1));
        ASSERT_TRUE(call.returned);
        EXPECT_TRUE(call.zero_flag);
        EXPECT_TRUE(call.stack_balanced);
        EXPECT_EQ(call.printed, records[k]) << "record " << k + 1;
    }
}

TEST(PtpFile, ReaderRefusesADamagedFile) {
    JobHandle job = make_job();
    prepare_example(job);
    const Bytes good = compose(job);
    for (std::size_t at : {0u, 5u, 40u, 51u, 60u, 64u, 65u, 100u, 168u}) {
        Bytes bad = good;
        bad[at] ^= 0x01;
        EXPECT_FALSE(read_ptp(bad).tape) << "byte " << at;
    }
}

}  // namespace
}  // namespace vendrel
