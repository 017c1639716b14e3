#include "support/mos6502_runner.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <stdexcept>
#include <string_view>
#include <utility>

#include "support/program.h"

#ifndef VENDREL_SIM65
#define VENDREL_SIM65 "sim65"
#endif

extern char** environ;

namespace vendrel::test {

namespace {

constexpr int kMemorySize = 65536;
constexpr int kFileStart = 0x0200;     // below: the zero page and the stack
constexpr int kParavirtual = 0xFFF4;   // sim65's calls; a program file ends below
constexpr std::uint16_t kWriteCall = 0xFFF7;
constexpr std::uint16_t kExitCall = 0xFFF9;
constexpr int kTrailerSize = 3 + 256;  // $FF, A, X, then one mark per stack pointer
constexpr std::uint8_t kTrailerMark = 0xFF;

// What memory holds when the harness starts: -1 where sim65's fill stays.
using Memory = std::vector<int>;

struct Poke {
    std::uint16_t address;
    std::uint8_t value;
};

// Where the harness goes, beside the image.
struct Layout {
    Memory memory;             // the image, the 0 after it, the print stub
    std::uint8_t harness_zp;   // sim65's C stack pointer, then the record table pointer
    std::vector<Poke> pokes;   // bytes the program file cannot hold
    int block = 0;             // first address of the largest free run in the file's range
    int block_size = 0;
};

constexpr int kDataSize = 1 + 4 + 4 + kTrailerSize;  // character, two write frames, trailer

Layout lay_out(const Mos6502Setup& setup) {
    if (setup.image.empty() || setup.image.size() > static_cast<std::size_t>(kMemorySize)) {
        throw std::invalid_argument("no image to run");
    }
    Layout layout;
    layout.memory.assign(kMemorySize, -1);
    std::vector<const char*> owner(kMemorySize, nullptr);
    auto claim = [&](int address, int value, const char* what) {
        const auto at = static_cast<std::size_t>(address % kMemorySize);
        if (owner[at] != nullptr) {
            throw std::invalid_argument(std::string(what) + " overlaps " + owner[at]);
        }
        owner[at] = what;
        if (value >= 0) layout.memory[at] = value;
    };
    for (int k = 0; k < 0x100; ++k) claim(0x100 + k, -1, "the stack page");
    for (int k = 0; k < 4; ++k) claim((setup.zero_page + k) & 0xFF, -1, "the routine's zero page");
    claim(setup.print_address, setup.stub == PrintStub::kWrite ? 0x4C : 0x60, "the print stub");
    for (int k = 1; k < 3; ++k) claim(setup.print_address + k, 0, "the print stub");
    const int end = setup.load_address + static_cast<int>(setup.image.size());
    for (int address = setup.load_address; address < end; ++address) {
        claim(address, setup.image[static_cast<std::size_t>(address - setup.load_address)], "the image");
    }
    if (setup.zero_after_image) claim(end, 0, "the 0 after the image");

    // Four free bytes of the zero page for the harness.
    int found = -1;
    for (int address = 2; address + 4 <= 0x100 && found < 0; ++address) {
        if (std::all_of(owner.begin() + address, owner.begin() + address + 4, [](const char* o) { return o == nullptr; })) {
            found = address;
        }
    }
    if (found < 0) throw std::invalid_argument("no room in the zero page for the harness");
    layout.harness_zp = static_cast<std::uint8_t>(found);

    int run = 0;
    for (int address = kFileStart; address < kParavirtual; ++address) {
        run = owner[static_cast<std::size_t>(address)] == nullptr ? run + 1 : 0;
        if (run > layout.block_size) {
            layout.block_size = run;
            layout.block = address - run + 1;
        }
    }
    if (setup.stub == PrintStub::kWrite) {
        const int handler = layout.block + kDataSize;
        layout.memory[static_cast<std::size_t>((setup.print_address + 1) % kMemorySize)] = handler & 0xFF;
        layout.memory[static_cast<std::size_t>((setup.print_address + 2) % kMemorySize)] = handler >> 8;
    }
    for (int address = 0; address < kMemorySize; ++address) {
        const int value = layout.memory[static_cast<std::size_t>(address)];
        if (value >= 0 && (address < kFileStart || address >= kParavirtual)) {
            layout.pokes.push_back({static_cast<std::uint16_t>(address), static_cast<std::uint8_t>(value)});
        }
    }
    return layout;
}

// The harness's bytes, laid out from an address on.
class Code {
public:
    explicit Code(int origin) : origin_(origin) {}
    int here() const { return origin_ + static_cast<int>(bytes_.size()); }
    void op(std::initializer_list<int> bytes) {
        for (int b : bytes) bytes_.push_back(static_cast<std::uint8_t>(b));
    }
    void op_word(int opcode, int word) { op({opcode, word & 0xFF, (word >> 8) & 0xFF}); }
    // A branch to a later address; returns where its offset goes.
    int branch_forward(int opcode) {
        op({opcode, 0});
        return here() - 1;
    }
    void land(int offset_at) {
        bytes_[static_cast<std::size_t>(offset_at - origin_)] = static_cast<std::uint8_t>(here() - offset_at - 1);
    }
    void branch_back(int opcode, int target) { op({opcode, (target - here() - 2) & 0xFF}); }
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

private:
    int origin_;
    std::vector<std::uint8_t> bytes_;
};

// Fixed part of the harness block: data, handler and main code without the
// pokes and the record table.
constexpr int kHandlerSize = 25;
constexpr int kMainSize = 79;
constexpr int kPokeSize = 5;

int records_that_fit(const Layout& layout) {
    const int fixed = kDataSize + kHandlerSize + kMainSize + kPokeSize * static_cast<int>(layout.pokes.size()) + 1;
    return std::max(0, (layout.block_size - fixed) / 3);
}

enum class CallMade { kRoutine, kNothing };

// The sim65 program file that calls the routine for each record (or, for
// the baseline, runs the same harness with three NOPs for each JSR).
std::string program_file(const Mos6502Setup& setup, const Layout& layout, const std::vector<std::uint16_t>& records,
                         CallMade call) {
    Memory memory = layout.memory;
    const int zp_sp = layout.harness_zp;
    const int zp_table = layout.harness_zp + 2;
    const int character = layout.block;
    const int frame_character = character + 1;
    const int frame_trailer = frame_character + 4;
    const int trailer = frame_trailer + 4;
    const int marks = trailer + 3;
    const int handler = trailer + kTrailerSize;

    Code code(handler);
    code.op_word(0x8D, character);  // STA character
    code.op({0xBA});                // TSX
    code.op({0xA9, 0x01});          // LDA #1
    code.op_word(0x9D, marks);      // STA marks,X
    code.op({0xA9, frame_character & 0xFF, 0x85, zp_sp, 0xA9, frame_character >> 8, 0x85, zp_sp + 1});
    code.op({0xA9, 0x01, 0xA2, 0x00});  // one byte
    code.op_word(0x20, kWriteCall);
    code.op({0x60});
    if (code.here() != handler + kHandlerSize) throw std::logic_error("handler size");

    const int start = code.here();
    code.op({0xA2, 0xFF, 0x9A, 0xD8});  // LDX #$FF, TXS, CLD
    for (const Poke& poke : layout.pokes) {
        code.op({0xA9, poke.value});
        code.op_word(0x8D, poke.address);
    }
    const int table_at_ops = code.here();
    code.op({0xA9, 0, 0x85, zp_table, 0xA9, 0, 0x85, zp_table + 1});
    const int loop = code.here();
    code.op({0xA0, 0x00, 0xB1, zp_table});  // LDY #0, LDA (table),Y: more?
    const int to_done = code.branch_forward(0xF0);
    code.op({0xC8, 0xB1, zp_table, 0x48, 0xC8, 0xB1, zp_table, 0xAA, 0x68});  // A low, X high
    if (call == CallMade::kRoutine) {
        code.op_word(0x20, setup.load_address);
    } else {
        code.op({0xEA, 0xEA, 0xEA});
    }
    code.op_word(0x8D, trailer + 1);
    code.op_word(0x8E, trailer + 2);
    code.op({0xA9, frame_trailer & 0xFF, 0x85, zp_sp, 0xA9, frame_trailer >> 8, 0x85, zp_sp + 1});
    code.op({0xA9, kTrailerSize & 0xFF, 0xA2, kTrailerSize >> 8});
    code.op_word(0x20, kWriteCall);
    code.op({0xA9, 0x00, 0xAA});  // clear the marks
    const int clear = code.here();
    code.op_word(0x9D, marks);
    code.op({0xE8});
    code.branch_back(0xD0, clear);
    code.op({0x18, 0xA5, zp_table, 0x69, 0x03, 0x85, zp_table});  // next entry
    const int no_carry = code.branch_forward(0x90);
    code.op({0xE6, zp_table + 1});
    code.land(no_carry);
    code.op_word(0x4C, loop);
    code.land(to_done);
    code.op({0xA9, 0x00});
    code.op_word(0x20, kExitCall);
    if (code.here() - start != kMainSize + kPokeSize * static_cast<int>(layout.pokes.size())) {
        throw std::logic_error("harness size");
    }

    const int table = code.here();
    std::vector<std::uint8_t> block = code.bytes();
    for (std::uint16_t record : records) {
        block.insert(block.end(), {1, static_cast<std::uint8_t>(record & 0xFF), static_cast<std::uint8_t>(record >> 8)});
    }
    block.push_back(0);
    const std::size_t table_ops = static_cast<std::size_t>(table_at_ops - handler);
    block[table_ops + 1] = static_cast<std::uint8_t>(table & 0xFF);
    block[table_ops + 5] = static_cast<std::uint8_t>(table >> 8);
    if (layout.block + static_cast<int>(block.size()) + kDataSize > layout.block + layout.block_size) {
        throw std::logic_error("harness does not fit");
    }

    auto put = [&](int address, int value) { memory[static_cast<std::size_t>(address)] = value; };
    put(character, 0);
    // Each frame: the buffer's address, then file descriptor 1.
    for (const auto& [frame, buffer] : {std::pair{frame_character, character}, std::pair{frame_trailer, trailer}}) {
        put(frame, buffer & 0xFF);
        put(frame + 1, buffer >> 8);
        put(frame + 2, 1);
        put(frame + 3, 0);
    }
    put(trailer, kTrailerMark);
    put(trailer + 1, 0);
    put(trailer + 2, 0);
    for (int k = 0; k < 256; ++k) put(marks + k, 0);
    for (std::size_t k = 0; k < block.size(); ++k) put(handler + static_cast<int>(k), block[k]);
    int first = kParavirtual, last = kFileStart - 1;
    for (int address = kFileStart; address < kParavirtual; ++address) {
        if (memory[static_cast<std::size_t>(address)] >= 0) {
            first = std::min(first, address);
            last = address;
        }
    }
    std::string file = "sim65";
    file += static_cast<char>(2);  // version
    file += static_cast<char>(0);  // 6502
    file += static_cast<char>(zp_sp);
    for (int word : {first, start}) {
        file += static_cast<char>(word & 0xFF);
        file += static_cast<char>(word >> 8);
    }
    for (int address = first; address <= last; ++address) {
        const int value = memory[static_cast<std::size_t>(address)];
        file += static_cast<char>(value < 0 ? 0xFF : value);
    }
    return file;
}

struct Sim65Result {
    int exit_status = -1;
    std::string out;
    std::string err;
};

Sim65Result run_sim65(const std::string& file, std::uint64_t cycle_limit) {
    const ScratchDir dir;
    const std::string program = dir.write("harness.sim", file);
    const std::string out = dir.file("out"), err = dir.file("err");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const std::string limit = std::to_string(cycle_limit);
    std::vector<std::string> words = {VENDREL_SIM65, "-c", "-x", limit, program};
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) throw std::runtime_error("cannot start " VENDREL_SIM65);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) throw std::runtime_error("lost " VENDREL_SIM65);
    }
    Sim65Result result;
    result.exit_status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    result.out = read_file(out);
    result.err = read_file(err);
    return result;
}

