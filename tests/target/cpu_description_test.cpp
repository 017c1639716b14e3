// The CPU descriptions as the rest of the program relies on them: each CPU
// told apart by its option, its routine's length and its tape; the job's
// CPU, and the first known CPU without an option; every image recognised as
// its own CPU's.
#include "target/cpu_description.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "support/example_image.h"
#include "support/job_fixture.h"
#include "target/packed_image.h"

namespace vendrel {
namespace {

TEST(KnownCpus, EachHasAnOptionARoutineLengthAndContainersOfItsOwn) {
    const auto cpus = known_cpus();
    ASSERT_EQ(cpus.size(), 3u);
    for (std::size_t i = 0; i < cpus.size(); ++i) {
        ASSERT_NE(cpus[i]->tapes[0], nullptr);
        for (std::size_t j = i + 1; j < cpus.size(); ++j) {
            EXPECT_NE(cpus[i]->option, cpus[j]->option);
            // A recognised image's CPU is told by its routine's length.
            EXPECT_NE(cpus[i]->routine->length, cpus[j]->routine->length);
            // The command line counts each container option once.
            for (const TapeFormat* mine : cpus[i]->tapes) {
                for (const TapeFormat* theirs : cpus[j]->tapes) {
                    if (mine != nullptr && theirs != nullptr) {
                        EXPECT_NE(mine->option, theirs->option);
                    }
                }
            }
        }
    }
}

TEST(KnownCpus, TheJobsOptionsPickTheCpuAndItsTape) {
    for (const CpuDescription* cpu : known_cpus()) {
        SCOPED_TRACE(cpu->name);
        Job job{};
        job.*cpu->option = 1;
        EXPECT_EQ(&cpu_of_job(job), cpu);
        EXPECT_EQ(tape_of_job(job), nullptr);
        for (const TapeFormat* tape : cpu->tapes) {
            if (tape == nullptr) continue;
            Job with_tape = job;
            with_tape.*tape->option = 1;
            EXPECT_EQ(tape_of_job(with_tape), tape);
            EXPECT_TRUE(carries(*cpu, *tape));
        }
        EXPECT_EQ(&cpu_of_routine_length(cpu->routine->length), cpu);
    }
}

// Extraction tries the i8080 routine first, and a job without a CPU option
// (an extraction) takes the i8080's addresses as its defaults.
TEST(KnownCpus, TheI8080ComesFirstAndStandsInWithoutAnOption) {
    EXPECT_EQ(known_cpus().front(), &i8080_cpu);
    const Job job{};
    EXPECT_EQ(&cpu_of_job(job), &i8080_cpu);
    EXPECT_EQ(&cpu_of_routine_length(0), &i8080_cpu);
    EXPECT_EQ(tape_of_job(job), nullptr);
}

// The CPU that recognition finds in a file loaded alone, or nullptr.
const CpuDescription* recognised_cpu(const test::Bytes& file) {
    const JobHandle job = make_job();
    std::uint8_t* const own_table = job->symbol_table;
    std::memcpy(job->text_buffer, file.data(), file.size());
    job->source_length = static_cast<int>(file.size());
    const CpuDescription* cpu = recognise_known_image(*job);
    // Recognition points the symbol table into the text buffer.
    job->symbol_table = own_table;
    return cpu;
}

TEST(KnownCpus, AnImageIsRecognisedAsItsOwnCpus) {
    for (const test::RawExampleCase& c : test::kRawExampleCases) {
        SCOPED_TRACE(c.name);
        const JobHandle job = test::raw_example_job(c.z80);
        test::Bytes image = test::bytes(job->image_buffer, job->total_length);
        const CpuDescription* own = c.z80 ? &z80_cpu : &i8080_cpu;
        EXPECT_EQ(recognised_cpu(image), own);
        // Byte 7 is the first the two routines do not share.
        image[7] ^= 0xFF;
        EXPECT_EQ(recognised_cpu(image), nullptr);
    }
}

}  // namespace
}  // namespace vendrel
