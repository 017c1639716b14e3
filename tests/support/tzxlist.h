// Runs tzxlist (fuse-emulator-utils) on a tape file for the tests.
#pragma once

#include <cstdio>
#include <string>

namespace vendrel::test {

// What tzxlist printed for the file, standard error included.
inline std::string tzxlist(const std::string& path) {
    const std::string command = "tzxlist '" + path + "' 2>&1";
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return "cannot run tzxlist";
    std::string listing;
    char chunk[4096];
    std::size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, pipe)) > 0) listing.append(chunk, got);
    ::pclose(pipe);
    return listing;
}

inline int count_of(const std::string& text, const std::string& what) {
    int found = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++found;
    return found;
}

}  // namespace vendrel::test
