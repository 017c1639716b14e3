#include "target/cpu_description.h"

namespace vendrel {

namespace {

// The i8080 comes first: extraction tries its routine first, and its
// addresses are the defaults of a run without a CPU option.
constexpr const CpuDescription* kKnownCpus[] = {&i8080_cpu, &z80_cpu, &mos6502_cpu};

}  // namespace

std::span<const CpuDescription* const> known_cpus() { return kKnownCpus; }

const CpuDescription& cpu_of_job(const Job& job) {
    for (const CpuDescription* cpu : kKnownCpus) {
        if (job.*cpu->option != 0) return *cpu;
    }
    return *kKnownCpus[0];
}

const CpuDescription& cpu_of_routine_length(int length) {
    for (const CpuDescription* cpu : kKnownCpus) {
        if (cpu->routine->length == length) return *cpu;
    }
    return *kKnownCpus[0];
}

const TapeFormat* tape_of_job(const Job& job) {
    for (const CpuDescription* cpu : kKnownCpus) {
        for (const TapeFormat* tape : cpu->tapes) {
            if (tape != nullptr && job.*tape->option != 0) return tape;
        }
    }
    return nullptr;
}

bool carries(const CpuDescription& cpu, const TapeFormat& format) {
    for (const TapeFormat* tape : cpu.tapes) {
        if (tape == &format) return true;
    }
    return false;
}

int stack_bytes(const CpuDescription& cpu, int nesting) { return cpu.stack.base + cpu.stack.per_level * nesting; }

}  // namespace vendrel
