// The worked example (five_character_text) made into a tape file: a TAP
// file with the Z80 routine or a PTP file with the i8080 routine.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "support/emulator.h"
#include "support/example_image.h"
#include "support/hand_packed.h"
#include "support/job_fixture.h"
#include "tape/ptp_file.h"
#include "tape/tap_file.h"

namespace vendrel::test {

// A job holding the example at the addresses of compose_raw_example (TAP:
// at 32768, printing through 16; PTP: at 0, printing through 0x8500), from a
// prepared text of 150 bytes, with the tape block name.
inline JobHandle tape_example(bool tap, const char* name = "HELLO") {
    JobHandle job = make_job();
    load_packed(*job, five_character_text());
    job->z80 = job->tap = tap ? 1 : 0;
    job->i8080 = job->ptp = tap ? 0 : 1;
    job->load_address = tap ? 32768 : 0;
    job->print_address = tap ? 16 : 0x8500;
    job->source_length = 150;
    std::strcpy(job->tape_name, name);
    return job;
}

// The example with its code stream replaced by `count` copies of `code`.
inline void load_repeated_codes(Job& job, int count, std::uint8_t code) {
    HandPacked packed = five_character_text();
    packed.stream.assign(static_cast<std::size_t>(count), code);
    load_packed(job, packed);
}

// The tape file the job asks for.
inline Bytes compose_tape(Job& job) {
    if (job.tap) {
        compose_tap_file(job);
    } else {
        compose_ptp_file(job);
    }
    return bytes(job.image_buffer, job.final_length);
}

// The raw image a tape file carries: the example without tape framing.
inline Bytes raw_example_image(bool z80) {
    const JobHandle job = raw_example_job(z80);
    return bytes(job->image_buffer, job->final_length);
}

// Calls the routine of an image read back from a tape for every record of
// the example; each prints exactly its record.
inline void expect_example_records(const Bytes& image, int load_address, int print_address) {
    const std::vector<std::string> records = five_character_records();
    for (std::size_t k = 0; k + 1 < records.size(); ++k) {
        const RoutineCall call =
            call_unpack_routine(image, static_cast<std::uint16_t>(load_address),
                                static_cast<std::uint16_t>(print_address), static_cast<std::uint16_t>(k + 1));
        ASSERT_TRUE(call.returned);
        EXPECT_TRUE(call.zero_flag);
        EXPECT_TRUE(call.stack_balanced);
        EXPECT_EQ(call.printed, records[k]) << "record " << k + 1;
    }
}

}  // namespace vendrel::test
