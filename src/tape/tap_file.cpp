#include "tape/tap_file.h"

#include <functional>
#include <numeric>

#include "tape/tape_writer.h"
#include "target/packed_image.h"
#include "target/unpack_routines.h"

namespace vendrel {

namespace {

constexpr int kHeaderFlag = 0x00;
constexpr int kDataFlag = 0xFF;
constexpr int kCodeBlockType = 3;

}  // namespace

std::uint8_t xor_checksum(const std::uint8_t* bytes, int length, std::uint8_t accumulator) {
    return std::accumulate(bytes, bytes + length, accumulator, std::bit_xor<std::uint8_t>{});
}

void compose_tap_file(Job& job) {
    // The data block carries the raw Z80 image unchanged; it goes in first,
    // since the header needs its length.
    const int total = write_raw_image(z80_routine_layout, job, job.image_buffer + kTapImageStart);
    job.total_length = total;

    TapeWriter out{job.image_buffer};
    out.word(kTapHeaderBlockLength);
    const std::uint8_t* header = out.byte(kHeaderFlag);
    out.byte(kCodeBlockType);
    out.name(job.tape_name, kTapNameWidth);
    out.word(total);
    out.word(job.load_address);
    out.word(job.source_length);
    out.byte(xor_checksum(header, kTapHeaderBlockLength - 1, 0));

    out.word(total + 2);  // flag, image, checksum
    const std::uint8_t* data = out.byte(kDataFlag);
    out.position += total;
    // The checksum covers the flag byte as well as the image.
    out.byte(xor_checksum(data, total + 1, 0));
    job.final_length = total + kTapFraming;
}

}  // namespace vendrel