// The calls of one process and its total cycles, read from its output.
struct Batch {
    std::vector<Mos6502Call> calls;
    std::uint64_t cycles = 0;
    std::string error;
};

Batch run_batch(const Mos6502Setup& setup, const Layout& layout, const std::vector<std::uint16_t>& records,
                CallMade call) {
    const std::uint64_t per_call = 40 * setup.image.size() + 8'000'000;
    const Sim65Result sim =
        run_sim65(program_file(setup, layout, records, call), 1'000'000 + per_call * records.size());
    Batch batch;
    std::string_view out = sim.out;
    for (std::uint16_t record : records) {
        const std::size_t mark = out.find(static_cast<char>(kTrailerMark));
        if (mark == std::string_view::npos || out.size() < mark + kTrailerSize) {
            batch.error = "record " + std::to_string(record) + " did not return: " + sim.err;
            return batch;
        }
        Mos6502Call done;
        done.record = record;
        done.printed = std::string(out.substr(0, mark));
        done.a = static_cast<std::uint8_t>(out[mark + 1]);
        done.x = static_cast<std::uint8_t>(out[mark + 2]);
        for (int sp = 0; sp < 256; ++sp) {
            if (out[mark + 3 + static_cast<std::size_t>(sp)] != 0) {
                done.stack_used = 0xFF - sp;
                break;
            }
        }
        batch.calls.push_back(done);
        out.remove_prefix(mark + kTrailerSize);
    }
    const std::size_t digits_end = out.find(" cycles\n");
    if (sim.exit_status != 0 || digits_end == std::string_view::npos) {
        batch.error = "sim65 ended with status " + std::to_string(sim.exit_status) + ": " + sim.err;
        return batch;
    }
    batch.cycles = std::strtoull(std::string(out.substr(0, digits_end)).c_str(), nullptr, 10);
    return batch;
}

