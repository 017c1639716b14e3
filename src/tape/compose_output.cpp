#include "tape/compose_output.h"

#include <cstdio>

#include "tape/ptp_file.h"
#include "tape/tap_file.h"
#include "target/packed_image.h"

namespace vendrel {

namespace {

// What each routine's output is composed with, and the verbose lines.
struct Composer {
    const char* routine_line;
    const char* tape_line;
    void (*raw)(Job& job);
    void (*tape)(Job& job);
};

constexpr Composer kZ80Composer = {"Composing result file with Z80 routine...\n", "Constructing TAP file.\n",
                                   compose_z80_image, compose_tap_file};
constexpr Composer kI8080Composer = {"Composing result file with i8080 routine...\n", "Constructing PTP file.\n",
                                     compose_i8080_image, compose_ptp_file};

}  // namespace

int compose_output(Job& job) {
    if (const int result = check_output_fits(job); result != 0) return result;
    const Composer& composer = job.z80 ? kZ80Composer : kI8080Composer;
    const bool tape = job.z80 ? job.tap : job.ptp;
    if (job.verbose) std::fputs(composer.routine_line, stdout);
    if (tape) {
        if (job.verbose) std::fputs(composer.tape_line, stdout);
        composer.tape(job);
    } else {
        composer.raw(job);
    }
    return 0;
}

}  // namespace vendrel
