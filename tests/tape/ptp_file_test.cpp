#include "tape/ptp_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/ptp_reader.h"
#include "tape/tape_example.h"

namespace vendrel {
namespace {
using test::Bytes;
using test::compose_tape;
using test::PtpReading;
using test::read_ptp;

TEST(PtpFile, ExampleIsExact) {
    JobHandle job = test::tape_example(false);
    const Bytes file = compose_tape(*job);

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
    const Bytes image = test::raw_example_image(false);
    ASSERT_EQ(image.size(), 101u);
    expected.insert(expected.end(), image.begin(), image.end());
    std::uint8_t checksum = 0;
    for (std::uint8_t byte : image) checksum = static_cast<std::uint8_t>(checksum + byte);
    expected.push_back(checksum);
    EXPECT_EQ(file, expected);
}

TEST(PtpFile, ReaderFindsTheImageAndFinalLengthIsTotalPlus68) {
    for (int load : {0, 0x4000, 0xFFC0}) {
        for (int codes : {0, 1, 700}) {
            JobHandle job = make_job();
            test::load_repeated_codes(*job, codes, 4);
            job->load_address = load;
            job->print_address = 0x8500;
            const Bytes file = compose_tape(*job);
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
    JobHandle job = test::tape_example(false);
    job->load_address = 0x1000;
    const PtpReading reading = read_ptp(compose_tape(*job));
    ASSERT_TRUE(reading.tape) << reading.fault;
    EXPECT_EQ(reading.tape->image.size(), 101u);
    test::expect_example_records(reading.tape->image, reading.tape->load_address, 0x8500);
}

TEST(PtpFile, ReaderRefusesADamagedFile) {
    JobHandle job = test::tape_example(false);
    const Bytes good = compose_tape(*job);
    for (std::size_t at : {0u, 5u, 40u, 51u, 60u, 64u, 65u, 100u, 168u}) {
        Bytes bad = good;
        bad[at] ^= 0x01;
        EXPECT_FALSE(read_ptp(bad).tape) << "byte " << at;
    }
}

}  // namespace
}  // namespace vendrel
