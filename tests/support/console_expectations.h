// What the front end prints, as the tests of the command-line suite expect
// it: the usage text, the banner, error messages.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/command_line.h"
#include "base/job_setup.h"
#include "base/job.h"

namespace vendrel::test {

// The usage text after the banner, pause included.
inline std::string expected_usage_text() {
    return "Usage: vendrel [options] srcfile.ext\n"
           "\nOptions:\n"
           "  -o outfile.ext  output file name\n"
           "  -append\t  append at the end of the output file\n"
           "  -dtp\t\t  source file comes from Universum's Desktop\n"
           "  -lc\t\t  transform upper case characters to lower case (only for -dtp)\n"
           "  -no-crlf\t  remove CR/LF from text\n"
           "  -crlf-spc\t  replace CR/LF in text with space\n"
           "  -only-cr\t  keep only CR in text\n"
           "  -only-lf\t  keep only LF in text\n"
           "  -z80\t\t  insert Z80 unpack routine\n"
           "  -i8080\t  insert i8080 unpack routine\n"
           "  -a address\t  start address [32768 (z80) / 0 (i8080)]\n"
           "  -pa address\t  \"print\" address [16 (z80) / 8500h (i8080)]\n"
           "  -ptp\t\t  create PTP file (PMD 85)\n"
           "  -tap\t\t  create TAP file (ZX Spectrum)\n"
           "  -n name\t  name of the tape block (max. 8 (PTP) / 10 (TAP) characters)\n"
           "\nPress ENTER ..."
           "  -ct convtab.ext conversion table file\n"
           "  -x from to\t  extract records from packed data file (from=0 all)\n"
           "\t\t    If -o is not specified, records are printed to the console.\n"
           "\t\t    If -o and -dtp are specified, Desktop format is used.\n"
           "  -vb\t\t  verbose\n"
           "  -h\t\t  usage information\n"
           "\nAll numeric parameters must be nonnegative integers and can be in three forms:\n"
           "  decimal (e.g. 12345)\n"
           "  octal (e.g. 01234)\n"
           "  hexadecimal (e.g. 0x1234)\n\n";
}

// Checks that out starts with the banner (a line beginning "Vendrel v" and
// the project's version, then " - ",
// a credit line, an empty line) and returns what follows it.
inline std::string after_banner(const std::string& out) {
    static const std::string kFirst = "Vendrel v" VENDREL_VERSION " - ";
    if (out.compare(0, kFirst.size(), kFirst) != 0) {
        ADD_FAILURE() << "standard output does not start with the banner:\n" << out;
        return out;
    }
    const auto first_end = out.find('\n');
    const auto credit_end = first_end == std::string::npos ? first_end : out.find('\n', first_end + 1);
    if (credit_end == std::string::npos || credit_end == first_end + 1 || credit_end + 1 >= out.size() ||
        out[credit_end + 1] != '\n') {
        ADD_FAILURE() << "the banner has no credit line followed by an empty line:\n" << out;
        return out;
    }
    return out.substr(credit_end + 2);
}

// Replaces every "{dir}" in text with dir.
inline std::string with_dir(std::string text, const std::string& dir) {
    for (auto at = text.find("{dir}"); at != std::string::npos; at = text.find("{dir}", at + dir.size())) {
        text.replace(at, 5, dir);
    }
    return text;
}

// parse_command_line run in-process on a command line (program name left
// out), with what it printed; releases the Job on destruction.
class ParsedCommandLine {
public:
    explicit ParsedCommandLine(std::vector<std::string> args, std::string program = "vendrel")
        : args_(std::move(args)) {
        args_.insert(args_.begin(), std::move(program));
        for (const std::string& arg : args_) argv_.push_back(arg.c_str());
        argv_.push_back(nullptr);
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        result = parse_command_line(static_cast<int>(args_.size()), argv_.data(), job);
        err = testing::internal::GetCapturedStderr();
        out = testing::internal::GetCapturedStdout();
    }
    ~ParsedCommandLine() { release_job(job); }
    ParsedCommandLine(const ParsedCommandLine&) = delete;
    ParsedCommandLine& operator=(const ParsedCommandLine&) = delete;

    // The argument at index i of the command line (program name left out),
    // as the Job's text references should point at it.
    const char* arg(std::size_t i) const { return argv_[i + 1]; }

    int result = 0;
    Job* job = nullptr;
    std::string out;
    std::string err;

private:
    std::vector<std::string> args_;
    std::vector<const char*> argv_;
};

}  // namespace vendrel::test