// Runs records in one process and its baseline; adds the calls and the
// routine's cycles to run. Returns the routine's cycles of this batch.
std::uint64_t run_counted(const Mos6502Setup& setup, const Layout& layout, const std::vector<std::uint16_t>& records,
                          std::uint64_t baseline, Mos6502Run& run) {
    const Batch batch = run_batch(setup, layout, records, CallMade::kRoutine);
    run.calls.insert(run.calls.end(), batch.calls.begin(), batch.calls.end());
    if (!batch.error.empty()) {
        run.error = batch.error;
        return 0;
    }
    std::uint64_t printed = 0;
    for (const Mos6502Call& call : batch.calls) printed += call.printed.size();
    const std::uint64_t routine = batch.cycles - baseline - printed * kHandlerCyclesAboveRts;
    run.routine_cycles += routine;
    return routine;
}

std::uint64_t baseline_cycles(const Mos6502Setup& setup, const Layout& layout,
                              const std::vector<std::uint16_t>& records, Mos6502Run& run) {
    const Batch batch = run_batch(setup, layout, records, CallMade::kNothing);
    if (batch.error.empty()) {
        for (std::size_t k = 0; k < records.size(); ++k) {
            if (batch.calls[k].a != (records[k] & 0xFF) || batch.calls[k].x != records[k] >> 8 ||
                !batch.calls[k].printed.empty()) {
                run.error = "the harness's baseline run went wrong";
            }
        }
    } else {
        run.error = "baseline: " + batch.error;
    }
    return batch.cycles;
}

}  // namespace

