// The figures of the README's table of measured results. Not a check: run
// it when the packer or the samples change, and copy its output:
//
//     build/default/bench/readme_measurements
//
// The Z80 routine is timed in Z80 T-states, the i8080 routine in the states
// of an Intel 8080. A "real text" is taken from /usr/share/common-licenses/GPL-3, present on
// every Debian system.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "support/emulator.h"
#include "support/program.h"

namespace vendrel::test {
namespace {

const std::string kSourceDir = VENDREL_SOURCE_DIR;

// Stops the measurement with a message when a run went wrong.
void require(bool condition, const std::string& what) {
    if (condition) return;
    std::fprintf(stderr, "measurement failed: %s\n", what.c_str());
    std::exit(1);
}

std::uint16_t word_at(const std::string& bytes, std::size_t offset) {
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes[offset]) |
                                      static_cast<std::uint8_t>(bytes[offset + 1]) << 8);
}

// Bytes written by a compressor command on standard output.
long compressed_size(const std::string& command, const std::string& path) {
    const std::string line = command + " < '" + path + "' | wc -c";
    FILE* pipe = ::popen(line.c_str(), "r");
    if (pipe == nullptr) return -1;
    long size = -1;
    if (std::fscanf(pipe, "%ld", &size) != 1) size = -1;
    ::pclose(pipe);
    return size;
}

struct Routine {
    const char* option;
    std::uint16_t load_address;
    std::uint16_t print_address;
    int routine_length;
    int record_loop;  // routine offset where the record loop starts, after the search
};

constexpr Routine kZ80{"-z80", 32768, 16, 58, 16};
constexpr Routine kI8080{"-i8080", 0, 0x8500, 72, 27};

struct Timing {
    std::uint64_t search = 0;     // T-states up to the record loop
    std::uint64_t expansion = 0;  // T-states from there to the return
    std::uint64_t characters = 0;
    std::uint64_t bytes_searched = 0;
    std::uint64_t calls = 0;
};

// Calls the routine once for every record of a raw image and adds up where
// the time goes.
Timing time_every_record(const Routine& routine, const std::string& image, int records) {
    const int symbol_size = word_at(image, 1) - word_at(image, routine.routine_length == 58 ? 51 : 65);
    const std::string stream = image.substr(static_cast<std::size_t>(routine.routine_length + symbol_size));
    Timing timing;
    std::size_t record_start = 1;
    for (int record = 1; record <= records; ++record) {
        EmulatedMachine machine;
        machine.load(routine.load_address, image);
        const RoutineCall run =
            machine.call(routine.load_address, routine.print_address, 0xFF00, static_cast<std::uint16_t>(record),
                         routine.load_address + routine.record_loop);
        require(run.returned && run.zero_flag, "record " + std::to_string(record) + " did not print");
        if (routine.routine_length == 58) {
            timing.search += run.tstates_at_mark;
            timing.expansion += run.tstates - run.tstates_at_mark;
        } else {
            // The i8080 routine timed as an 8080 runs it.
            require(run.unknown_8080_opcodes == 0, "an opcode without 8080 timing ran");
            timing.search += run.i8080_states_at_mark;
            timing.expansion += run.i8080_states - run.i8080_states_at_mark;
        }
        timing.characters += run.printed.size();
        timing.bytes_searched += record_start;
        timing.calls += 1;
        record_start = stream.find('\0', record_start) + 1;
    }
    return timing;
}

void measure(const std::string& name, const std::string& path, const std::vector<std::string>& options) {
    ScratchDir scratch;
    const long source = static_cast<long>(std::filesystem::file_size(path));
    std::printf("\n%s (%s", name.c_str(), path.c_str());
    for (const std::string& option : options) std::printf(" %s", option.c_str());
    std::printf(")\n  source %ld bytes, gzip -9 -n %ld, xz -9 %ld\n", source, compressed_size("gzip -9 -n -c", path),
                compressed_size("xz -9 -c", path));
    for (const Routine& routine : {kZ80, kI8080}) {
        std::vector<std::string> args = options;
        args.insert(args.end(), {routine.option, "-o", scratch.file("image"), path});
        const ProgramResult result = run_program(args);
        require(result.exit_status == 0, result.err);
        const std::string image = read_file(scratch.file("image"));
        int records = 0;
        const std::size_t at = result.out.find("Number of records:\t\t");
        require(at != std::string::npos, "no record count in the report");
        records = std::stoi(result.out.substr(at + 20));
        const Timing timing = time_every_record(routine, image, records);
        std::printf("  %-6s image %zu bytes (%.1f %%), %d records, %llu characters printed\n", routine.option,
                    image.size(), 100.0 * static_cast<double>(image.size()) / static_cast<double>(source),
                    records, static_cast<unsigned long long>(timing.characters));
        std::printf("         expansion %.1f T-states per character; search %.1f T-states per byte passed;"
                    " all records once: %.1f T-states per character\n",
                    static_cast<double>(timing.expansion) / static_cast<double>(timing.characters),
                    static_cast<double>(timing.search) / static_cast<double>(timing.bytes_searched),
                    static_cast<double>(timing.search + timing.expansion) /
                        static_cast<double>(timing.characters));
    }
}

}  // namespace
}  // namespace vendrel::test

int main() {
    using namespace vendrel::test;
    measure("adventure sample", kSourceDir + "/samples/adventure.txt", {});
    const std::string real_text = "/usr/share/common-licenses/GPL-3";
    if (std::filesystem::exists(real_text)) measure("real text", real_text, {});
    return 0;
}
