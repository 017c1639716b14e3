// The libraries of src/ as CMakeLists.txt declares them: each links every
// library its files include and stands only on libraries declared before
// it, and README's layout table says the same.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "support/program.h"

namespace vendrel::test {
namespace {

const std::string kSourceDir = VENDREL_SOURCE_DIR;

using Libraries = std::map<std::string, std::set<std::string>>;

// The vendrel_library(folder library ...) lines, in their order.
std::vector<std::pair<std::string, std::set<std::string>>> declared_libraries() {
    std::vector<std::pair<std::string, std::set<std::string>>> libraries;
    std::istringstream lines(read_file(kSourceDir + "/CMakeLists.txt"));
    const std::string opening = "vendrel_library(";
    for (std::string line; std::getline(lines, line);) {
        if (!line.starts_with(opening) || !line.ends_with(")")) continue;
        std::istringstream names(line.substr(opening.size(), line.size() - opening.size() - 1));
        std::string folder;
        names >> folder;
        std::set<std::string> uses;
        for (std::string name; names >> name;) uses.insert(name);
        libraries.emplace_back(folder, uses);
    }
    return libraries;
}

// The folders of src/ that a library's files include headers from.
std::set<std::string> included_folders(const std::string& library) {
    std::set<std::string> folders;
    const std::string opening = "#include \"";
    for (const auto& entry : std::filesystem::directory_iterator(kSourceDir + "/src/" + library)) {
        std::istringstream lines(read_file(entry.path().string()));
        for (std::string line; std::getline(lines, line);) {
            const std::size_t slash = line.find('/');
            if (!line.starts_with(opening) || slash == std::string::npos) continue;
            folders.insert(line.substr(opening.size(), slash - opening.size()));
        }
    }
    return folders;
}

// README's layout table: each library's row, its "stands on" column
// continued on the lines below it.
Libraries readme_layout() {
    Libraries libraries;
    std::istringstream lines(read_file(kSourceDir + "/README.md"));
    std::string line;
    while (std::getline(lines, line) && line.find("    library   what it holds") != 0) {
    }
    const std::size_t column = line.find("stands on");
    std::string current;
    while (std::getline(lines, line) && !line.empty()) {
        const std::string name = line.substr(4, line.find(' ', 4) - 4);
        if (!name.empty()) current = name;
        std::istringstream names(line.size() > column ? line.substr(column) : "");
        for (std::string used; names >> used;) {
            if (used != "nothing") libraries[current].insert(used);
        }
        libraries.emplace(current, std::set<std::string>());
    }
    return libraries;
}

TEST(LibraryLayout, EveryLibraryLinksWhatItIncludes) {
    const auto libraries = declared_libraries();
    ASSERT_GE(libraries.size(), 9u);
    for (const auto& [library, uses] : libraries) {
        for (const std::string& folder : included_folders(library)) {
            EXPECT_TRUE(folder == library || uses.count(folder) == 1)
                << library << " includes " << folder << " but does not link it";
        }
    }
}

TEST(LibraryLayout, EveryLibraryStandsOnLibrariesBelowIt) {
    std::set<std::string> below;
    for (const auto& [library, uses] : declared_libraries()) {
        for (const std::string& used : uses) {
            EXPECT_EQ(below.count(used), 1u) << library << " stands on " << used << ", declared after it";
        }
        below.insert(library);
    }
}

TEST(LibraryLayout, TheReadmeTableShowsTheDeclaredLibraries) {
    Libraries declared;
    for (const auto& [library, uses] : declared_libraries()) declared[library] = uses;
    EXPECT_EQ(readme_layout(), declared);
}

}  // namespace
}  // namespace vendrel::test
