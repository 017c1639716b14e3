// Conversion files that open but cannot be read.
#include <gtest/gtest.h>

#include "base/errors.h"
#include "prepare/conversion_table.h"
#include "support/job_fixture.h"
#include "support/program.h"

namespace vendrel {
namespace {

TEST(ConversionTableRegression, DirectoryIsNotAnEmptyTable) {
    // A directory opens for reading, but every read of it fails; it used
    // to be taken for an empty file, and the text was packed unconverted.
    const test::ScratchDir dir;
    const std::string path = dir.path().string();
    JobHandle job = make_job();
    job->conversion_path = path.c_str();
    testing::internal::CaptureStderr();
    const int result = read_conversion_table(*job);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(result, kCannotOpenConversion);
    EXPECT_EQ(err, "Can't open conversion file '" + path + "'!\n\n");
}

TEST(ConversionTableRegression, DirectoryEndsTheRunWithoutOutput) {
    const test::ScratchDir dir;
    const std::string source = dir.write("s.txt", "|abc|abc|");
    const test::ProgramResult result = test::run_program({source, "-z80", "-ct", dir.path().string()});
    EXPECT_EQ(result.exit_status, 24);
    EXPECT_EQ(result.err, "Can't open conversion file '" + dir.path().string() + "'!\n\n");
    EXPECT_FALSE(test::file_exists(dir.file("s.vdl")));
}

}  // namespace
}  // namespace vendrel
