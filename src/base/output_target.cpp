#include "base/output_target.h"

#include <sys/stat.h>

#include <system_error>

namespace vendrel {

namespace fs = std::filesystem;

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

fs::path real_output_name(const char* path) {
    std::error_code error;
    const fs::path target = fs::absolute(follow_links(path), error);
    if (error) return {};
    const fs::path directory = fs::canonical(target.parent_path(), error);
    if (error) return {};
    return directory / target.filename();
}

bool same_output_file(const char* first, const char* second) {
    struct stat one {};
    struct stat other {};
    if (::stat(first, &one) == 0 && ::stat(second, &other) == 0) {
        // Writing a device or a pipe twice changes no file.
        return S_ISREG(one.st_mode) && one.st_dev == other.st_dev && one.st_ino == other.st_ino;
    }
    const fs::path first_name = real_output_name(first);
    return !first_name.empty() && first_name == real_output_name(second);
}

std::string temporary_name(const fs::path& target) {
    constexpr std::size_t kLongestName = 255;
    const std::string suffix = ".vendrel-XXXXXX";
    std::string name = target.filename().string();
    if (name.size() + suffix.size() + 1 > kLongestName) name.resize(kLongestName - suffix.size() - 1);
    return (target.parent_path() / ("." + name + suffix)).string();
}

void remove_stale_temporaries(const fs::path& target) {
    const std::string pattern = fs::path(temporary_name(target)).filename().string();
    const std::string head = pattern.substr(0, pattern.size() - 6);  // without the XXXXXX
    std::error_code error;
    const fs::path directory = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    for (const auto& entry : fs::directory_iterator(directory, error)) {
        const std::string name = entry.path().filename().string();
        if (name.size() == pattern.size() && name.starts_with(head) && entry.is_regular_file(error)) {
            fs::remove(entry.path(), error);
        }
    }
}

}  // namespace vendrel
