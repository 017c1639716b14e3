// The 58-byte Z80 unpack routine: template, patch fields, relocations.
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

// Writes the routine patched for the job's addresses and sizes to out (at
// least 58 bytes), sets job.routine_length and returns 58.
int patch_z80_routine(Job& job, std::uint8_t* out);

}  // namespace vendrel
