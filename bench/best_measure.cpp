// Measures the -best search on text files: for each, the raw Z80 image of
// the default packer and of the search, and, run record by record on the
// emulated CPU, the deepest stack and the T-states per printed character of
// both, and how many percent more T-states per character the search's image
// takes (T+%). Each file is packed as it stands: its first byte separates
// records. T-states count the expansion of the record, not the search for it.
//
// Usage: best_measure FILE...   (one table line per file, then the total
// with the range of T+%)
#include <algorithm>
#include <chrono>
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
#include "support/text_generator.h"
#include "target/packed_image.h"

namespace vendrel {
namespace {

constexpr std::uint16_t kLoadAddress = 0x0100;
constexpr std::uint16_t kPrintAddress = 0x0010;
// The record loop of the Z80 routine: T-states from its first visit on are
// those of expanding the record, without the search for it.
constexpr int kRecordLoop = kLoadAddress + 16;
constexpr std::uint16_t kStackTop = 0xFFF0;
constexpr std::uint16_t kStackRoom = 0x400;

struct Figures {
    int bytes = 0;
    int deepest_stack = 0;
    double tstates_per_character = 0;
    bool prints_every_record = true;
};

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

// Composes the image in job (whose character table is in place) and runs
// every record.
Figures measure(Job& job, const PhraseImage& image, const std::vector<std::string>& records) {
    std::copy(image.pair_table.begin(), image.pair_table.end(), job.symbol_table + job.char_count);
    job.symbol_table_size = job.char_count + static_cast<int>(image.pair_table.size());
    std::copy(image.code_stream.begin(), image.code_stream.end(), job.text_buffer);
    job.packed_length = static_cast<int>(image.code_stream.size());
    compose_z80_image(job);
    const std::vector<std::uint8_t> bytes(job.image_buffer, job.image_buffer + job.total_length);

    Figures figures;
    figures.bytes = job.total_length;
    if (bytes.size() > kStackTop - kStackRoom - kLoadAddress) {
        figures.prints_every_record = false;
        return figures;
    }
    test::EmulatedMachine machine;
    machine.load(kLoadAddress, bytes);
    std::uint64_t tstates = 0;
    std::uint64_t characters = 0;
    for (std::size_t record = 1; record < records.size(); ++record) {
        const test::RoutineCall call =
            machine.call(kLoadAddress, kPrintAddress, kStackTop, static_cast<std::uint16_t>(record), kRecordLoop);
        if (!call.returned || call.printed != records[record - 1]) figures.prints_every_record = false;
        figures.deepest_stack = std::max(figures.deepest_stack, call.stack_used);
        tstates += call.tstates - call.tstates_at_mark;
        characters += call.printed.size();
    }
    figures.tstates_per_character = characters ? static_cast<double>(tstates) / static_cast<double>(characters) : 0;
    return figures;
}

}  // namespace
}  // namespace vendrel

int main(int argc, char** argv) {
    using namespace vendrel;
    std::printf("%-28s %7s %8s %8s %7s %6s %6s %8s %8s %6s %7s\n", "text", "source", "default", "best", "gain%",
                "stack", "stack", "T/char", "T/char", "T+%", "ms");
    long long total_default = 0;
    long long total_best = 0;
    double least_tstate_change = 0;
    double most_tstate_change = 0;
    bool measured = false;
    int status = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string text = read_file(argv[i]);
        JobHandle codes = load_job(text, false);
        JobHandle greedy_job = load_job(text, true);
        if (!codes || !greedy_job || text.empty()) {
            std::fprintf(stderr, "%s: cannot pack\n", argv[i]);
            status = 1;
            continue;
        }
        const PhraseImage greedy = phrase_image_of(*greedy_job);
        PhraseImage best;
        const auto start = std::chrono::steady_clock::now();
        const bool found = search_best_image(codes->text_buffer, codes->source_length, codes->char_count, greedy, best);
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        if (!found) best = greedy;

        const std::vector<std::string> records = test::pieces_after_separators(text);
        const Figures before = measure(*greedy_job, greedy, records);
        const Figures after = measure(*greedy_job, best, records);
        if (!before.prints_every_record || !after.prints_every_record) {
            std::fprintf(stderr, "%s: a record printed wrong\n", argv[i]);
            status = 1;
        }
        std::string name = argv[i];
        name = name.substr(name.find_last_of('/') + 1);
        const double tstate_change =
            100.0 * (after.tstates_per_character - before.tstates_per_character) / before.tstates_per_character;
        least_tstate_change = measured ? std::min(least_tstate_change, tstate_change) : tstate_change;
        most_tstate_change = measured ? std::max(most_tstate_change, tstate_change) : tstate_change;
        measured = true;
        std::printf("%-28s %7zu %8d %8d %7.2f %6d %6d %8.1f %8.1f %6.2f %7.0f\n", name.c_str(), text.size(),
                    before.bytes, after.bytes, 100.0 * (before.bytes - after.bytes) / before.bytes,
                    before.deepest_stack, after.deepest_stack, before.tstates_per_character,
                    after.tstates_per_character, tstate_change, ms);
        total_default += before.bytes;
        total_best += after.bytes;
    }
    if (total_default > 0) {
        std::printf("%-28s %7s %8lld %8lld %7.2f   T+%% from %.2f to %.2f\n", "total", "", total_default, total_best,
                    100.0 * static_cast<double>(total_default - total_best) / static_cast<double>(total_default),
                    least_tstate_change, most_tstate_change);
    }
    return status;
}
