#include "base/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

#include "base/descriptor_output.h"
#include "base/directory_lock.h"
#include "base/errors.h"
#include "base/file_replica.h"
#include "base/held_signals.h"
#include "base/output_target.h"

namespace vendrel {

namespace {

namespace fs = std::filesystem;

enum class Way {
    stream,    // a descriptor of the run, a device or a FIFO
    rename,    // a whole new file beside the old one, renamed over it
    in_place,  // the file itself, its old bytes kept to put back
};

// One output on its way: what was found at its name, and what was made
// for it so far.
struct Output {
    const OutputRequest* request = nullptr;
    Way way = Way::rename;
    int stream = -1;             // stream: the descriptor, or -1 to open the name
    fs::path target;             // the file a symlink chain ends at
    bool existed = false;
    struct stat old {};
    int old_file = -1;           // the old file: read (rename) or written (in place)
    std::string temporary;       // rename: the new file, until renamed
    int replica = -1;
    struct stat made {};         // rename: the new file, to know it again
    std::vector<std::uint8_t> old_bytes;
    bool old_bytes_kept = false;
    bool committed = false;
};

bool write_all(int descriptor, const std::uint8_t* data, std::size_t length, off_t at = -1) {
    std::size_t done = 0;
    while (done < length) {
        const ssize_t written = at < 0 ? ::write(descriptor, data + done, length - done)
                                       : ::pwrite(descriptor, data + done, length - done,
                                                  at + static_cast<off_t>(done));
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        done += static_cast<std::size_t>(written);
    }
    return true;
}

bool read_rest(int descriptor, std::vector<std::uint8_t>& bytes) {
    std::uint8_t chunk[1 << 16];
    for (;;) {
        const ssize_t got = ::read(descriptor, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return got == 0;
        bytes.insert(bytes.end(), chunk, chunk + got);
    }
}

bool copy_rest(int from, int to) {
    std::vector<std::uint8_t> bytes;
    return read_rest(from, bytes) && write_all(to, bytes.data(), bytes.size());
}

// Where the request's name leads, before any lock: a stream, or a file
// (existing or not) whose way is chosen under the lock.
int classify(Output& output) {
    const OutputRequest& request = *output.request;
    if (request.descriptor >= 0) {
        output.way = Way::stream;
        output.stream = request.descriptor;
        return 0;
    }
    if (const int descriptor = output_descriptor(request.path); descriptor >= 0) {
        const int flags = ::fcntl(descriptor, F_GETFL);
        if (flags < 0 || (flags & O_ACCMODE) == O_RDONLY) return report_error(kCannotOpenOutput, request.path);
        output.way = Way::stream;
        output.stream = descriptor;
        return 0;
    }
    struct stat info {};
    const bool exists = ::stat(request.path, &info) == 0;
    if (!exists && errno != ENOENT) return report_error(kCannotOpenOutput, request.path);
    if (exists && S_ISDIR(info.st_mode)) return report_error(kCannotOpenOutput, request.path);
    if (exists && !S_ISREG(info.st_mode)) {
        output.way = Way::stream;
        return 0;
    }
    // A write-protected file is not replaced, even where its directory
    // would let a rename through.
    if (exists && ::access(request.path, W_OK) != 0) return report_error(kCannotOpenOutput, request.path);
    output.target = follow_links(request.path);
    if (output.target.filename().empty()) return report_error(kCannotOpenOutput, request.path);
    return 0;
}

// Writes the whole new content into the replica and makes it durable.
bool fill_replica(Output& output) {
    const OutputRequest& request = *output.request;
    const bool whole = (!request.append || output.old_file < 0 || copy_rest(output.old_file, output.replica)) &&
                       write_all(output.replica, request.data, static_cast<std::size_t>(request.length)) &&
                       ::fsync(output.replica) == 0 && ::fstat(output.replica, &output.made) == 0;
    return whole;
}

// Under the lock: looks at the name again, keeps what may have to be put
// back, and makes the new file (rename) or opens the old one (in place).
int prepare(Output& output, bool keep_old_bytes) {
    const char* path = output.request->path;
    output.existed = ::stat(output.target.c_str(), &output.old) == 0;
    if (!output.existed && errno != ENOENT) return report_error(kCannotAccessOutput, path);
    if (output.existed && !S_ISREG(output.old.st_mode)) return report_error(kCannotAccessOutput, path);
    if (output.existed) output.old_file = ::open(output.target.c_str(), O_RDONLY | O_CLOEXEC);
    if (output.old_file >= 0 && (keep_old_bytes || rename_would_change_identity(output.old))) {
        output.old_bytes_kept = read_rest(output.old_file, output.old_bytes) && ::lseek(output.old_file, 0, SEEK_SET) == 0;
    }

    output.way = output.existed && (rename_would_change_identity(output.old) || output.old_file < 0) ? Way::in_place
                                                                                                      : Way::rename;
    if (output.way == Way::rename) {
        const ReplicaResult made = make_replica(output.target, output.existed ? &output.old : nullptr,
                                                output.old_file, output.temporary, output.replica);
        if (made == ReplicaResult::made) return fill_replica(output) ? 0 : report_error(kCannotWriteOutput, path);
        if (!output.existed) return report_error(kCannotOpenOutput, path);
        output.way = Way::in_place;
    }
    if (output.old_file >= 0) ::close(output.old_file);
    output.old_file = ::open(output.target.c_str(), O_WRONLY | O_CLOEXEC);
    return output.old_file >= 0 ? 0 : report_error(kCannotOpenOutput, path);
}

// Puts the old bytes back into a file written in place; false when they
// were not kept.
bool put_back_in_place(Output& output) {
    if (output.request->append) return ::ftruncate(output.old_file, output.old.st_size) == 0;
    return output.old_bytes_kept && write_all(output.old_file, output.old_bytes.data(), output.old_bytes.size(), 0) &&
           ::ftruncate(output.old_file, static_cast<off_t>(output.old_bytes.size())) == 0 &&
           ::fsync(output.old_file) == 0;
}

int commit_in_place(Output& output) {
    const OutputRequest& request = *output.request;
    const off_t at = request.append ? output.old.st_size : 0;
    const bool whole = write_all(output.old_file, request.data, static_cast<std::size_t>(request.length), at) &&
                       ::ftruncate(output.old_file, at + request.length) == 0 && ::fsync(output.old_file) == 0;
    if (whole) return 0;
    put_back_in_place(output);
    return report_error(kCannotWriteOutput, request.path);
}

int commit_stream(Output& output) {
    const OutputRequest& request = *output.request;
    const bool opened_here = output.stream < 0;
    const int descriptor = opened_here ? ::open(request.path, O_WRONLY | O_CLOEXEC | (request.append ? O_APPEND : O_TRUNC))
                                       : output.stream;
    if (descriptor < 0) return report_error(kCannotOpenOutput, request.path);
    bool whole = write_all(descriptor, request.data, static_cast<std::size_t>(request.length));
    if (opened_here) whole = ::close(descriptor) == 0 && whole;
    return whole ? 0 : report_error(kCannotWriteOutput, request.path);
}

int commit(Output& output) {
    int result = 0;
    if (output.way == Way::stream) {
        result = commit_stream(output);
    } else if (output.way == Way::in_place) {
        result = commit_in_place(output);
    } else if (::rename(output.temporary.c_str(), output.target.c_str()) == 0) {
        output.temporary.clear();
    } else {
        result = report_error(kCannotWriteOutput, output.request->path);
    }
    output.committed = result == 0;
    return result;
}

// Undoes a committed file when a later output failed: its old bytes come
// back, or the name goes again where there was no file.
void roll_back(Output& output) {
    if (output.way == Way::in_place) {
        put_back_in_place(output);
        return;
    }
    struct stat now {};
    const bool still_ours = ::stat(output.target.c_str(), &now) == 0 && now.st_dev == output.made.st_dev &&
                            now.st_ino == output.made.st_ino;
    if (!still_ours) return;
    if (!output.existed) {
        ::unlink(output.target.c_str());
        return;
    }
    if (!output.old_bytes_kept) return;
    const int descriptor = ::open(output.target.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (descriptor < 0) return;
    write_all(descriptor, output.old_bytes.data(), output.old_bytes.size());
    ::fsync(descriptor);
    ::close(descriptor);
}

void tidy(Output& output) {
    if (output.replica >= 0) ::close(output.replica);
    if (!output.temporary.empty()) ::unlink(output.temporary.c_str());
    if (output.old_file >= 0) ::close(output.old_file);
}

// Commits the files first and the streams last, since a stream cannot be
// taken back; when one fails, the files already committed are undone.
int commit_all(std::vector<Output>& outputs) {
    for (const bool streams : {false, true}) {
        for (Output& output : outputs) {
            if ((output.way == Way::stream) != streams) continue;
            if (const int result = commit(output); result != 0) {
                for (Output& done : outputs) {
                    if (done.committed && done.way != Way::stream) roll_back(done);
                }
                return result;
            }
        }
    }
    return 0;
}

}  // namespace

int write_output_files(std::span<const OutputRequest> requests) {
    const HeldSignals held;
    std::vector<Output> outputs(requests.size());
    std::vector<fs::path> directories;
    int result = 0;
    for (std::size_t i = 0; i < requests.size() && result == 0; ++i) {
        outputs[i].request = &requests[i];
        result = classify(outputs[i]);
        if (result == 0 && outputs[i].way != Way::stream) directories.push_back(outputs[i].target.parent_path());
    }
    const char* first = requests.empty() ? "" : requests.front().path;

    DirectoryLocks locks;
    if (result == 0 && !locks.take(directories)) result = report_error(kInterrupted, first);
    for (Output& output : outputs) {
        if (result != 0 || output.way == Way::stream) continue;
        if (locks.holds(output.target.parent_path())) remove_stale_temporaries(output.target);
        result = prepare(output, requests.size() > 1);
    }
    if (result == 0 && HeldSignals::interrupted()) result = report_error(kInterrupted, first);
    if (result == 0) result = commit_all(outputs);
    // Once the files changed, the run finishes as a success.
    if (result == 0) HeldSignals::forget_pending();
    for (Output& output : outputs) tidy(output);
    return result;
}

int write_output_file(const char* path, const std::uint8_t* data, int length, bool append) {
    const OutputRequest request{path, data, length, append, -1};
    return write_output_files({&request, 1});
}

int refuse_output_over_inputs(const char* output, const char* source, const char* conversion) {
    if (output == nullptr) return 0;
    for (const char* input : {source, conversion}) {
        if (input != nullptr && same_output_file(output, input)) return report_error(kOutputIsInput, output);
    }
    return 0;
}

}  // namespace vendrel
