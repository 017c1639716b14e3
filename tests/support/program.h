// Runs the built vendrel program as a process, and scratch files for it.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace vendrel::test {

struct ProgramResult {
    int exit_status = -1;
    std::string out;  // standard output
    std::string err;  // standard error
};

// Runs vendrel with the arguments (program name not included). Standard
// input receives input and is then closed.
ProgramResult run_program(const std::vector<std::string>& args, const std::string& input = "");

// How a run's process is set up, beyond its arguments.
struct ProgramOptions {
    std::string input;              // standard input, then closed
    long long file_size_limit = -1;  // RLIMIT_FSIZE in bytes (SIGXFSZ ignored); -1: none
    bool close_stdout = false;      // standard output closed: out stays empty
    std::string stdout_path;        // standard output opened on this file instead of captured
    std::string working_dir;        // empty: this process's
    int umask = -1;                 // the child's umask; -1: inherited
    bool stdout_append = false;     // stdout_path opened for appending (">>") instead of truncated
    std::vector<std::string> wrapper;  // a command the program runs under (such as strace and its options)
};

ProgramResult run_program_with(const std::vector<std::string>& args, const ProgramOptions& options);

// A run started without waiting for it; its standard input is empty and
// its standard output and error are discarded (or standard output goes to
// options.stdout_path).
struct StartedProgram {
    int pid = -1;
};

StartedProgram start_program(const std::vector<std::string>& args, const ProgramOptions& options = {});

// Waits for a started run and gives its exit status, 128 + the signal's
// number when a signal ended it.
int wait_for(StartedProgram& program);

// A fresh directory under the system's temporary directory, removed with
// everything in it when the object goes.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // Path of a file in the directory, as a string for the command line.
    std::string file(const std::string& name) const;
    // Writes bytes to a file in the directory and returns its path.
    std::string write(const std::string& name, const std::string& bytes) const;

private:
    std::filesystem::path path_;
};

std::string read_file(const std::string& path);
// The "Check" lines of a -list run's standard output, in order.
std::vector<std::string> check_lines(const std::string& out);
// A file of the bundled samples/ folder, by name.
std::string read_sample(const char* name);
bool file_exists(const std::string& path);

}  // namespace vendrel::test
