#include "tape/tap_file.h"

#include <gtest/gtest.h>
#include <libspectrum.h>

#include <string>
#include <vector>

#include "support/program.h"
#include "support/tzxlist.h"
#include "tape/tape_example.h"

namespace vendrel {
namespace {
using test::Bytes;
using test::compose_tape;

Bytes slice(const Bytes& bytes, std::size_t from, std::size_t length) {
    return Bytes(bytes.begin() + static_cast<long>(from), bytes.begin() + static_cast<long>(from + length));
}

TEST(TapFile, ExampleHeaderAndDataBlock) {
    JobHandle job = test::tape_example(true);
    const Bytes file = compose_tape(*job);

    EXPECT_EQ(job->routine_length, 58);
    EXPECT_EQ(job->total_length, 87);
    EXPECT_EQ(job->final_length, 87 + 25);
    ASSERT_EQ(file.size(), 112u);
    const Bytes header{0x13, 0x00, 0x00, 0x03, 0x48, 0x45, 0x4C, 0x4C, 0x4F, 0x20, 0x20,
                       0x20, 0x20, 0x20, 0x57, 0x00, 0x00, 0x80, 0x96, 0x00, 0x20};
    EXPECT_EQ(slice(file, 0, 21), header);
    EXPECT_EQ(slice(file, 21, 3), (Bytes{0x59, 0x00, 0xFF}));
    EXPECT_EQ(slice(file, 24, 87), test::raw_example_image(true));

    std::uint8_t checksum = 0xFF;
    for (std::uint8_t byte : test::raw_example_image(true)) checksum ^= byte;
    EXPECT_EQ(file[111], checksum);
}

TEST(TapFile, DataChecksumCoversTheFlagByte) {
    JobHandle job = test::tape_example(true);
    // Make the last code the XOR of the rest of the image, so that the
    // image's bytes XOR to 0 and only the flag byte is left.
    const Bytes image = test::raw_example_image(true);
    std::uint8_t rest = 0;
    for (std::size_t i = 0; i + 1 < image.size(); ++i) rest ^= image[i];
    job->text_buffer[job->packed_length - 1] = rest;

    const Bytes file = compose_tape(*job);
    EXPECT_EQ(xor_checksum(file.data() + 24, 87, 0), 0);
    EXPECT_EQ(file.back(), 0xFF);
}

TEST(TapFile, FinalLengthIsTotalPlus25) {
    for (int codes : {0, 1, 300, 5000}) {
        JobHandle job = make_job();
        test::load_repeated_codes(*job, codes, 3);
        job->load_address = 0x6000;
        job->print_address = 16;
        compose_tap_file(*job);
        EXPECT_EQ(job->total_length, 58 + 9 + codes);
        EXPECT_EQ(job->final_length, job->total_length + 25);
        const std::uint8_t* file = job->image_buffer;
        EXPECT_EQ(file[21] | (file[22] << 8), job->total_length + 2);
        EXPECT_EQ(xor_checksum(file + 23, job->total_length + 2, 0), 0) << "data checksum";
    }
}

// --- Real tools -----------------------------------------------------------

struct TapeBlock {
    Bytes data;  // flag byte, contents, checksum
};

std::vector<TapeBlock> read_with_libspectrum(const Bytes& file) {
    static const bool initialised = libspectrum_init() == LIBSPECTRUM_ERROR_NONE;
    EXPECT_TRUE(initialised);
    libspectrum_tape* tape = libspectrum_tape_alloc();
    std::vector<TapeBlock> blocks;
    const libspectrum_error error =
        libspectrum_tape_read(tape, file.data(), file.size(), LIBSPECTRUM_ID_TAPE_TAP, nullptr);
    EXPECT_EQ(error, LIBSPECTRUM_ERROR_NONE);
    libspectrum_tape_iterator it;
    for (libspectrum_tape_block* block = libspectrum_tape_iterator_init(&it, tape); block != nullptr;
         block = libspectrum_tape_iterator_next(&it)) {
        EXPECT_EQ(libspectrum_tape_block_type(block), LIBSPECTRUM_TAPE_BLOCK_ROM);
        const libspectrum_byte* data = libspectrum_tape_block_data(block);
        blocks.push_back(TapeBlock{Bytes(data, data + libspectrum_tape_block_data_length(block))});
    }
    libspectrum_tape_free(tape);
    return blocks;
}

int word_at(const Bytes& bytes, std::size_t offset) { return bytes[offset] | (bytes[offset + 1] << 8); }

TEST(TapFileTools, LibspectrumReadsAHeaderAndACodeBlock) {
    JobHandle job = test::tape_example(true);
    const Bytes file = compose_tape(*job);

    const std::vector<TapeBlock> blocks = read_with_libspectrum(file);
    ASSERT_EQ(blocks.size(), 2u);
    const Bytes& header = blocks[0].data;
    ASSERT_EQ(header.size(), 19u);
    EXPECT_EQ(header[0], 0x00);
    EXPECT_EQ(header[1], 3) << "code block";
    EXPECT_EQ(std::string(header.begin() + 2, header.begin() + 12), "HELLO     ");
    EXPECT_EQ(word_at(header, 12), 87);
    EXPECT_EQ(word_at(header, 14), 32768);
    EXPECT_EQ(word_at(header, 16), 150);

    const Bytes& data = blocks[1].data;
    ASSERT_EQ(data.size(), 89u);
    EXPECT_EQ(data[0], 0xFF);
    EXPECT_EQ(slice(data, 1, 87), test::raw_example_image(true));
}


TEST(TapFileTools, TzxlistListsBothBlocksWithGoodChecksums) {
    JobHandle job = test::tape_example(true);
    const Bytes file = compose_tape(*job);
    test::ScratchDir dir;
    const std::string path = dir.write("hello.tap", std::string(file.begin(), file.end()));

    const std::string listing = test::tzxlist(path);
    EXPECT_EQ(test::count_of(listing, "--= Block #"), 2) << listing;
    EXPECT_EQ(test::count_of(listing, "(PASS)"), 2) << listing;
    EXPECT_EQ(test::count_of(listing, "FAIL"), 0) << listing;
    EXPECT_NE(listing.find("Bytes: \"HELLO     \" CODE  32768, 87"), std::string::npos) << listing;
}

TEST(TapFileTools, DataBlockImageRunsOnTheZ80) {
    JobHandle job = test::tape_example(true);
    const std::vector<TapeBlock> blocks = read_with_libspectrum(compose_tape(*job));
    ASSERT_EQ(blocks.size(), 2u);
    test::expect_example_records(slice(blocks[1].data, 1, blocks[1].data.size() - 2), 32768, 16);
}

}  // namespace
}  // namespace vendrel
