// The command line: the input, split at zero bytes, is the argument vector
// after the program name. Whatever it holds, the parse ends with 0, -1 or a
// reported error code, hands back a Job that release_job can release, and a
// successful parse leaves a Job that the rest of the run can rely on.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "base/job_setup.h"
#include "cli/command_line.h"
#include "base/errors.h"
#include "fuzz_support.h"

namespace vendrel::fuzz {
namespace {

constexpr std::size_t kMaxArguments = 64;

bool points_into(const char* text, const std::vector<const char*>& argv) {
    for (const char* argument : argv) {
        if (argument == text) return true;
    }
    return false;
}

void check_complete_job(const Job& job, const std::vector<const char*>& argv) {
    VENDREL_FUZZ_CHECK(job.source_path != nullptr && points_into(job.source_path, argv));
    VENDREL_FUZZ_CHECK(job.text_buffer != nullptr && job.image_buffer != nullptr);
    VENDREL_FUZZ_CHECK(job.symbol_table != nullptr && job.candidate_table != nullptr);
    VENDREL_FUZZ_CHECK(job.conversion_table == nullptr);
    VENDREL_FUZZ_CHECK(job.load_address >= 0 && job.load_address <= 65535);
    VENDREL_FUZZ_CHECK(job.print_address >= 0 && job.print_address <= 65535);
    VENDREL_FUZZ_CHECK(std::memchr(job.default_output_name, 0, sizeof job.default_output_name) != nullptr);
    VENDREL_FUZZ_CHECK(std::memchr(job.tape_name, 0, sizeof job.tape_name) != nullptr);
    const std::size_t name_length = std::strlen(job.tape_name);
    VENDREL_FUZZ_CHECK(name_length <= (job.ptp ? 8u : 10u));
    VENDREL_FUZZ_CHECK(!(job.tap && job.ptp));
    VENDREL_FUZZ_CHECK(!job.lc || job.dtp);
    VENDREL_FUZZ_CHECK(!(job.dtp && job.conversion_path != nullptr));
    VENDREL_FUZZ_CHECK(job.no_crlf + job.crlf_spc + job.only_cr + job.only_lf <= 1);

    if (is_extraction(job)) {
        VENDREL_FUZZ_CHECK(job.extract_from <= job.extract_to && job.extract_to <= 65535);
        VENDREL_FUZZ_CHECK(job.z80 + job.i8080 + job.tap + job.ptp + job.oa + job.lc == 0);
        VENDREL_FUZZ_CHECK(job.conversion_path == nullptr && name_length == 0);
        VENDREL_FUZZ_CHECK(!job.dtp || job.output_path != nullptr);
    } else {
        VENDREL_FUZZ_CHECK(job.extract_from == -1 && job.extract_to == -1);
        VENDREL_FUZZ_CHECK(job.z80 + job.i8080 == 1);
        VENDREL_FUZZ_CHECK(!(job.z80 && job.ptp) && !(job.i8080 && job.tap));
        // Packing always has somewhere to write, and never over its source.
        VENDREL_FUZZ_CHECK(job.output_path != nullptr);
        if (!points_into(job.output_path, argv)) {
            VENDREL_FUZZ_CHECK(job.output_path == job.default_output_name);
            VENDREL_FUZZ_CHECK(std::strcmp(job.output_path, job.source_path) != 0);
        }
    }
}

}  // namespace
}  // namespace vendrel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vendrel;
    std::vector<std::string> arguments(1, "vendrel");
    std::string current;
    for (std::size_t i = 0; i < size && arguments.size() < fuzz::kMaxArguments; ++i) {
        if (data[i] == 0) {
            arguments.push_back(current);
            current.clear();
        } else {
            current.push_back(static_cast<char>(data[i]));
        }
    }
    if (size > 0 && arguments.size() < fuzz::kMaxArguments) arguments.push_back(current);

    std::vector<const char*> argv;
    for (const std::string& argument : arguments) argv.push_back(argument.c_str());
    const int argc = static_cast<int>(argv.size());
    argv.push_back(nullptr);

    Job* job = nullptr;
    const int result = parse_command_line(argc, argv.data(), job);
    VENDREL_FUZZ_CHECK(job != nullptr);
    VENDREL_FUZZ_CHECK(result <= 0 && result >= kLowestErrorCode);
    VENDREL_FUZZ_CHECK(result != kOutOfMemory);
    if (result == 0) fuzz::check_complete_job(*job, argv);
    release_job(job);
    return 0;
}
