#include "tape/tap_file.h"

#include <functional>
#include <numeric>

#include "tape/tape_reader.h"
#include "tape/tape_writer.h"
#include "target/packed_image.h"
#include "target/unpack_routines.h"

namespace vendrel {

namespace {

constexpr int kHeaderFlag = 0x00;
constexpr int kDataFlag = 0xFF;
constexpr int kCodeBlockType = 3;
constexpr int kHeaderDataLengthOffset = 12;  // flag, type, name, then the data length

// One block of a TAP file: its bytes (flag, contents, checksum) inside the file.
struct TapBlock {
    int offset;
    int length;
};

// Reads the next block; false when it is cut short, has no room for its
// flag and checksum, or its bytes do not XOR to 0 (the checksum is the XOR
// of the rest).
bool read_block(TapeReader& tape, TapBlock& block) {
    block.length = tape.length_word();
    if (block.length < 2) return false;
    block.offset = tape.block(block.length);
    return block.offset >= 0 && xor_checksum(tape.file + block.offset, block.length, 0) == 0;
}

bool is_code_header(const TapeReader& tape, const TapBlock& block) {
    return block.length == kTapHeaderBlockLength && tape.file[block.offset] == kHeaderFlag &&
           tape.file[block.offset + 1] == kCodeBlockType;
}

}  // namespace

std::uint8_t xor_checksum(const std::uint8_t* bytes, int length, std::uint8_t accumulator) {
    return std::accumulate(bytes, bytes + length, accumulator, std::bit_xor<std::uint8_t>{});
}

void compose_tap_file(Job& job) { write_tap_file(z80_routine_layout, job); }

void write_tap_file(const RoutineLayout& routine, Job& job) {
    // The data block carries the raw image unchanged; it goes in first,
    // since the header needs its length.
    const int total = write_raw_image(routine, job, job.image_buffer + kTapImageStart);
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

bool read_tap_files(const std::uint8_t* file, int length, std::vector<TapeData>& files) {
    TapeReader tape{file, length};
    while (!tape.at_end()) {
        TapBlock block;
        if (!read_block(tape, block)) return false;
        if (!is_code_header(tape, block)) continue;
        // A code header announces its data block's length; the block must
        // follow with the data flag and exactly that much data.
        const int data_length = tape.word_at(block.offset + kHeaderDataLengthOffset);
        TapBlock data;
        if (!read_block(tape, data)) return false;
        if (data.length != data_length + 2 || tape.file[data.offset] != kDataFlag) return false;
        files.push_back({data.offset + 1, data_length});
    }
    return true;
}

}  // namespace vendrel
