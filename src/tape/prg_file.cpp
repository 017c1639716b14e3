#include "tape/prg_file.h"

#include "tape/tape_writer.h"
#include "target/packed_image.h"

namespace vendrel {

void write_prg_file(const RoutineLayout& routine, Job& job) {
    TapeWriter out{job.image_buffer};
    out.word(job.load_address);
    const int total = write_raw_image(routine, job, out.position);
    job.total_length = total;
    job.final_length = total + kPrgFraming;
}

bool read_prg_files(const std::uint8_t* /*file*/, int length, std::vector<TapeData>& files) {
    if (length < kPrgFraming) return false;
    files.push_back({kPrgFraming, length - kPrgFraming});
    return true;
}

}  // namespace vendrel