Mos6502Run run_6502_routine(const Mos6502Setup& setup, const std::vector<std::uint16_t>& records,
                            const Mos6502Options& options) {
    Mos6502Run run;
    if (records.empty()) return run;
    const Layout layout = lay_out(setup);
    const std::size_t fit = static_cast<std::size_t>(records_that_fit(layout));
    if (fit == 0) throw std::invalid_argument("no room beside the image for the harness");

    if (options.cycles_per_call) {
        const std::uint64_t baseline = baseline_cycles(setup, layout, {records.front()}, run);
        for (std::uint16_t record : records) {
            if (!run.error.empty()) break;
            const std::uint64_t cycles = run_counted(setup, layout, {record}, baseline, run);
            if (run.error.empty()) run.calls.back().cycles = cycles;
        }
        return run;
    }
    for (std::size_t from = 0; from < records.size() && run.error.empty(); from += fit) {
        const std::vector<std::uint16_t> batch(records.begin() + static_cast<std::ptrdiff_t>(from),
                                               records.begin() + static_cast<std::ptrdiff_t>(std::min(from + fit, records.size())));
        const std::uint64_t baseline = baseline_cycles(setup, layout, batch, run);
        if (run.error.empty()) run_counted(setup, layout, batch, baseline, run);
    }
    return run;
}

}  // namespace vendrel::test
