#include "tape/compose_output.h"

#include <cstdio>

#include "tape/ptp_file.h"
#include "tape/tap_file.h"
#include "target/packed_image.h"

namespace vendrel {

int compose_output(Job& job) {
    if (const int result = check_output_fits(job); result != 0) return result;
    const auto say = [&job](const char* message) {
        if (job.verbose) std::fputs(message, stdout);
    };
    if (job.z80) {
        say("Composing result file with Z80 routine...\n");
        if (job.tap) {
            say("Constructing TAP file.\n");
            compose_tap_file(job);
        } else {
            compose_z80_image(job);
        }
    } else {
        say("Composing result file with i8080 routine...\n");
        if (job.ptp) {
            say("Constructing PTP file.\n");
            compose_ptp_file(job);
        } else {
            compose_i8080_image(job);
        }
    }
    return 0;
}

}  // namespace vendrel
