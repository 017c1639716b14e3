// A new file beside an old one that will take its place by a rename and
// must then be the same file to everyone who uses it: same owner, group,
// permission bits, extended attributes and access control list.
#pragma once

#include <sys/stat.h>

#include <filesystem>
#include <string>

namespace vendrel {

enum class ReplicaResult {
    made,             // the replica is open and carries the old file's identity
    cannot_create,    // no file could be made beside the target
    cannot_keep,      // a file was made, but could not take the identity (removed again)
};

// Creates a temporary file beside target (its name in temporary) with the
// identity of old, or, for a file that does not exist yet (old null), the
// identity a new file gets. On made, descriptor is open for writing.
ReplicaResult make_replica(const std::filesystem::path& target, const struct stat* old, int old_descriptor,
                           std::string& temporary, int& descriptor);

// Whether a rename would change what the existing file is: other names
// (hard links) would keep the old bytes, and another user's file would
// become this user's.
bool rename_would_change_identity(const struct stat& old);

}  // namespace vendrel
