#include "base/descriptor_output.h"

#include <fcntl.h>
#include <unistd.h>

#include <charconv>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>
#include <system_error>

namespace vendrel {

namespace {

namespace fs = std::filesystem;

// The number after prefix, when the whole rest of text is one.
int number_after(std::string_view text, std::string_view prefix) {
    if (!text.starts_with(prefix)) return -1;
    const std::string_view digits = text.substr(prefix.size());
    int number = -1;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) return -1;
    return number;
}

// The descriptor one absolute, normalised name stands for, or -1.
int descriptor_named(std::string_view name) {
    if (name == "/dev/stdin") return 0;
    if (name == "/dev/stdout") return 1;
    if (name == "/dev/stderr") return 2;
    const std::string own = "/proc/" + std::to_string(::getpid()) + "/fd/";
    for (std::string_view prefix : {std::string_view("/dev/fd/"), std::string_view("/proc/self/fd/"),
                                    std::string_view("/proc/thread-self/fd/"), std::string_view(own)}) {
        if (const int number = number_after(name, prefix); number >= 0) return number;
    }
    return -1;
}

}  // namespace

int output_descriptor(const char* path) {
    constexpr int kMostLinks = 40;
    std::error_code error;
    fs::path name = fs::absolute(path, error).lexically_normal();
    for (int hop = 0; !error && hop < kMostLinks; ++hop) {
        if (const int descriptor = descriptor_named(name.native()); descriptor >= 0) {
            return ::fcntl(descriptor, F_GETFD) >= 0 ? descriptor : -1;
        }
        if (!fs::is_symlink(name, error)) break;
        const fs::path target = fs::read_symlink(name, error);
        name = (target.is_absolute() ? target : name.parent_path() / target).lexically_normal();
    }
    return -1;
}

void reserve_standard_descriptors() {
    for (int descriptor : {0, 1, 2}) {
        if (::fcntl(descriptor, F_GETFD) >= 0) continue;
        const int opened = ::open("/dev/null", descriptor == 2 ? O_WRONLY : O_RDONLY);
        if (opened >= 0 && opened != descriptor) {
            ::dup2(opened, descriptor);
            ::close(opened);
        }
    }
}

int move_console_to_standard_error() {
    const int image = ::fcntl(1, F_DUPFD_CLOEXEC, 3);
    if (image < 0) return -1;
    if (::dup2(2, 1) < 0) {
        ::close(image);
        return -1;
    }
    return image;
}

}  // namespace vendrel
