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
bool file_exists(const std::string& path);

}  // namespace vendrel::test
