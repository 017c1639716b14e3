// cmake --install puts the program in place without the debug information
// that the developers' build keeps, and the installed program runs.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/program.h"

namespace vendrel::test {
namespace {

TEST(Install, InstallsAStrippedProgram) {
    if (std::system("readelf --version >/dev/null 2>&1") != 0) GTEST_SKIP() << "no readelf";
    ScratchDir dir;
    const std::string build_dir = std::filesystem::path(VENDREL_BINARY).parent_path().string();
    const std::string install = "cmake --install '" + build_dir + "' --prefix '" + dir.path().string() +
                                "' >'" + dir.file("install.log") + "' 2>&1";
    ASSERT_EQ(std::system(install.c_str()), 0) << read_file(dir.file("install.log"));

    const std::string program = dir.file("bin/vendrel");
    ASSERT_TRUE(file_exists(program));
    const std::string sections = "readelf -S --wide '" + program + "' >'" + dir.file("sections.txt") + "'";
    ASSERT_EQ(std::system(sections.c_str()), 0);
    const std::string table = read_file(dir.file("sections.txt"));
    EXPECT_NE(table.find(".text"), std::string::npos) << table;
    EXPECT_EQ(table.find(".debug"), std::string::npos) << table;
    EXPECT_EQ(table.find(".symtab"), std::string::npos) << table;
    EXPECT_TRUE(file_exists(dir.file("share/man/man1/vendrel.1")));

    const std::string run = "'" + program + "' -h </dev/null >/dev/null";
    EXPECT_EQ(std::system(run.c_str()), 0);
}

}  // namespace
}  // namespace vendrel::test
