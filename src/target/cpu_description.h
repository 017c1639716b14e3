// Everything that tells one target CPU from another, in one record per CPU:
// its unpack routine, what the routine's paths cost, the default addresses,
// the tape that carries its image and how a program calls the routine. The
// rest of the program walks known_cpus() instead of naming a CPU; a new CPU
// is a file defining its description and a row in known_cpus.cpp.
#pragma once

#include <cstdint>
#include <span>

#include "base/job.h"
#include "target/image_format.h"
#include "target/record_timer.h"
#include "target/routine_costs.h"
#include "target/routine_patch.h"

namespace vendrel {

// How a program on the target calls the routine, in the CPU's own register
// names, as the include file tells it.
struct CallingConvention {
    const char* record_register;     // holds the record number on entry
    const char* character_register;  // holds each character at the print address
    const char* kept_registers;      // what the print routine must leave as it was
    const char* changed_registers;   // what the routine changes
    const char* found_flag;          // set on return when the record was printed
};

// The stack the routine takes: `base` bytes for the record loop's call and
// `per_level` for each level of nested pair expansion, without what the
// print routine takes.
struct StackUse {
    int base;
    int per_level;
};

// A CPU carries its image in at most this many containers besides raw.
inline constexpr int kMaxContainersPerCpu = 2;

struct CpuDescription {
    const char* name;              // in the verbose lines and the include file
    std::int32_t Job::*option;     // the flag of the option that picks it
    const RoutineLayout* routine;  // template, patch fields and relocations
    RoutineCosts costs;            // for the timing estimate
    RecordTimer time_records;      // the estimate: from costs, or also from the image's place
    const char* time_unit;         // what the estimate counts, as the listing's column heading
    int default_load_address;      // -a when it is not given
    int default_print_address;     // -pa when it is not given
    // The files that carry its image besides the raw one, nullptr after the last.
    const TapeFormat* tapes[kMaxContainersPerCpu];
    CallingConvention calls;
    StackUse stack;
    int default_zero_page;         // -zp when it is not given; -1: uses no zero page
    int default_stack_bound;       // -stack when it is not given; 0: no bound
};

// Each defined in a file of its own beside its routine.
extern const CpuDescription i8080_cpu;
extern const CpuDescription z80_cpu;
extern const CpuDescription mos6502_cpu;

// Every CPU, in the order in which extraction tries their routines. Each
// has a routine length of its own, and containers that no other CPU uses.
std::span<const CpuDescription* const> known_cpus();

// The CPU whose option the job gives. Without one (an extraction, or a
// packing run about to be refused for it) the first known CPU, whose
// addresses are then the defaults.
const CpuDescription& cpu_of_job(const Job& job);

// The CPU whose routine is length bytes long, as in a recognised image;
// the first known CPU when none is.
const CpuDescription& cpu_of_routine_length(int length);

// The container (tape or program file) whose option the job gives, or
// nullptr for a raw image.
const TapeFormat* tape_of_job(const Job& job);

// True when cpu's image goes into format.
bool carries(const CpuDescription& cpu, const TapeFormat& format);

// The stack in bytes that cpu's routine takes at a nesting of `nesting`
// levels.
int stack_bytes(const CpuDescription& cpu, int nesting);

}  // namespace vendrel
