#include "tape/xex_file.h"

#include "tape/tape_writer.h"
#include "target/packed_image.h"

namespace vendrel {

namespace {

constexpr int kMarker = 0xFFFF;

}  // namespace

void write_xex_file(const RoutineLayout& routine, Job& job) {
    TapeWriter out{job.image_buffer};
    out.word(kMarker);
    out.word(job.load_address);
    std::uint8_t* last_address = out.word(0);
    const int total = write_raw_image(routine, job, out.position);
    // An image that is not empty ends total - 1 bytes after its start.
    TapeWriter{last_address}.word(job.load_address + total - 1);
    job.total_length = total;
    job.final_length = total + kXexFraming;
}

bool read_xex_files(const std::uint8_t* file, int length, std::vector<TapeData>& files) {
    TapeReader xex{file, length};
    if (xex.length_word() != kMarker) return false;
    while (!xex.at_end()) {
        int first = xex.length_word();
        if (first == kMarker) first = xex.length_word();
        const int last = xex.length_word();
        if (first < 0 || last < first) return false;
        const int offset = xex.block(last - first + 1);
        if (offset < 0) return false;
        files.push_back({offset, last - first + 1});
    }
    return true;
}

}  // namespace vendrel
