// The 72-byte Intel 8080 unpack routine: template, patch fields, relocations.
#pragma once

#include <array>
#include <cstdint>

#include "base/job.h"
#include "target/image_format.h"
#include "target/routine_patch.h"

namespace vendrel {

extern const std::array<std::uint8_t, kI8080RoutineLength> i8080_routine_template;
extern const std::array<int, 8> i8080_relocations;
extern const RoutineLayout i8080_routine_layout;

// Writes the routine patched for the job's addresses and sizes to out (at
// least 72 bytes), sets job.routine_length and returns 72.
int patch_i8080_routine(Job& job, std::uint8_t* out);

}  // namespace vendrel
