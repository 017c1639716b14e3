// Runs that meet each other, signals, descriptor outputs and the include
// file: whatever happens, every file ends as some order of whole runs, and
// a run that says it succeeded has changed what it was asked to.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "support/program.h"

namespace vendrel::test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

const std::string kPrecious = std::string("precious\0bytes\r\n\xFF", 17);

// The tape a run writes for a text under a block name.
std::string tape_of(const ScratchDir& dir, const std::string& name) {
    const std::string source = dir.write(name + ".txt", "|" + name + " says hello|");
    const std::string tape = dir.file(name + ".tap");
    const ProgramResult run = run_program({"-z80", "-tap", "-n", name, "-o", tape, source});
    EXPECT_EQ(run.exit_status, 0) << run.err;
    return read_file(tape);
}

std::vector<std::string> tape_run(const ScratchDir& dir, const std::string& name, const std::string& output,
                                  bool append) {
    std::vector<std::string> args{"-z80", "-tap", "-n", name, "-o", output, dir.file(name + ".txt")};
    if (append) args.insert(args.begin(), "-append");
    return args;
}

// Runs the program with every fsync slowed down by a second, and failing
// when fail is set. A sanitizer build's leak check cannot run in a traced
// process, so it is switched off there.
ProgramOptions slow_fsync(bool fail = false) {
    ProgramOptions options;
    options.wrapper = {"/usr/bin/env", "ASAN_OPTIONS=detect_leaks=0", "/usr/bin/strace", "-f", "-qq", "-o", "/dev/null", "-e", "trace=fsync", "-e",
                       std::string("inject=fsync:delay_enter=1000000") + (fail ? ":error=EIO" : "")};
    return options;
}

// Runs the program as the unprivileged user nobody.
constexpr uid_t kNobody = 65534;
constexpr gid_t kNobodyGroup = 65534;

ProgramOptions as_nobody() {
    ProgramOptions options;
    options.wrapper = {"/usr/bin/setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"};
    return options;
}

// Whether nobody can run the built program at all (the build may sit in a
// directory only root enters).
bool nobody_can_run() {
    return ::geteuid() == 0 && run_program_with({"-h"}, as_nobody()).exit_status == 0;
}

bool eventually(const std::function<bool()>& condition) {
    for (int tries = 0; tries < 1000; ++tries) {
        if (condition()) return true;
        std::this_thread::sleep_for(10ms);
    }
    return false;
}

// Whether a run is writing in the directory: its temporary file is there.
bool temporary_file_in(const fs::path& dir) {
    for (const auto& entry : fs::directory_iterator(dir)) {
        if (entry.path().filename().string().find(".vendrel-") != std::string::npos) return true;
    }
    return false;
}

// Whether a process holds a descriptor for the path (it is about to lock it).
bool holds_open(int pid, const fs::path& path) {
    std::error_code error;
    for (const auto& entry : fs::directory_iterator("/proc/" + std::to_string(pid) + "/fd", error)) {
        if (fs::read_symlink(entry.path(), error) == path) return true;
    }
    return false;
}

struct NothingLostCase {
    const char* name;
    std::function<void(const ScratchDir& dir)> check;
};

