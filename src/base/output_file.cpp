#include "base/output_file.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "base/errors.h"

namespace vendrel {

namespace {

namespace fs = std::filesystem;

// While an output file is being replaced or appended to, the signals that
// would end the run wait, so that the file is whole (old or new) when they
// end it. SIGXFSZ and SIGPIPE only repeat what the failed write already
// tells: they are taken back unseen.
class HeldSignals {
public:
    HeldSignals() {
        sigset_t held;
        sigemptyset(&held);
        for (int signal : {SIGHUP, SIGINT, SIGQUIT, SIGTERM, SIGXFSZ, SIGPIPE}) sigaddset(&held, signal);
        sigprocmask(SIG_BLOCK, &held, &previous_);
    }
    ~HeldSignals() {
        sigset_t pending;
        sigpending(&pending);
        const timespec now{0, 0};
        for (int signal : {SIGXFSZ, SIGPIPE}) {
            if (sigismember(&pending, signal) == 1 && sigismember(&previous_, signal) == 0) {
                sigset_t one;
                sigemptyset(&one);
                sigaddset(&one, signal);
                sigtimedwait(&one, nullptr, &now);
            }
        }
        sigprocmask(SIG_SETMASK, &previous_, nullptr);
    }
    HeldSignals(const HeldSignals&) = delete;
    HeldSignals& operator=(const HeldSignals&) = delete;

private:
    sigset_t previous_{};
};

bool write_all(int fd, const std::uint8_t* data, int length) {
    std::size_t done = 0;
    const std::size_t wanted = static_cast<std::size_t>(length);
    while (done < wanted) {
        const ssize_t written = ::write(fd, data + done, wanted - done);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        done += static_cast<std::size_t>(written);
    }
    return true;
}

// The file a chain of symlinks ends at (which need not exist yet).
fs::path follow_links(fs::path path) {
    constexpr int kMostLinks = 40;
    for (int hop = 0; hop < kMostLinks; ++hop) {
        std::error_code error;
        if (!fs::is_symlink(path, error)) break;
        const fs::path target = fs::read_symlink(path, error);
        if (error) break;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return path;
}

// ".name.vendrel-XXXXXX" beside the target, the name shortened to keep
// within the longest file name.
std::string temporary_name(const fs::path& target) {
    constexpr std::size_t kLongestName = 255;
    const std::string suffix = ".vendrel-XXXXXX";
    std::string name = target.filename().string();
    if (name.size() + suffix.size() + 1 > kLongestName) name.resize(kLongestName - suffix.size() - 1);
    return (target.parent_path() / ("." + name + suffix)).string();
}

mode_t new_file_mode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Devices, FIFOs and pipes: written as they come, never positioned.
int write_directly(const char* path, const std::uint8_t* data, int length, bool append) {
    const int fd = ::open(path, O_WRONLY | O_CLOEXEC | (append ? O_APPEND : O_TRUNC));
    if (fd < 0) return report_error(kCannotOpenOutput, path);
    const bool written = write_all(fd, data, length);
    if (::close(fd) != 0 || !written) return report_error(kCannotWriteOutput, path);
    return 0;
}

// Copies what is left to read of from to the end of to.
bool copy_rest(int from, int to) {
    std::vector<std::uint8_t> chunk(1 << 16);
    for (;;) {
        const ssize_t got = ::read(from, chunk.data(), chunk.size());
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return got == 0;
        if (!write_all(to, chunk.data(), static_cast<int>(got))) return false;
    }
}

// Writes a temporary file beside target, with like's owner and permission
// bits, holding the rest of old (when old is not -1) and then data, and
// renames it over target once it is whole. Returns 0, kCannotOpenOutput or
// kCannotWriteOutput (not reported); no temporary file stays behind.
int write_beside(const fs::path& target, const struct stat& like, int old, const std::uint8_t* data, int length) {
    std::string temporary = temporary_name(target);
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return kCannotOpenOutput;
    if (like.st_uid != ::geteuid() || like.st_gid != ::getegid()) {
        if (::fchown(fd, like.st_uid, like.st_gid) != 0) {
            // Someone else's file becomes this user's, as a new file would.
        }
    }
    bool whole = ::fchmod(fd, like.st_mode & 07777) == 0 && (old < 0 || copy_rest(old, fd)) &&
                 write_all(fd, data, length) && ::fsync(fd) == 0;
    whole = ::close(fd) == 0 && whole;
    if (whole && ::rename(temporary.c_str(), target.c_str()) == 0) return 0;
    ::unlink(temporary.c_str());
    return kCannotWriteOutput;
}

// A write-protected file is not replaced, even where its directory would
// let the rename through.
bool write_protected(const char* path) { return ::access(path, F_OK) == 0 && ::access(path, W_OK) != 0; }

// The file that writing path changes: path itself, or the file its
// symlinks lead to. Returns 0, or kCannotOpenOutput (reported).
int find_target(const char* path, fs::path& target) {
    if (write_protected(path)) return report_error(kCannotOpenOutput, path);
    target = follow_links(path);
    if (target.filename().empty()) return report_error(kCannotOpenOutput, path);
    return 0;
}

// A regular file, or none yet: replaced whole.
int replace_file(const char* path, const std::uint8_t* data, int length) {
    fs::path target;
    if (const int result = find_target(path, target); result != 0) return result;

    const HeldSignals held;
    struct stat like {};
    if (::stat(target.c_str(), &like) != 0) {
        like.st_mode = new_file_mode();
        like.st_uid = ::geteuid();
        like.st_gid = ::getegid();
    }
    const int result = write_beside(target, like, -1, data, length);
    return result == 0 ? 0 : report_error(result, path);
}

// Opens target for reading, creating it empty when it is missing, and takes
// the advisory lock on it; when another run replaced the file while this
// one waited, it locks the new file instead. Returns the descriptor, or
// kCannotOpenOutput or kCannotAccessOutput (not reported).
int open_locked(const fs::path& target, struct stat& locked, bool& created) {
    for (;;) {
        int fd = ::open(target.c_str(), O_RDONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        created = fd >= 0;
        if (fd < 0 && errno == EEXIST) fd = ::open(target.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) return kCannotOpenOutput;
        if (::flock(fd, LOCK_EX) != 0 || ::fstat(fd, &locked) != 0) {
            ::close(fd);
            return kCannotAccessOutput;
        }
        struct stat now {};
        if (::stat(target.c_str(), &now) == 0 && now.st_dev == locked.st_dev && now.st_ino == locked.st_ino) {
            return fd;
        }
        ::close(fd);
    }
}

// A regular file, or none yet: the old bytes and the new ones go to a
// temporary file that replaces it, under an advisory lock, so that two
// runs appending at once both land whole, one after the other.
int append_to_file(const char* path, const std::uint8_t* data, int length) {
    fs::path target;
    if (const int result = find_target(path, target); result != 0) return result;

    const HeldSignals held;
    struct stat locked {};
    bool created = false;
    const int fd = open_locked(target, locked, created);
    if (fd < 0) return report_error(fd, path);
    const int result = write_beside(target, locked, fd, data, length);
    if (result != 0 && created) ::unlink(target.c_str());
    ::close(fd);
    return result == 0 ? 0 : report_error(result, path);
}

}  // namespace

int write_output_file(const char* path, const std::uint8_t* data, int length, bool append) {
    struct stat info {};
    const bool exists = ::stat(path, &info) == 0;
    if (!exists && errno != ENOENT) return report_error(kCannotOpenOutput, path);
    if (exists && S_ISDIR(info.st_mode)) return report_error(kCannotOpenOutput, path);
    if (exists && !S_ISREG(info.st_mode)) return write_directly(path, data, length, append);
    return append ? append_to_file(path, data, length) : replace_file(path, data, length);
}

namespace {

bool same_file(const char* output, const char* input) {
    struct stat out {};
    struct stat in {};
    if (::stat(output, &out) == 0) {
        // Writing a device or a pipe leaves every file as it is.
        if (!S_ISREG(out.st_mode)) return false;
        return ::stat(input, &in) == 0 && in.st_dev == out.st_dev && in.st_ino == out.st_ino;
    }
    // No file yet: only the same name can be the same file.
    std::error_code output_error;
    std::error_code input_error;
    const fs::path output_name = fs::absolute(output, output_error).lexically_normal();
    const fs::path input_name = fs::absolute(input, input_error).lexically_normal();
    return !output_error && !input_error && output_name == input_name;
}

}  // namespace

int refuse_output_over_inputs(const char* output, const char* source, const char* conversion) {
    if (output == nullptr) return 0;
    for (const char* input : {source, conversion}) {
        if (input != nullptr && same_file(output, input)) return report_error(kOutputIsInput, output);
    }
    return 0;
}

}  // namespace vendrel
