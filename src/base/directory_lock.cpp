#include "base/directory_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <utility>

#include "base/held_signals.h"

namespace vendrel {

namespace {

// How long one wait for a busy lock lasts before the run looks for a
// termination signal again.
constexpr int kLockPollMilliseconds = 10;

bool lock_interruptibly(int descriptor) {
    for (;;) {
        if (::flock(descriptor, LOCK_EX | LOCK_NB) == 0) return true;
        if (errno != EWOULDBLOCK && errno != EINTR) return true;  // no lock to be had: write unlocked
        if (HeldSignals::interrupted_within(kLockPollMilliseconds)) return false;
    }
}

}  // namespace

bool DirectoryLocks::take(const std::vector<std::filesystem::path>& directories) {
    std::vector<std::pair<std::pair<dev_t, ino_t>, int>> opened;
    for (const std::filesystem::path& directory : directories) {
        const int descriptor = ::open(directory.empty() ? "." : directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        struct stat info {};
        if (descriptor < 0) continue;
        if (::fstat(descriptor, &info) != 0) {
            ::close(descriptor);
            continue;
        }
        opened.push_back({{info.st_dev, info.st_ino}, descriptor});
    }
    std::sort(opened.begin(), opened.end());
    for (std::size_t i = 0; i < opened.size(); ++i) {
        const bool repeated = i > 0 && opened[i].first == opened[i - 1].first;
        if (repeated || !lock_interruptibly(opened[i].second)) {
            ::close(opened[i].second);
            if (repeated) continue;
            for (std::size_t rest = i + 1; rest < opened.size(); ++rest) ::close(opened[rest].second);
            for (const int held : held_) ::close(held);
            held_.clear();
            return false;
        }
        held_.push_back(opened[i].second);
    }
    return true;
}

bool DirectoryLocks::holds(const std::filesystem::path& directory) const {
    struct stat wanted {};
    if (::stat(directory.empty() ? "." : directory.c_str(), &wanted) != 0) return false;
    return std::any_of(held_.begin(), held_.end(), [&](int descriptor) {
        struct stat info {};
        return ::fstat(descriptor, &info) == 0 && info.st_dev == wanted.st_dev && info.st_ino == wanted.st_ino;
    });
}

DirectoryLocks::~DirectoryLocks() {
    // Closing the directory lets its lock go.
    for (const int descriptor : held_) ::close(descriptor);
}

}  // namespace vendrel
