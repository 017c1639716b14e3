// The worked example (five_character_text) in a Job as a packing run leaves
// it, ready to be composed into an image of 87 bytes (Z80) or 101 (i8080).
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "support/job_making.h"

namespace vendrel::test {

// The length of the example's prepared text, "#abc" CR "#abab" CR "#abc" CR
// "#abcabc" CR "#c" CR "#".
inline constexpr int kExampleSourceLength = 28;

// Loads the example's symbol table and code stream (load_packed) and sets
// its record count and source length.
void set_example(Job& job);

// The example composed raw: the routine's length and the image's.
struct RawExampleCase {
    const char* name;
    bool z80;
    int routine_length;
    int total_length;
};
inline constexpr RawExampleCase kRawExampleCases[] = {{"z80", true, 58, 87}, {"i8080", false, 72, 101}};

// A job with the example composed into its raw image, for the Z80 at 0x8000
// printing through 0x10, or for the i8080 at 0 printing through 0x8500. The
// image buffer is filled with kUnwritten first, so that what the composer
// leaves alone shows.
inline constexpr std::uint8_t kUnwritten = 0xEE;
JobHandle raw_example_job(bool z80);

// The tests over both raw images: GetParam() gives the processor and the
// lengths, job the composed image.
class RawExample : public testing::TestWithParam<RawExampleCase> {
protected:
    const JobHandle job = raw_example_job(GetParam().z80);
};

inline std::string raw_example_name(const testing::TestParamInfo<RawExampleCase>& info) { return info.param.name; }

}  // namespace vendrel::test
