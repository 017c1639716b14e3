// Measures the -best search on text files: for each, the CPU time of the
// default packer and of the search, the raw Z80 image of both and, run
// record by record on the emulated Z80 and i8080, the deepest stack and the
// T-states per printed character of both, and how many percent more
// T-states (Z80) and states (i8080) per character the search's image takes
// (T+%, 8080+%); +lv is the most nesting levels any record of the search's
// image takes beyond the same record of the default image. The 6502 images
// of both (at $1000, printing through $FFD2) print every record on cc65's
// sim65 too; 6502 is the deepest stack the search's takes there. Each file is
// packed as it stands: its first byte separates records. T-states count the
// expansion of the record, not the search for it. The i8080 image is the
// Z80 image with a routine 14 bytes longer, so its gain is not shown.
//
// Usage: best_measure FILE...   (one table line per file, then the total
// with the range of T+%)
#include <algorithm>
#include <ctime>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "best/search_best_image.h"
#include "pack/character_table.h"
#include "pack/pack_text.h"
#include "support/emulator.h"
#include "support/job_making.h"
#include "support/mos6502_runner.h"
#include "support/text_generator.h"
#include "target/cpu_description.h"
#include "target/packed_image.h"

namespace vendrel {
namespace {

constexpr std::uint16_t kLoadAddress = 0x0100;
constexpr std::uint16_t kPrintAddress = 0x0010;
constexpr std::uint16_t kStackTop = 0xFFF0;
constexpr std::uint16_t kStackRoom = 0x400;

struct Routine {
    void (*compose)(Job&);
    // The record loop: states from there on are those of expanding the
    // record, without the search for it.
    int record_loop;
    bool i8080_states;
};

constexpr Routine kZ80{compose_z80_image, kLoadAddress + 16, false};
constexpr Routine kI8080{compose_i8080_image, kLoadAddress + 27, true};

struct Figures {
    int bytes = 0;
    int deepest_stack = 0;
    std::vector<int> stack;  // per record
    double tstates_per_character = 0;
    bool prints_every_record = true;
};

double cpu_ms_since(std::clock_t start) { return 1000.0 * static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC; }

std::string read_file(const char* path) {
    std::ifstream file(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

// The job after packing, or the codes of its text with pack false.
JobHandle load_job(const std::string& text, bool pack) {
    JobHandle job = make_job();
    job->z80 = 1;
    job->load_address = kLoadAddress;
    job->print_address = kPrintAddress;
    if (load_source_text(*job, text) != 0) return nullptr;
    if (pack) {
        if (pack_text(*job) != 0) return nullptr;
    } else {
        build_character_table(*job);
        map_text_to_codes(*job);
    }
    return job;
}

PhraseImage phrase_image_of(const Job& job) {
    PhraseImage image;
    image.pair_table.assign(job.symbol_table + job.char_count, job.symbol_table + job.symbol_table_size);
    image.code_stream.assign(job.text_buffer, job.text_buffer + job.packed_length);
    return image;
}

// Puts image into job, whose character table is in place, and composes it.
void compose(Job& job, const PhraseImage& image, void (*compose_image)(Job&)) {
    std::copy(image.pair_table.begin(), image.pair_table.end(), job.symbol_table + job.char_count);
    job.symbol_table_size = job.char_count + static_cast<int>(image.pair_table.size());
    std::copy(image.code_stream.begin(), image.code_stream.end(), job.text_buffer);
    job.packed_length = static_cast<int>(image.code_stream.size());
    compose_image(job);
}

// Composes the image in job and runs every record.
Figures measure(Job& job, const PhraseImage& image, const std::vector<std::string>& records, const Routine& routine) {
    compose(job, image, routine.compose);
    const std::vector<std::uint8_t> bytes(job.image_buffer, job.image_buffer + job.total_length);

    Figures figures;
    figures.bytes = job.total_length;
    if (bytes.size() > kStackTop - kStackRoom - kLoadAddress) {
        figures.prints_every_record = false;
        return figures;
    }
    test::EmulatedMachine machine;
    machine.load(kLoadAddress, bytes);
    // Each record is printed from the record loop with DE at its first
    // code, which takes what the routine takes after finding the record;
    // the first and the last are also called as a program calls them, with
    // their number.
    const int stream_address = kLoadAddress + job.routine_length + job.symbol_table_size;
    std::vector<int> starts;
    for (std::size_t at = 0; at < image.code_stream.size(); ++at) {
        if (image.code_stream[at] == 0) starts.push_back(stream_address + static_cast<int>(at) + 1);
    }
    std::uint64_t tstates = 0;
    std::uint64_t characters = 0;
    for (std::size_t record = 1; record < records.size(); ++record) {
        if (record > starts.size()) {
            figures.prints_every_record = false;
            break;
        }
        const test::RoutineCall call = machine.call(static_cast<std::uint16_t>(routine.record_loop), kPrintAddress,
                                                    kStackTop, static_cast<std::uint16_t>(starts[record - 1]));
        if (!call.returned || call.printed != records[record - 1]) figures.prints_every_record = false;
        if (record == 1 || record + 1 == records.size()) {
            const test::RoutineCall whole =
                machine.call(kLoadAddress, kPrintAddress, kStackTop, static_cast<std::uint16_t>(record));
            if (!whole.returned || whole.printed != records[record - 1]) figures.prints_every_record = false;
        }
        figures.deepest_stack = std::max(figures.deepest_stack, call.stack_used);
        figures.stack.push_back(call.stack_used);
        tstates += routine.i8080_states ? call.i8080_states : call.tstates;
        characters += call.printed.size();
    }
    figures.tstates_per_character = characters ? static_cast<double>(tstates) / static_cast<double>(characters) : 0;
    return figures;
}

// Runs every record of the 6502 image of image on sim65; the deepest stack
// a record takes, or -1 when a record prints wrong.
int deepest_6502_stack(Job& job, const PhraseImage& image, const std::vector<std::string>& records) {
    const int load_address = job.load_address;
    const int print_address = job.print_address;
    job.load_address = 0x1000;
    job.print_address = 0xFFD2;
    job.zero_page = 0xFB;
    compose(job, image, [](Job& composed) { compose_raw_image(*mos6502_cpu.routine, composed); });
    job.load_address = load_address;
    job.print_address = print_address;
    test::Mos6502Setup setup;
    setup.image.assign(job.image_buffer, job.image_buffer + job.total_length);
    std::vector<std::uint16_t> numbers;
    for (std::size_t record = 1; record < records.size(); ++record) numbers.push_back(static_cast<std::uint16_t>(record));
    const test::Mos6502Run run = test::run_6502_routine(setup, numbers);
    if (!run.error.empty() || run.calls.size() != numbers.size()) return -1;
    int deepest = 0;
    for (const test::Mos6502Call& call : run.calls) {
        if (call.printed != records[call.record - 1] || call.a != 0) return -1;
        deepest = std::max(deepest, call.stack_used);
    }
    return deepest;
}

// The most nesting levels (4 bytes of stack each) that any record takes in
// after beyond what it takes in before.
int most_extra_levels(const Figures& before, const Figures& after) {
    int most = 0;
    for (std::size_t record = 0; record < before.stack.size() && record < after.stack.size(); ++record) {
        most = std::max(most, (after.stack[record] - before.stack[record]) / 4);
    }
    return most;
}

double rise(double before, double after) { return 100.0 * (after - before) / before; }

}  // namespace
}  // namespace vendrel

int main(int argc, char** argv) {
    using namespace vendrel;
    std::printf("%-22s %6s %6s %6s %7s %7s %6s %5s %5s %3s %6s %6s %6s %6s %5s\n", "text", "source", "ms", "ms",
                "default", "best", "gain%", "stack", "stack", "+lv", "T/char", "T/char", "T+%", "8080+%", "6502");
    long long total_default = 0;
    long long total_best = 0;
    double least_rise = 0;
    double most_rise = 0;
    int most_levels = 0;
    bool measured = false;
    int status = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string text = read_file(argv[i]);
        JobHandle codes = load_job(text, false);
        std::clock_t start = std::clock();
        JobHandle greedy_job = load_job(text, true);
        const double default_ms = cpu_ms_since(start);
        if (!codes || !greedy_job || text.empty()) {
            std::fprintf(stderr, "%s: cannot pack\n", argv[i]);
            status = 1;
            continue;
        }
        const PhraseImage greedy = phrase_image_of(*greedy_job);
        PhraseImage best;
        start = std::clock();
        const bool found = search_best_image(codes->text_buffer, codes->source_length, codes->char_count, greedy, best);
        const double best_ms = default_ms + cpu_ms_since(start);
        if (!found) best = greedy;

        const std::vector<std::string> records = test::pieces_after_separators(text);
        const Figures before = measure(*greedy_job, greedy, records, kZ80);
        const Figures after = measure(*greedy_job, best, records, kZ80);
        const Figures before_8080 = measure(*greedy_job, greedy, records, kI8080);
        const Figures after_8080 = measure(*greedy_job, best, records, kI8080);
        const int before_6502 = deepest_6502_stack(*greedy_job, greedy, records);
        const int after_6502 = deepest_6502_stack(*greedy_job, best, records);
        if (!before.prints_every_record || !after.prints_every_record || !before_8080.prints_every_record ||
            !after_8080.prints_every_record || before_6502 < 0 || after_6502 < 0) {
            std::fprintf(stderr, "%s: a record printed wrong\n", argv[i]);
            status = 1;
        }
        std::string name = argv[i];
        name = name.substr(name.find_last_of('/') + 1);
        const double z80_rise = rise(before.tstates_per_character, after.tstates_per_character);
        const double i8080_rise = rise(before_8080.tstates_per_character, after_8080.tstates_per_character);
        const int levels = std::max(most_extra_levels(before, after), most_extra_levels(before_8080, after_8080));
        for (const double change : {z80_rise, i8080_rise}) {
            least_rise = measured ? std::min(least_rise, change) : change;
            most_rise = measured ? std::max(most_rise, change) : change;
            measured = true;
        }
        most_levels = std::max(most_levels, levels);
        std::printf("%-22s %6zu %6.0f %6.0f %7d %7d %6.2f %5d %5d %3d %6.1f %6.1f %6.2f %6.2f %5d\n", name.c_str(),
                    text.size(), default_ms, best_ms, before.bytes, after.bytes,
                    100.0 * (before.bytes - after.bytes) / before.bytes, before.deepest_stack, after.deepest_stack,
                    levels, before.tstates_per_character, after.tstates_per_character, z80_rise, i8080_rise,
                    after_6502);
        total_default += before.bytes;
        total_best += after.bytes;
    }
    if (total_default > 0) {
        std::printf("%-22s %6s %6s %6s %7lld %7lld %6.2f   +lv at most %d, T+%% and 8080+%% from %.2f to %.2f\n",
                    "total", "", "", "", total_default, total_best,
                    100.0 * static_cast<double>(total_default - total_best) / static_cast<double>(total_default),
                    most_levels, least_rise, most_rise);
    }
    return status;
}