const NothingLostCase kCases[] = {
    {"1_ReplaceDuringAnAppendIsNotLost",
     [](const ScratchDir& dir) {
         const std::string target = dir.write("t.tap", tape_of(dir, "OLD"));
         const std::string appended = tape_of(dir, "APP");
         const std::string replacing = tape_of(dir, "REP");
         StartedProgram append = start_program(tape_run(dir, "APP", target, true), slow_fsync());
         ASSERT_TRUE(eventually([&] { return temporary_file_in(dir.path()); }));
         const ProgramResult replace = run_program(tape_run(dir, "REP", target, false));
         EXPECT_EQ(wait_for(append), 0);
         EXPECT_EQ(replace.exit_status, 0) << replace.err;
         EXPECT_EQ(read_file(target), replacing) << "the append went first, the replace after it";
         (void)appended;
     }},
    {"2_FailedAppendKeepsAnotherRunsFile",
     [](const ScratchDir& dir) {
         const std::string target = dir.file("t.tap");
         const std::string replacing = tape_of(dir, "REP");
         tape_of(dir, "APP");
         StartedProgram append = start_program(tape_run(dir, "APP", target, true), slow_fsync(true));
         ASSERT_TRUE(eventually([&] { return temporary_file_in(dir.path()); }));
         const ProgramResult replace = run_program(tape_run(dir, "REP", target, false));
         EXPECT_EQ(wait_for(append), 12);
         EXPECT_EQ(replace.exit_status, 0) << replace.err;
         EXPECT_EQ(read_file(target), replacing);
     }},
    {"3_StandardOutputAppendedByTheShell",
     [](const ScratchDir& dir) {
         const std::string first = tape_of(dir, "ONE");
         const std::string second = tape_of(dir, "TWO");
         const std::string all = dir.write("all.tap", first);
         ProgramOptions options;
         options.stdout_path = all;
         options.stdout_append = true;
         const ProgramResult run = run_program_with(tape_run(dir, "TWO", "/dev/stdout", false), options);
         EXPECT_EQ(run.exit_status, 0) << run.err;
         EXPECT_EQ(read_file(all), first + second);
         EXPECT_NE(run.err.find("Total length:"), std::string::npos) << "the report goes to standard error";
     }},
    {"3_StandardOutputOnAPipeCarriesOnlyTheImage",
     [](const ScratchDir& dir) {
         const std::string tape = tape_of(dir, "ONE");
         const ProgramResult run = run_program(tape_run(dir, "ONE", "/dev/stdout", false));
         EXPECT_EQ(run.exit_status, 0) << run.err;
         EXPECT_EQ(run.out, tape);
     }},
    {"4_FailingIncludeFileLeavesTheOutput",
     [](const ScratchDir& dir) {
         const std::string output = dir.write("out.tap", kPrecious);
         tape_of(dir, "ONE");
         for (const bool append : {false, true}) {
             std::vector<std::string> args = tape_run(dir, "ONE", output, append);
             args.insert(args.end(), {"-inc", dir.file("nodir/x.asm")});
             const ProgramResult run = run_program(args);
             EXPECT_EQ(run.exit_status, 10);
             EXPECT_EQ(read_file(output), kPrecious) << (append ? "append" : "replace");
         }
     }},
    {"5_IncludeFileNamingTheOutputByAnotherPath",
     [](const ScratchDir& dir) {
         fs::create_directory_symlink(".", dir.path() / "alias");
         tape_of(dir, "ONE");
         std::vector<std::string> args = tape_run(dir, "ONE", dir.file("out.tap"), false);
         args.insert(args.end(), {"-inc", dir.file("alias/out.tap")});
         const ProgramResult run = run_program(args);
         EXPECT_EQ(run.exit_status, 37);
         EXPECT_EQ(run.err, "Include file '" + dir.file("alias/out.tap") + "' is the output file!\n\n");
         EXPECT_FALSE(file_exists(dir.file("out.tap")));
     }},
    {"6_WaitingForTheLockCanBeInterrupted",
     [](const ScratchDir& dir) {
         const std::string old_tape = tape_of(dir, "OLD");
         const std::string target = dir.write("t.tap", old_tape);
         tape_of(dir, "APP");
         // Another writer holds the lock, by the directory and by the file.
         const int directory = ::open(dir.path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
         const int file = ::open(target.c_str(), O_RDONLY | O_CLOEXEC);
         ASSERT_EQ(::flock(directory, LOCK_EX), 0);
         ASSERT_EQ(::flock(file, LOCK_EX), 0);
         StartedProgram append = start_program(tape_run(dir, "APP", target, true));
         ASSERT_TRUE(eventually([&] { return holds_open(append.pid, dir.path()) || holds_open(append.pid, target); }));
         std::this_thread::sleep_for(100ms);
         ::kill(append.pid, SIGTERM);
         int status = 0;
         const bool ended = eventually([&] { return ::waitpid(append.pid, &status, WNOHANG) == append.pid; });
         ::close(directory);
         ::close(file);
         if (!ended) ::waitpid(append.pid, &status, 0);
         EXPECT_TRUE(ended) << "the run still waited for the lock";
         EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 39) << status;
         EXPECT_EQ(read_file(target), old_tape);
         EXPECT_FALSE(temporary_file_in(dir.path()));
     }},
    {"7_ReplacedFileKeepsItsLinksAndAttributes",
     [](const ScratchDir& dir) {
         const std::string tape = tape_of(dir, "ONE");
         const std::string target = dir.write("t.tap", kPrecious);
         fs::create_hard_link(target, dir.file("twin.tap"));
         const bool attributes = ::setxattr(target.c_str(), "user.origin", "kept", 4, 0) == 0;
         const ProgramResult run = run_program(tape_run(dir, "ONE", target, false));
         EXPECT_EQ(run.exit_status, 0) << run.err;
         EXPECT_EQ(read_file(target), tape);
         EXPECT_EQ(read_file(dir.file("twin.tap")), tape);
         if (attributes) {
             char value[8] = {};
             EXPECT_EQ(::getxattr(target.c_str(), "user.origin", value, sizeof value), 4);
             EXPECT_STREQ(value, "kept");
         }
     }},
    {"7_AttributesSurviveARename",
     [](const ScratchDir& dir) {
         const std::string tape = tape_of(dir, "ONE");
         const std::string target = dir.write("t.tap", kPrecious);
         if (::setxattr(target.c_str(), "user.origin", "kept", 4, 0) != 0) GTEST_SKIP() << "no user attributes here";
         const ProgramResult run = run_program(tape_run(dir, "ONE", target, true));
         EXPECT_EQ(run.exit_status, 0) << run.err;
         EXPECT_EQ(read_file(target), kPrecious + tape);
         char value[8] = {};
         EXPECT_EQ(::getxattr(target.c_str(), "user.origin", value, sizeof value), 4);
         EXPECT_STREQ(value, "kept");
     }},
    {"7_AnotherUsersFileStaysTheirs",
     [](const ScratchDir& dir) {
         // A root-owned file that a group member may write, in a directory
         // anyone may write to: the writer is not root and cannot give a
         // new file root's name, so the file is written in place.
         if (!nobody_can_run()) GTEST_SKIP() << "needs root, and a build that another user can run";
         const std::string tape = tape_of(dir, "ONE");
         fs::permissions(dir.path(), fs::perms::all | fs::perms::sticky_bit);
         const std::string target = dir.write("t.tap", kPrecious);
         ASSERT_EQ(::chown(target.c_str(), 0, kNobodyGroup), 0);
         ASSERT_EQ(::chmod(target.c_str(), 0660), 0);
         const ProgramResult run = run_program_with(tape_run(dir, "ONE", target, false), as_nobody());
         EXPECT_EQ(run.exit_status, 0) << run.err;
         EXPECT_EQ(read_file(target), tape);
         struct stat info {};
         ASSERT_EQ(::stat(target.c_str(), &info), 0);
         EXPECT_EQ(info.st_uid, 0u);
         EXPECT_EQ(info.st_gid, kNobodyGroup);
         EXPECT_EQ(info.st_mode & 07777, 0660u);
     }},
    {"7_DirectoryThatTakesNoNewFile",
     [](const ScratchDir& dir) {
         if (!nobody_can_run()) GTEST_SKIP() << "needs root, and a build that another user can run";
         const std::string tape = tape_of(dir, "ONE");
         const std::string target = dir.write("t.tap", kPrecious);
         ASSERT_EQ(::chown(target.c_str(), kNobody, kNobodyGroup), 0);
         fs::permissions(dir.path(), fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                         fs::perms::others_read | fs::perms::others_exec);
         const ProgramResult run = run_program_with(tape_run(dir, "ONE", target, true), as_nobody());
         EXPECT_EQ(run.exit_status, 0) << run.err;
         EXPECT_EQ(read_file(target), kPrecious + tape);
     }},
    {"8_ListingToAFullDevice",
     [](const ScratchDir& dir) {
         const std::string image = dir.file("i.vdl");
         ASSERT_EQ(run_program({"-z80", "-o", image, dir.write("s.txt", "|one|two|")}).exit_status, 0);
         ProgramOptions options;
         options.stdout_path = "/dev/full";
         const ProgramResult run = run_program_with({"-x", "0", "0", "-list", image}, options);
         EXPECT_EQ(run.exit_status, 33);
         EXPECT_EQ(run.err, "Can't write to the standard output!\n\n");
     }},
    {"8_ReportToAFullDeviceWritesNothing",
     [](const ScratchDir& dir) {
         ProgramOptions options;
         options.stdout_path = "/dev/full";
         const ProgramResult run =
             run_program_with({"-z80", "-o", dir.file("i.vdl"), dir.write("s.txt", "|one|two|")}, options);
         EXPECT_EQ(run.exit_status, 33);
         EXPECT_FALSE(file_exists(dir.file("i.vdl")));
     }},
    {"9_NoEmptyFileWhileAnAppendCreatesIt",
     [](const ScratchDir& dir) {
         const std::string tape = tape_of(dir, "APP");
         const std::string target = dir.file("t.tap");
         StartedProgram append = start_program(tape_run(dir, "APP", target, true), slow_fsync());
         ASSERT_TRUE(eventually([&] { return temporary_file_in(dir.path()); }));
         EXPECT_FALSE(file_exists(target)) << "an empty file shows while the append writes";
         EXPECT_EQ(wait_for(append), 0);
         EXPECT_EQ(read_file(target), tape);
     }},
    {"9_TemporaryFileOfAKilledRunIsCleared",
     [](const ScratchDir& dir) {
         const std::string tape = tape_of(dir, "ONE");
         const std::string stale = dir.write(".t.tap.vendrel-Ab12Cd", "half");
         const std::string other = dir.write(".u.tap.vendrel-Ab12Cd", "another file's");
         const ProgramResult run = run_program(tape_run(dir, "ONE", dir.file("t.tap"), true));
         EXPECT_EQ(run.exit_status, 0) << run.err;
         EXPECT_EQ(read_file(dir.file("t.tap")), tape);
         EXPECT_FALSE(file_exists(stale));
         EXPECT_TRUE(file_exists(other));
     }},
};

class NothingLost : public testing::TestWithParam<NothingLostCase> {};

TEST_P(NothingLost, EveryFileEndsAsSomeOrderOfWholeRuns) {
    const ScratchDir dir;
    GetParam().check(dir);
}

INSTANTIATE_TEST_SUITE_P(Cases, NothingLost, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<NothingLostCase>& info) { return info.param.name; });

}  // namespace
}  // namespace vendrel::test
