#include "cli/command_line.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "base/job_setup.h"
#include "base/errors.h"
#include "listing/include_file.h"
#include "target/cpu_description.h"

namespace vendrel {

namespace {

// How an option's argument is taken.
enum class OptionKind {
    help, flag, address, records, output, conversion, tape_name, width, name, tape_block, zero_page, stack
};

struct Option {
    const char* name;
    OptionKind kind;
    std::int32_t Job::*flag;     // for flags
    std::int32_t Job::*address;  // for -a and -pa
    const char* Job::*text = nullptr;  // for the names of the newer options
};

// In the order in which an argument is compared with them.
constexpr Option kOptions[] = {
    {"-h", OptionKind::help, nullptr, nullptr},
    {"-vb", OptionKind::flag, &Job::verbose, nullptr},
    {"-oa", OptionKind::flag, &Job::oa, nullptr},
    {"-dtp", OptionKind::flag, &Job::dtp, nullptr},
    {"-lc", OptionKind::flag, &Job::lc, nullptr},
    {"-no-crlf", OptionKind::flag, &Job::no_crlf, nullptr},
    {"-crlf-spc", OptionKind::flag, &Job::crlf_spc, nullptr},
    {"-only-cr", OptionKind::flag, &Job::only_cr, nullptr},
    {"-only-lf", OptionKind::flag, &Job::only_lf, nullptr},
    {"-z80", OptionKind::flag, &Job::z80, nullptr},
    {"-i8080", OptionKind::flag, &Job::i8080, nullptr},
    {"-ptp", OptionKind::flag, &Job::ptp, nullptr},
    {"-tap", OptionKind::flag, &Job::tap, nullptr},
    {"-append", OptionKind::flag, &Job::append, nullptr},
    {"-a", OptionKind::address, nullptr, &Job::load_address},
    {"-pa", OptionKind::address, nullptr, &Job::print_address},
    {"-x", OptionKind::records, nullptr, nullptr},
    {"-o", OptionKind::output, nullptr, nullptr},
    {"-ct", OptionKind::conversion, nullptr, nullptr},
    {"-n", OptionKind::tape_name, nullptr, nullptr},
    // Beyond the usage text.
    {"-list", OptionKind::flag, &Job::list, nullptr},
    {"-best", OptionKind::flag, &Job::best, nullptr},
    {"-w", OptionKind::width, nullptr, nullptr},
    {"-inc", OptionKind::name, nullptr, nullptr, &Job::include_path},
    {"-inc-prefix", OptionKind::name, nullptr, nullptr, &Job::include_prefix},
    {"-xb", OptionKind::tape_block, nullptr, nullptr},
    {"-6502", OptionKind::flag, &Job::mos6502, nullptr},
    {"-prg", OptionKind::flag, &Job::prg, nullptr},
    {"-xex", OptionKind::flag, &Job::xex, nullptr},
    {"-zp", OptionKind::zero_page, nullptr, nullptr},
    {"-stack", OptionKind::stack, nullptr, nullptr},
};

const Option* find_option(const char* argument) {
    for (const Option& option : kOptions) {
        if (std::strcmp(option.name, argument) == 0) return &option;
    }
    return nullptr;
}

bool is_valid_record_number(int value) { return value >= 0 && value <= 65535; }

// Scans the arguments after the program name into the job. Returns 0, -1
// for -h, or the reported error of the first bad argument.
int scan_arguments(int argc, const char* const* argv, Job& job) {
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        const Option* option = find_option(argument);
        const int values_left = argc - 1 - i;
        if (option == nullptr) {
            if (job.source_path != nullptr) return report_error(kSecondInputFile);
            job.source_path = argument;
            continue;
        }
        switch (option->kind) {
            case OptionKind::help:
                return kUsageRequested;
            case OptionKind::flag:
                job.*option->flag = 1;
                break;
            case OptionKind::address: {
                if (values_left < 1) return report_error(kMissingOptionValue, option->name);
                const int value = parse_number(argv[++i]);
                job.*option->address = value;
                if (value < 0 || value > 65535) return report_error(kBadAddress, option->name);
                break;
            }
            case OptionKind::records:
                if (values_left < 2) return report_error(kMissingOptionValue, option->name);
                job.extract_from = parse_number(argv[++i]);
                if (!is_valid_record_number(job.extract_from)) return report_error(kBadRecordNumbers);
                job.extract_to = parse_number(argv[++i]);
                if (!is_valid_record_number(job.extract_to) || job.extract_to < job.extract_from) {
                    return report_error(kBadRecordNumbers);
                }
                break;
            case OptionKind::output:
                if (values_left < 1) return report_error(kMissingOptionValue, option->name);
                if (job.output_path != nullptr) return report_error(kSecondOutputFile);
                job.output_path = argv[++i];
                break;
            case OptionKind::conversion:
                if (values_left < 1) return report_error(kMissingOptionValue, option->name);
                if (job.conversion_path != nullptr) return report_error(kSecondConversionFile);
                job.conversion_path = argv[++i];
                break;
            case OptionKind::width: {
                if (values_left < 1) return report_error(kMissingOptionValue, option->name);
                job.line_width = parse_whole_number(argv[++i]);
                if (job.line_width < 1) return report_error(kBadLineWidth);
                break;
            }
            case OptionKind::zero_page: {
                // The routine takes four bytes from the address on.
                if (values_left < 1) return report_error(kMissingOptionValue, option->name);
                job.zero_page = parse_whole_number(argv[++i]);
                if (job.zero_page < 0 || job.zero_page > 252) return report_error(kBadZeroPage);
                break;
            }
            case OptionKind::stack: {
                if (values_left < 1) return report_error(kMissingOptionValue, option->name);
                job.stack_bound = parse_whole_number(argv[++i]);
                if (job.stack_bound < 2 || job.stack_bound > 256) return report_error(kBadStackBound);
                break;
            }
            case OptionKind::tape_block: {
                // Refused after the scan, when the file it concerns is known.
                if (values_left < 1) return report_error(kMissingOptionValue, option->name);
                const int block = parse_whole_number(argv[++i]);
                job.tape_block = block >= 1 ? block : -1;
                break;
            }
            case OptionKind::name:
                if (values_left < 1) return report_error(kMissingOptionValue, option->name);
                if (job.*option->text != nullptr) return report_error(kBadCombination);
                job.*option->text = argv[++i];
                break;
            case OptionKind::tape_name: {
                if (values_left < 1) {
                    job.tape_name[0] = '\0';
                    return 0;
                }
                const char* name = argv[++i];
                if (std::strlen(name) > static_cast<std::size_t>(kMaxTapeNameLength)) {
                    return report_error(kBadTapeName, name);
                }
                std::strcpy(job.tape_name, name);
                break;
            }
        }
    }
    return 0;
}

// How many of the known CPUs' options the job gives.
int cpu_options(const Job& job) {
    int count = 0;
    for (const CpuDescription* cpu : known_cpus()) count += job.*cpu->option != 0 ? 1 : 0;
    return count;
}

// How many of their tapes' options it gives.
int tape_options(const Job& job) {
    int count = 0;
    for (const CpuDescription* cpu : known_cpus()) {
        for (const TapeFormat* tape : cpu->tapes) {
            if (tape != nullptr) count += job.*tape->option != 0 ? 1 : 0;
        }
    }
    return count;
}

// True when the job asks for a tape together with a CPU that it does not
// carry (-z80 with -ptp, -i8080 with -tap, -6502 with either).
bool tape_of_another_cpu(const Job& job) {
    const TapeFormat* tape = tape_of_job(job);
    if (tape == nullptr) return false;
    for (const CpuDescription* cpu : known_cpus()) {
        if (job.*cpu->option != 0 && !carries(*cpu, *tape)) return true;
    }
    return false;
}

// True when the job sets what only the 6502's routine has (zero page and
// stack bound) for another CPU or for no packing at all.
bool zero_page_without_6502(const Job& job) {
    const bool given = job.zero_page >= 0 || job.stack_bound >= 0;
    if (!given) return false;
    const CpuDescription& cpu = cpu_of_job(job);
    return is_extraction(job) || job.*cpu.option == 0 || cpu.default_zero_page < 0;
}

// The combination rules, tested in this order; true when all hold.
bool options_fit_together(const Job& job) {
    const bool extracting = is_extraction(job);
    const bool named = job.tape_name[0] != '\0';
    const bool addressed = job.load_address >= 0 || job.print_address >= 0;
    const bool converting = job.conversion_path != nullptr;
    const int line_end_options = job.no_crlf + job.crlf_spc + job.only_cr + job.only_lf;

    if (job.lc && !job.dtp) return false;
    if (cpu_options(job) > 1) return false;
    if (tape_options(job) > 1) return false;
    if (tape_of_another_cpu(job)) return false;
    if (named && tape_options(job) == 0) return false;
    if (named && tape_of_job(job)->name_width == 0) return false;
    if (zero_page_without_6502(job)) return false;
    // A PRG file loads as one block from its first two bytes on.
    if (job.append && job.prg) return false;
    if (extracting && (cpu_options(job) > 0 || tape_options(job) > 0 || addressed || job.lc || job.oa ||
                       named || converting || line_end_options > 0)) {
        return false;
    }
    if (line_end_options > 1) return false;
    if (job.dtp && converting) return false;
    if (extracting && job.dtp && job.output_path == nullptr) return false;
    // The newer options: the listing and the include file describe a
    // packing run (-list also lists an image's records), the search packs.
    const bool describing = job.best || job.line_width > 0 || job.include_path != nullptr;
    if (extracting && describing) return false;
    if (job.tape_block != 0 && !extracting) return false;
    if (job.include_prefix != nullptr && job.include_path == nullptr) return false;
    return true;
}

// Appends text to the zero-terminated name; false when it would not fit.
bool append_to_name(char* name, const char* text) {
    if (std::strlen(name) + std::strlen(text) > static_cast<std::size_t>(kMaxOutputNameLength)) {
        return false;
    }
    std::strcat(name, text);
    return true;
}

// The output name derived from the source name: its extension replaced.
int derive_output_name(Job& job) {
    char* name = job.default_output_name;
    name[0] = '\0';
    if (!append_to_name(name, job.source_path)) return report_error(kSourceNameTooLong, job.source_path);
    if (char* dot = std::strrchr(name, '.')) *dot = '\0';
    const TapeFormat* tape = tape_of_job(job);
    const char* extension = tape != nullptr ? tape->extension : ".vdl";
    if (!append_to_name(name, extension)) return report_error(kSourceNameTooLong, job.source_path);
    job.output_path = name;
    if (std::strcmp(name, job.source_path) == 0 && !append_to_name(name, ".vdl")) {
        return report_error(kSourceNameTooLong, job.source_path);
    }
    return 0;
}

bool is_utf8_continuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Where a name of length bytes is cut to at most limit bytes: at limit,
// unless a UTF-8 character stands across it; then before that character.
// Bytes that do not form UTF-8 (as in an 8-bit character set) are cut
// where they fall.
std::size_t name_cut(const char* name, std::size_t length, std::size_t limit) {
    if (length <= limit) return length;
    const auto byte = [name](std::size_t at) { return static_cast<unsigned char>(name[at]); };
    std::size_t lead = limit;
    while (lead > 0 && limit - lead < 3 && is_utf8_continuation(byte(lead))) --lead;
    if (lead == limit) return limit;
    const unsigned char first = byte(lead);
    const std::size_t size = first >= 0xF0 && first <= 0xF4 ? 4 : first >= 0xE0 ? 3 : first >= 0xC2 ? 2 : 0;
    if (first >= 0xF5 || size <= limit - lead || lead + size > length) return limit;
    for (std::size_t at = lead + 1; at < lead + size; ++at) {
        if (!is_utf8_continuation(byte(at))) return limit;
    }
    return lead;
}

// The tape block name taken from a file name: after the last "\" (or else
// the last "/"), at most as long as the tape's format allows and never
// inside a UTF-8 character, cut at the first ".".
void derive_tape_name(Job& job, const TapeFormat& tape, const char* file_name) {
    const char* start = std::strrchr(file_name, '\\');
    if (start == nullptr) start = std::strrchr(file_name, '/');
    start = start != nullptr ? start + 1 : file_name;
    const auto limit = static_cast<std::size_t>(tape.name_width);
    const std::size_t length = name_cut(start, std::strlen(start), limit);
    std::memcpy(job.tape_name, start, length);
    job.tape_name[length] = '\0';
    if (char* dot = std::strchr(job.tape_name, '.')) *dot = '\0';
}

// The checks and defaults after the scan, in their order.
int complete_job(Job& job) {
    if (job.source_path == nullptr) return report_error(kNoInputFile, "vendrel");
    if (!options_fit_together(job)) return report_error(kBadCombination);

    if (!is_extraction(job) && job.output_path == nullptr) {
        if (const int result = derive_output_name(job); result != 0) return result;
    }
    // Tapes are never nameless by accident: without -n the name comes from
    // the output file, derived or given with -o.
    const TapeFormat* tape = tape_of_job(job);
    if (tape != nullptr && job.tape_name[0] == '\0' && job.output_path != nullptr) {
        derive_tape_name(job, *tape, job.output_path);
    }
    // -n took a name as long as the widest tape's; this tape's may be narrower.
    if (tape != nullptr && std::strlen(job.tape_name) > static_cast<std::size_t>(tape->name_width)) {
        return report_error(kBadTapeName, job.tape_name);
    }
    // A bad prefix is refused before anything is written.
    if (job.include_prefix != nullptr && !is_include_identifier(job.include_prefix)) {
        return report_error(kBadIncludePrefix, job.include_prefix);
    }
    if (job.tape_block < 0) return report_error(kBadTapeBlock, job.source_path);
    const CpuDescription& cpu = cpu_of_job(job);
    if (job.load_address == -1) job.load_address = cpu.default_load_address;
    if (job.print_address == -1) job.print_address = cpu.default_print_address;
    if (job.zero_page == -1) job.zero_page = cpu.default_zero_page;
    if (job.stack_bound == -1) job.stack_bound = cpu.default_stack_bound;
    if (!is_extraction(job) && cpu_options(job) == 0) return report_error(kNoRoutineType);
    return allocate_job_buffers(job);
}

}  // namespace

int parse_number(const char* text) {
    char* end = nullptr;
    errno = 0;
    long value = std::strtol(text, &end, 0);
    if (value > INT32_MAX) value = INT32_MAX;
    if (value < INT32_MIN) value = INT32_MIN;
    if (value < 0) return -1;
    if (value == 0 && *end != '\0') return -1;
    return static_cast<int>(value);
}

int parse_whole_number(const char* text) {
    if (*text < '0' || *text > '9') return -1;
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(text, &end, 0);
    if (*end != '\0' || errno == ERANGE || value > 65535) return -1;
    return static_cast<int>(value);
}

int parse_command_line(int argc, const char* const* argv, Job*& job) {
    if (const int result = create_job(job); result != 0) return result;

    if (const int result = scan_arguments(argc, argv, *job); result != 0) return result;
    return complete_job(*job);
}

}  // namespace vendrel
