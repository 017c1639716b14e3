// The unpack routines, each a byte template with its patch fields and
// relocations: the 58-byte Z80 routine, the 72-byte Intel 8080 routine and
// the 107-byte 6502 routine.
#pragma once

#include <array>
#include <cstdint>

#include "target/image_format.h"
#include "target/routine_patch.h"

namespace vendrel {

extern const std::array<std::uint8_t, kZ80RoutineLength> z80_routine_template;
extern const std::array<int, 2> z80_relocations;
extern const RoutineLayout z80_routine_layout;

extern const std::array<std::uint8_t, kI8080RoutineLength> i8080_routine_template;
extern const std::array<int, 8> i8080_relocations;
extern const RoutineLayout i8080_routine_layout;

extern const std::array<std::uint8_t, kMos6502RoutineLength> mos6502_routine_template;
extern const std::array<int, 3> mos6502_relocations;
extern const RoutineLayout mos6502_routine_layout;

}  // namespace vendrel
