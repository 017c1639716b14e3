// Reading tape files back: the TAP and PTP readers find the image of every
// file on a tape, and refuse a tape that is cut or damaged without reading
// past its end.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "tape/ptp_file.h"
#include "tape/tap_file.h"
#include "tape/tape_example.h"

namespace vendrel {
namespace {
using test::Bytes;

struct Reading {
    bool intact = false;
    std::vector<Bytes> images;
};

// Reads the first length bytes of file from a buffer of exactly that size,
// so that a read past its end is a read past the allocation.
Reading read_tape(bool tap, const Bytes& file, std::size_t length) {
    const Bytes copy(file.begin(), file.begin() + static_cast<long>(length));
    std::vector<TapeData> files;
    const int size = static_cast<int>(copy.size());
    Reading reading;
    reading.intact = tap ? read_tap_files(copy.data(), size, files) : read_ptp_files(copy.data(), size, files);
    for (const TapeData& data : files) {
        reading.images.emplace_back(copy.begin() + data.offset, copy.begin() + data.offset + data.length);
    }
    return reading;
}

// The example's tape, and a second one with another name and code stream,
// as -append puts them one after the other.
Bytes example_tape(bool tap) {
    JobHandle job = test::tape_example(tap);
    return test::compose_tape(*job);
}

Bytes second_tape(bool tap, Bytes& image) {
    JobHandle job = test::tape_example(tap, "SECOND");
    test::load_repeated_codes(*job, 40, 2);
    const Bytes file = test::compose_tape(*job);
    const int start = tap ? 24 : 67;
    image.assign(file.begin() + start, file.begin() + start + job->total_length);
    return file;
}

class TapeReading : public testing::TestWithParam<bool> {};

TEST_P(TapeReading, FindsTheImageOfOneTape) {
    const bool tap = GetParam();
    const Bytes file = example_tape(tap);
    const Reading reading = read_tape(tap, file, file.size());
    EXPECT_TRUE(reading.intact);
    ASSERT_EQ(reading.images.size(), 1u);
    EXPECT_EQ(reading.images[0], test::raw_example_image(tap));
}

TEST_P(TapeReading, FindsEveryImageOfAppendedTapesInOrder) {
    const bool tap = GetParam();
    Bytes second_image;
    Bytes file = example_tape(tap);
    const Bytes second = second_tape(tap, second_image);
    file.insert(file.end(), second.begin(), second.end());

    const Reading reading = read_tape(tap, file, file.size());
    EXPECT_TRUE(reading.intact);
    ASSERT_EQ(reading.images.size(), 2u);
    EXPECT_EQ(reading.images[0], test::raw_example_image(tap));
    EXPECT_EQ(reading.images[1], second_image);
}

// Cut anywhere, appended tapes are intact only where a tape ends.
TEST_P(TapeReading, RefusesEveryCutInsideABlock) {
    const bool tap = GetParam();
    Bytes second_image;
    Bytes file = example_tape(tap);
    const std::size_t first_end = file.size();
    const Bytes second = second_tape(tap, second_image);
    file.insert(file.end(), second.begin(), second.end());

    for (std::size_t length = 0; length <= file.size(); ++length) {
        const Reading reading = read_tape(tap, file, length);
        const bool whole = length == 0 || length == first_end || length == file.size();
        EXPECT_EQ(reading.intact, whole) << "cut to " << length << " bytes";
    }
}

TEST_P(TapeReading, TheOtherFormatIsRefused) {
    const bool tap = GetParam();
    const Bytes file = example_tape(!tap);
    EXPECT_FALSE(read_tape(tap, file, file.size()).intact);
}

INSTANTIATE_TEST_SUITE_P(Formats, TapeReading, testing::Values(true, false),
                         [](const auto& info) { return std::string(info.param ? "Tap" : "Ptp"); });

// A TAP block behind its length word: flag, contents and the XOR checksum.
Bytes tap_block(std::uint8_t flag, const Bytes& contents) {
    const int length = static_cast<int>(contents.size()) + 2;
    Bytes block{static_cast<std::uint8_t>(length), static_cast<std::uint8_t>(length >> 8), flag};
    block.insert(block.end(), contents.begin(), contents.end());
    block.push_back(xor_checksum(block.data() + 2, length - 1, 0));
    return block;
}

// A Spectrum program (BASIC) header and its data, and a headerless block:
// files that are not code files, which a tape with a loader holds.
TEST(TapReading, PassesOverFilesThatAreNotCode) {
    Bytes file = tap_block(0x00, {0, 'l', 'o', 'a', 'd', 'e', 'r', ' ', ' ', ' ', ' ', 3, 0, 10, 0, 3, 0});
    const Bytes program = tap_block(0xFF, {0xEF, 0x22, 0x22});
    file.insert(file.end(), program.begin(), program.end());
    const Bytes headerless = tap_block(0xFF, {1, 2, 3, 4});
    file.insert(file.end(), headerless.begin(), headerless.end());
    const Bytes tape = example_tape(true);
    file.insert(file.end(), tape.begin(), tape.end());

    const Reading reading = read_tape(true, file, file.size());
    EXPECT_TRUE(reading.intact);
    ASSERT_EQ(reading.images.size(), 1u);
    EXPECT_EQ(reading.images[0], test::raw_example_image(true));
}

TEST(TapReading, ACodeHeaderNeedsItsDataBlockRightBehindIt) {
    const Bytes tape = example_tape(true);
    const Bytes header(tape.begin(), tape.begin() + 21);
    // The header alone, and the header followed by another header.
    EXPECT_FALSE(read_tape(true, header, header.size()).intact);
    Bytes twice = header;
    twice.insert(twice.end(), tape.begin(), tape.end());
    EXPECT_FALSE(read_tape(true, twice, twice.size()).intact);
}

}  // namespace
}  // namespace vendrel
