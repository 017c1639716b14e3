#include "base/file_replica.h"

#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

#include "base/output_target.h"

namespace vendrel {

namespace {

mode_t new_file_mode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The names of a file's extended attributes (the access control list is
// one of them), or false when they cannot be read.
bool attribute_names(int descriptor, std::vector<char>& names) {
    for (;;) {
        const ssize_t size = ::flistxattr(descriptor, nullptr, 0);
        if (size < 0) return errno == ENOTSUP;
        names.resize(static_cast<std::size_t>(size));
        if (size == 0) return true;
        const ssize_t got = ::flistxattr(descriptor, names.data(), names.size());
        if (got >= 0) {
            names.resize(static_cast<std::size_t>(got));
            return true;
        }
        if (errno != ERANGE) return false;
    }
}

bool copy_attributes(int from, int to) {
    std::vector<char> names;
    if (!attribute_names(from, names)) return false;
    std::vector<char> value;
    for (std::size_t at = 0; at < names.size();) {
        const char* name = names.data() + at;
        at += std::char_traits<char>::length(name) + 1;
        const ssize_t size = ::fgetxattr(from, name, nullptr, 0);
        if (size < 0) return false;
        value.resize(static_cast<std::size_t>(size));
        const ssize_t got = ::fgetxattr(from, name, value.data(), value.size());
        if (got < 0 || ::fsetxattr(to, name, value.data(), static_cast<std::size_t>(got), 0) != 0) return false;
    }
    return true;
}

bool take_identity(int descriptor, const struct stat& old, int old_descriptor) {
    if ((old.st_uid != ::geteuid() || old.st_gid != ::getegid()) &&
        ::fchown(descriptor, old.st_uid, old.st_gid) != 0) {
        return false;
    }
    // The bits first: setting them after the access control list would
    // change its mask.
    return ::fchmod(descriptor, old.st_mode & 07777) == 0 && copy_attributes(old_descriptor, descriptor);
}

}  // namespace

bool rename_would_change_identity(const struct stat& old) {
    return old.st_nlink > 1 || (::geteuid() != 0 && old.st_uid != ::geteuid());
}

ReplicaResult make_replica(const std::filesystem::path& target, const struct stat* old, int old_descriptor,
                           std::string& temporary, int& descriptor) {
    temporary = temporary_name(target);
    descriptor = ::mkstemp(temporary.data());
    if (descriptor < 0) return ReplicaResult::cannot_create;
    const bool kept = old != nullptr ? take_identity(descriptor, *old, old_descriptor)
                                     : ::fchmod(descriptor, new_file_mode()) == 0;
    if (kept) return ReplicaResult::made;
    ::close(descriptor);
    ::unlink(temporary.c_str());
    descriptor = -1;
    return ReplicaResult::cannot_keep;
}

}  // namespace vendrel
