// The lock that every run writing into a directory takes: replaces and
// appends of any file there follow each other whole. It lives on the
// directory itself, so no lock file is made or left behind, and a file
// that does not exist yet can be locked without making it.
#pragma once

#include <filesystem>
#include <vector>

namespace vendrel {

class DirectoryLocks {
public:
    DirectoryLocks() = default;
    ~DirectoryLocks();
    DirectoryLocks(const DirectoryLocks&) = delete;
    DirectoryLocks& operator=(const DirectoryLocks&) = delete;

    // Locks each directory, always in the same order so that two runs
    // cannot wait for each other. Waiting ends early when a termination
    // signal comes (they must be held): returns false then, with nothing
    // locked. A directory that cannot be opened or locked (no read
    // permission, no lock support) is written without its lock.
    bool take(const std::vector<std::filesystem::path>& directories);

    // Whether this run holds the lock of the directory.
    bool holds(const std::filesystem::path& directory) const;

private:
    std::vector<int> held_;
};

}  // namespace vendrel
