#include "support/program.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace vendrel::test {

namespace {

void write_all(int fd, const std::string& data) {
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return;  // the program closed its input early
        }
        done += static_cast<std::size_t>(n);
    }
}

// In the child: sets the process up as options ask, with standard input,
// output and error on the descriptors given, and runs the program.
[[noreturn]] void exec_program(const std::vector<std::string>& args, const ProgramOptions& options, int in,
                               int out, int err) {
    ::dup2(in, 0);
    ::dup2(out, 1);
    ::dup2(err, 2);
    if (!options.stdout_path.empty()) {
        const int fd = ::open(options.stdout_path.c_str(),
                              O_WRONLY | O_CREAT | (options.stdout_append ? O_APPEND : O_TRUNC), 0666);
        if (fd < 0 || ::dup2(fd, 1) < 0) ::_exit(126);
        ::close(fd);
    }
    if (options.close_stdout) ::close(1);
    if (!options.working_dir.empty() && ::chdir(options.working_dir.c_str()) != 0) ::_exit(126);
    if (options.umask >= 0) ::umask(static_cast<mode_t>(options.umask));
    if (options.file_size_limit >= 0) {
        const rlimit limit{static_cast<rlim_t>(options.file_size_limit), static_cast<rlim_t>(options.file_size_limit)};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) ::_exit(126);
        ::signal(SIGXFSZ, SIG_IGN);
    }
    std::vector<char*> argv;
    for (const std::string& word : options.wrapper) argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(const_cast<char*>(VENDREL_BINARY));
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    ::execv(argv.front(), argv.data());
    ::_exit(127);
}

int exit_status_of(int status) { return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status); }

}  // namespace

ProgramResult run_program(const std::vector<std::string>& args, const std::string& input) {
    ProgramOptions options;
    options.input = input;
    return run_program_with(args, options);
}

ProgramResult run_program_with(const std::vector<std::string>& args, const ProgramOptions& options) {
    int in_pipe[2], out_pipe[2], err_pipe[2];
    if (::pipe(in_pipe) != 0 || ::pipe(out_pipe) != 0 || ::pipe(err_pipe) != 0) {
        throw std::runtime_error("pipe failed");
    }
    const pid_t pid = ::fork();
    if (pid < 0) throw std::runtime_error("fork failed");
    if (pid == 0) {
        for (int fd : {in_pipe[1], out_pipe[0], err_pipe[0]}) ::close(fd);
        exec_program(args, options, in_pipe[0], out_pipe[1], err_pipe[1]);
    }
    ::close(in_pipe[0]);
    ::close(out_pipe[1]);
    ::close(err_pipe[1]);
    ::signal(SIGPIPE, SIG_IGN);
    write_all(in_pipe[1], options.input);
    ::close(in_pipe[1]);

    ProgramResult result;
    pollfd fds[2] = {{out_pipe[0], POLLIN, 0}, {err_pipe[0], POLLIN, 0}};
    std::string* sinks[2] = {&result.out, &result.err};
    int open_count = 2;
    while (open_count > 0) {
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR) continue;
            break;
        }
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0) continue;
            char chunk[65536];
            const ssize_t n = ::read(fds[i].fd, chunk, sizeof chunk);
            if (n > 0) {
                sinks[i]->append(chunk, static_cast<std::size_t>(n));
            } else {
                ::close(fds[i].fd);
                fds[i].fd = -1;
                --open_count;
            }
        }
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    result.exit_status = exit_status_of(status);
    return result;
}

StartedProgram start_program(const std::vector<std::string>& args, const ProgramOptions& options) {
    const pid_t pid = ::fork();
    if (pid < 0) throw std::runtime_error("fork failed");
    if (pid == 0) {
        const int null = ::open("/dev/null", O_RDWR);
        exec_program(args, options, null, null, null);
    }
    return StartedProgram{pid};
}

int wait_for(StartedProgram& program) {
    int status = 0;
    while (::waitpid(program.pid, &status, 0) < 0) {
        if (errno != EINTR) throw std::runtime_error("waitpid failed");
    }
    program.pid = -1;
    return exit_status_of(status);
}

ScratchDir::ScratchDir() {
    std::random_device device;
    const auto base = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::ostringstream name;
        name << "vendrel-test-" << std::hex << device() << device();
        path_ = base / name.str();
        if (std::filesystem::create_directory(path_)) return;
    }
    throw std::runtime_error("cannot create a scratch directory");
}

ScratchDir::~ScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string ScratchDir::file(const std::string& name) const { return (path_ / name).string(); }

std::string ScratchDir::write(const std::string& name, const std::string& bytes) const {
    const std::string path = file(name);
    std::ofstream stream(path, std::ios::binary | std::ios::trunc);
    stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
}

std::string read_file(const std::string& path) {
    std::ifstream stream(path, std::ios::binary);
    std::ostringstream content;
    content << stream.rdbuf();
    return content.str();
}

bool file_exists(const std::string& path) { return std::filesystem::exists(path); }

std::string read_sample(const char* name) {
    return read_file(std::string(VENDREL_SOURCE_DIR "/samples/").append(name));
}

std::vector<std::string> check_lines(const std::string& out) {
    std::vector<std::string> lines;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("Check", 0) == 0) lines.push_back(line);
    }
    return lines;
}

}  // namespace vendrel::test
