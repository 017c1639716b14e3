#include "tape/ptp_file.h"

#include <numeric>

#include "tape/tape_writer.h"
#include "target/unpack_routines.h"
#include "target/packed_image.h"

namespace vendrel {

namespace {

// The header block: three runs of fill bytes around its fields.
constexpr int kFillRunLength = 16;
constexpr int kHeaderFieldsLength = 14;
constexpr int kHeaderMark = 0x3F;

}  // namespace

std::uint8_t sum_checksum(const std::uint8_t* bytes, int length, std::uint8_t accumulator) {
    return static_cast<std::uint8_t>(std::accumulate(bytes, bytes + length, unsigned{accumulator}));
}

void compose_ptp_file(Job& job) {
    // The data block carries the raw i8080 image unchanged; it goes in
    // first, since the header needs its length.
    const int total = write_raw_image(i8080_routine_layout, job, job.image_buffer + kPtpImageStart);
    job.total_length = total;

    TapeWriter out{job.image_buffer};
    out.word(kPtpHeaderBlockLength);
    out.run(0xFF, kFillRunLength);
    out.run(0x00, kFillRunLength);
    out.run(0x55, kFillRunLength);
    // The checksum covers the fields only, not the fill runs.
    const std::uint8_t* fields = out.byte(0x00);
    out.byte(kHeaderMark);
    out.word(job.load_address);
    out.word(total - 1);  // the format stores the length minus one
    out.name(job.tape_name, kPtpNameWidth);
    out.byte(sum_checksum(fields, kHeaderFieldsLength, 0));

    out.word(total + 1);  // image, checksum
    const std::uint8_t* data = out.position;
    out.position += total;
    out.byte(sum_checksum(data, total, 0));

    job.final_length = total + kPtpFraming;
}

}  // namespace vendrel
