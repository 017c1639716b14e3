#include "tape/ptp_file.h"

#include <numeric>

#include "tape/tape_reader.h"
#include "tape/tape_writer.h"
#include "target/unpack_routines.h"
#include "target/packed_image.h"

namespace vendrel {

namespace {

// The header block: three runs of fill bytes around its fields.
constexpr int kFillRunLength = 16;
constexpr int kHeaderFieldsLength = 14;
constexpr int kHeaderMark = 0x3F;
constexpr std::uint8_t kFillBytes[] = {0xFF, 0x00, 0x55};
constexpr int kFillLength = kFillRunLength * 3;
constexpr int kHeaderLengthOffset = 4;  // in the fields: number, mark, load address, then length - 1

// True when the header block at offset has the three fill runs and its
// fields add up to their checksum.
bool is_header_block(const TapeReader& tape, int offset) {
    for (int i = 0; i < kFillLength; ++i) {
        if (tape.file[offset + i] != kFillBytes[i / kFillRunLength]) return false;
    }
    const std::uint8_t* fields = tape.file + offset + kFillLength;
    return sum_checksum(fields, kHeaderFieldsLength, 0) == fields[kHeaderFieldsLength];
}

}  // namespace

std::uint8_t sum_checksum(const std::uint8_t* bytes, int length, std::uint8_t accumulator) {
    return static_cast<std::uint8_t>(std::accumulate(bytes, bytes + length, unsigned{accumulator}));
}

void compose_ptp_file(Job& job) { write_ptp_file(i8080_routine_layout, job); }

void write_ptp_file(const RoutineLayout& routine, Job& job) {
    // The data block carries the raw image unchanged; it goes in
    // first, since the header needs its length.
    const int total = write_raw_image(routine, job, job.image_buffer + kPtpImageStart);
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

bool read_ptp_files(const std::uint8_t* file, int length, std::vector<TapeData>& files) {
    TapeReader tape{file, length};
    while (!tape.at_end()) {
        if (tape.length_word() != kPtpHeaderBlockLength) return false;
        const int header = tape.block(kPtpHeaderBlockLength);
        if (header < 0 || !is_header_block(tape, header)) return false;
        // The header holds the data's length minus one; the data block adds
        // its checksum.
        const int data_length = tape.word_at(header + kFillLength + kHeaderLengthOffset) + 1;
        if (tape.length_word() != data_length + 1) return false;
        const int data = tape.block(data_length + 1);
        if (data < 0 || sum_checksum(file + data, data_length, 0) != file[data + data_length]) return false;
        files.push_back({data, data_length});
    }
    return true;
}

}  // namespace vendrel
