#include "support/example_image.h"

#include <cstring>

#include "support/hand_packed.h"
#include "target/packed_image.h"

namespace vendrel::test {

void set_example(Job& job) {
    load_packed(job, five_character_text());
    job.record_count = 5;
    job.source_length = kExampleSourceLength;
}

JobHandle raw_example_job(bool z80) {
    JobHandle job = make_job();
    std::memset(job->image_buffer, kUnwritten, kImageBufferSize);
    set_example(*job);
    job->z80 = z80 ? 1 : 0;
    job->load_address = z80 ? 0x8000 : 0;
    job->print_address = z80 ? 0x10 : 0x8500;
    if (z80) {
        compose_z80_image(*job);
    } else {
        compose_i8080_image(*job);
    }
    return job;
}

}  // namespace vendrel::test
