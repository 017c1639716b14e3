#include "tape/compose_output.h"

#include <cstdio>

#include "tape/tape_containers.h"
#include "target/cpu_description.h"
#include "target/packed_image.h"

namespace vendrel {

int compose_output(Job& job) {
    if (const int result = check_output_fits(job); result != 0) return result;
    const CpuDescription& cpu = cpu_of_job(job);
    // The command line refuses a tape of another CPU.
    const TapeFormat* tape = tape_of_job(job);
    if (job.verbose) std::printf("Composing result file with %s routine...\n", cpu.name);
    if (tape != nullptr) {
        if (job.verbose) std::printf("Constructing %s file.\n", tape->name);
        tape_container(*tape).write(*cpu.routine, job);
    } else {
        compose_raw_image(*cpu.routine, job);
    }
    return 0;
}

}  // namespace vendrel
