// The two unpack routines, each a byte template with its patch fields and
// relocations: the 58-byte Z80 routine and the 72-byte Intel 8080 routine.
#pragma once

#include <array>
#include <cstdint>

#include "base/job.h"
#include "target/image_format.h"
#include "target/routine_patch.h"

namespace vendrel {

extern const std::array<std::uint8_t, kZ80RoutineLength> z80_routine_template;
extern const std::array<int, 2> z80_relocations;
extern const RoutineLayout z80_routine_layout;

extern const std::array<std::uint8_t, kI8080RoutineLength> i8080_routine_template;
extern const std::array<int, 8> i8080_relocations;
extern const RoutineLayout i8080_routine_layout;

// Write the routine patched for the job's addresses and sizes to out (at
// least its length), set job.routine_length and return the length.
int patch_z80_routine(Job& job, std::uint8_t* out);
int patch_i8080_routine(Job& job, std::uint8_t* out);

}  // namespace vendrel
