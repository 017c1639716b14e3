// Each CPU's tape: the composed output is the tape file its container reads
// back, holding exactly the CPU's raw image.
#include "tape/tape_containers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/example_image.h"
#include "support/job_fixture.h"
#include "tape/compose_output.h"
#include "target/cpu_description.h"

namespace vendrel {
namespace {

TEST(TapeContainers, EachCpusTapeCarriesItsRawImage) {
    for (const test::RawExampleCase& c : test::kRawExampleCases) {
        const CpuDescription& cpu = cpu_of_job(*test::raw_example_job(c.z80));
        for (const TapeFormat* tape : cpu.tapes) {
            if (tape == nullptr) continue;
            SCOPED_TRACE(std::string(c.name) + " " + tape->name);
            const JobHandle job = test::raw_example_job(c.z80);
            const test::Bytes raw = test::bytes(job->image_buffer, job->total_length);
            ASSERT_EQ(cpu.routine->length, c.routine_length);
            (*job).*tape->option = 1;
            ASSERT_EQ(compose_output(*job), 0);
            EXPECT_EQ(job->final_length, c.total_length + tape->framing);

            const TapeContainer& container = tape_container(*tape);
            EXPECT_EQ(container.format, tape);
            std::vector<TapeData> files;
            ASSERT_TRUE(container.read(job->image_buffer, job->final_length, files));
            ASSERT_EQ(files.size(), 1u);
            EXPECT_EQ(test::bytes(job->image_buffer + files[0].offset, files[0].length), raw);
        }
    }
}

}  // namespace
}  // namespace vendrel
