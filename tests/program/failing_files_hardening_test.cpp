// Source, conversion and output files that fail in ways a plain missing file
// does not: files that grow or cannot be seeked while being read, files and
// directories without permission, empty sources; and the promise that a run
// failing before its write step leaves an existing output file as it was.
#include <gtest/gtest.h>

#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "support/console_expectations.h"
#include "support/program.h"

namespace vendrel {
namespace {

using test::after_banner;
using test::run_program;
using test::ScratchDir;
using test::with_dir;

const std::string kStory = "|abcabcabc|abcabc|";
const std::string kPrecious = std::string("precious\0bytes\r\n\xFF", 17);

// Permissions do not hold back root, so as root the permission cases run
// the program as the unprivileged user "nobody" (65534) instead.
constexpr uid_t kNobody = 65534;

bool running_as_root() { return ::geteuid() == 0; }

// Runs the program as nobody with standard output discarded; gives its
// exit status and standard error.
test::ProgramResult run_as_nobody(const ScratchDir& dir, const std::vector<std::string>& args) {
    const std::string err_path = dir.file("stderr.log");
    // nobody may not reach the build tree (a checkout under /root, say), so
    // it runs a copy of the program in the scratch directory.
    const std::string program = dir.file("vendrel-as-nobody");
    std::filesystem::copy_file(VENDREL_BINARY, program, std::filesystem::copy_options::overwrite_existing);
    ::chmod(program.c_str(), 0755);
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int err = ::open(err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
        const int null = ::open("/dev/null", O_RDWR);
        if (err < 0 || null < 0 || ::dup2(null, 0) < 0 || ::dup2(null, 1) < 0 || ::dup2(err, 2) < 0 ||
            ::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) {
            ::_exit(126);
        }
        std::vector<char*> argv;
        argv.push_back(const_cast<char*>(program.c_str()));
        for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    test::ProgramResult result;
    result.exit_status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    result.err = test::read_file(err_path);
    ::unlink(err_path.c_str());
    return result;
}

// Runs the program as this user, or as nobody when this user is root.
test::ProgramResult run_without_privilege(const ScratchDir& dir, const std::vector<std::string>& args) {
    if (!running_as_root()) return run_program(args);
    // nobody must reach the scratch directory and write in it, as the
    // user running the tests does.
    ::chmod(dir.path().c_str(), 0777);
    return run_as_nobody(dir, args);
}

// The exit status and the message of a failed run (the message without its
// two line ends).
void expect_failure(const test::ProgramResult& result, int exit_status, const std::string& message) {
    EXPECT_EQ(result.exit_status, exit_status);
    EXPECT_EQ(result.err, message + "\n\n");
}

// The arguments with the option behind them, unless it is "".
std::vector<std::string> with_option(std::vector<std::string> args, const char* option) {
    if (*option != '\0') args.push_back(option);
    return args;
}

TEST(FailingSource, FileThatGrowsWhileReadIsRefused) {
    // Files of /proc report a length of 0 and then deliver their text.
    const std::string path = "/proc/version";
    struct stat info{};
    if (::stat(path.c_str(), &info) != 0 || info.st_size != 0 || test::read_file(path).empty()) {
        GTEST_SKIP() << "no /proc file that grows past its reported length";
    }
    const ScratchDir dir;
    const std::string output = dir.file("out.vdl");
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{path, "-z80", "-o", output}, {"-x", "0", "0", path, "-o", output}}) {
        const test::ProgramResult result = run_program(args);
        expect_failure(result, 9, "Can't read from the input file '" + path + "'!");
        EXPECT_EQ(after_banner(result.out), "");
        EXPECT_FALSE(test::file_exists(output));
    }
}

TEST(FailingSource, NamedPipeCannotBeSeeked) {
    const ScratchDir dir;
    const std::string fifo = dir.file("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // Held open for reading and writing here, the pipe has a writer, so the
    // program's open does not wait; its data is waiting too.
    const int fd = ::open(fifo.c_str(), O_RDWR);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::write(fd, "|one|two|", 9), 9);
    const test::ProgramResult result = run_program({fifo, "-z80", "-o", dir.file("out.vdl")});
    ::close(fd);
    expect_failure(result, 6, "Can't access input file '" + fifo + "'!");
    EXPECT_FALSE(test::file_exists(dir.file("out.vdl")));
}

TEST(FailingSource, UnreadableSourceCannotBeOpened) {
    const ScratchDir dir;
    const std::string source = dir.write("locked.txt", kStory);
    ASSERT_EQ(::chmod(source.c_str(), 0), 0);
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{source, "-z80"}, {"-x", "0", "0", source, "-o", dir.file("out.txt")}}) {
        const test::ProgramResult result = run_without_privilege(dir, args);
        expect_failure(result, 5, "Can't open input file '" + source + "'!");
    }
    EXPECT_FALSE(test::file_exists(dir.file("locked.vdl")));
    EXPECT_FALSE(test::file_exists(dir.file("out.txt")));
}

TEST(FailingSource, UnreadableConversionFileCannotBeOpened) {
    const ScratchDir dir;
    const std::string source = dir.write("s.txt", kStory);
    const std::string table = dir.write("table.ct", "65 97\n");
    ASSERT_EQ(::chmod(table.c_str(), 0), 0);
    const test::ProgramResult result = run_without_privilege(dir, {source, "-z80", "-ct", table});
    expect_failure(result, 24, "Can't open conversion file '" + table + "'!");
    EXPECT_FALSE(test::file_exists(dir.file("s.vdl")));
}

TEST(FailingOutput, UnwritableDirectoryCannotTakeTheOutput) {
    const ScratchDir dir;
    const std::string source = dir.write("s.txt", kStory);
    const std::string locked = dir.file("locked");
    ASSERT_EQ(::mkdir(locked.c_str(), 0555), 0);
    const std::string output = locked + "/out.vdl";
    for (const char* append : {"", "-append"}) {
        const test::ProgramResult result =
            run_without_privilege(dir, with_option({source, "-z80", "-o", output}, append));
        SCOPED_TRACE(append);
        expect_failure(result, 10, "Can't open output file '" + output + "'!");
    }
    EXPECT_FALSE(test::file_exists(output));
}

TEST(FailingOutput, DirectoryAsOutputCannotBeOpened) {
    const ScratchDir dir;
    const std::string source = dir.write("s.txt", kStory);
    for (const char* append : {"", "-append"}) {
        const test::ProgramResult result =
            run_program(with_option({source, "-z80", "-o", dir.path().string()}, append));
        SCOPED_TRACE(append);
        expect_failure(result, 10, "Can't open output file '" + dir.path().string() + "'!");
    }
}

// An empty source packs into an image of the routine alone, and that image,
// raw or on tape, extracts to nothing; with -oa the one code read past the
// image (on tape: past the image, not the checksum behind it) gives the
// closing line's CR.
struct EmptySourceCase {
    const char* name;
    std::vector<std::string> options;
    std::size_t output_length;
    std::string extracted;  // with -x 0 0 -o
};

class EmptySource : public testing::TestWithParam<EmptySourceCase> {};

TEST_P(EmptySource, PacksAndExtractsToNothing) {
    const EmptySourceCase& c = GetParam();
    const ScratchDir dir;
    const std::string source = dir.write("empty.txt", "");
    const std::string output = dir.file("empty.out");
    std::vector<std::string> args = {source, "-o", output};
    args.insert(args.end(), c.options.begin(), c.options.end());

    const test::ProgramResult packed = run_program(args);
    ASSERT_EQ(packed.exit_status, 0) << packed.err;
    EXPECT_EQ(packed.err, "");
    const std::string report = after_banner(packed.out);
    EXPECT_NE(report.find("Length of source text:\t\t0 bytes\n"), std::string::npos) << report;
    EXPECT_EQ(report.find("nan"), std::string::npos) << report;
    EXPECT_EQ(report.find("inf"), std::string::npos) << report;
    EXPECT_EQ(test::read_file(output).size(), c.output_length);

    const test::ProgramResult extracted = run_program({"-x", "0", "0", output, "-o", dir.file("text.txt")});
    EXPECT_EQ(extracted.exit_status, 0) << extracted.err;
    EXPECT_EQ(extracted.err, "");
    EXPECT_EQ(test::read_file(dir.file("text.txt")), c.extracted);
}

INSTANTIATE_TEST_SUITE_P(
    Options, EmptySource,
    testing::Values(EmptySourceCase{"Z80", {"-z80"}, 58, ""},
                    EmptySourceCase{"I8080", {"-i8080"}, 72, ""},
                    EmptySourceCase{"Z80Oa", {"-z80", "-oa"}, 58, "\r"},
                    EmptySourceCase{"I8080OaNoCrlf", {"-i8080", "-oa", "-no-crlf"}, 72, "\r"},
                    EmptySourceCase{"Desktop", {"-z80", "-dtp", "-lc"}, 58, ""},
                    EmptySourceCase{"Tap", {"-z80", "-tap"}, 58 + 25, ""},
                    EmptySourceCase{"TapOa", {"-z80", "-tap", "-oa"}, 58 + 25, "\r"},
                    EmptySourceCase{"Ptp", {"-i8080", "-ptp", "-n", "EMPTY"}, 72 + 68, ""}),
    [](const testing::TestParamInfo<EmptySourceCase>& info) { return std::string(info.param.name); });

TEST(EmptySourceFile, IsNoPackedImageToExtractFrom) {
    const ScratchDir dir;
    const std::string source = dir.write("empty.vdl", "");
    const test::ProgramResult result = run_program({"-x", "0", "0", source});
    expect_failure(result, 22, "Source file is not Vendrel's packed file '" + source + "'!");
    EXPECT_EQ(after_banner(result.out), "");
}

// Runs that fail before the write step, each given an output file that
// already exists: it must keep its bytes, with and without -append.
struct KeptOutputCase {
    const char* name;
    std::vector<std::pair<std::string, std::string>> files;  // written to {dir}
    std::vector<std::string> args;                           // "{dir}" is the scratch directory
    int exit_status;
};

class KeptOutput : public testing::TestWithParam<KeptOutputCase> {};

TEST_P(KeptOutput, ExistingOutputKeepsItsBytes) {
    const KeptOutputCase& c = GetParam();
    for (const bool append : {false, true}) {
        const ScratchDir dir;
        const std::string d = dir.path().string();
        for (const auto& [name, bytes] : c.files) dir.write(name, bytes);
        std::vector<std::string> args;
        for (const std::string& arg : c.args) args.push_back(with_dir(arg, d));
        if (append) args.push_back("-append");
        const std::string output = dir.write("out.bin", kPrecious);
        // The output name the program derives when -o is not given.
        const std::string derived = dir.write("s.vdl", kPrecious);

        const test::ProgramResult result = run_program(args);
        EXPECT_EQ(result.exit_status, c.exit_status) << result.err;
        EXPECT_EQ(test::read_file(output), kPrecious) << (append ? "with -append" : "");
        EXPECT_EQ(test::read_file(derived), kPrecious) << (append ? "with -append" : "");
    }
}

std::string all_bytes_from_one() {
    std::string bytes;
    for (int b = 1; b <= 127; ++b) bytes.push_back(static_cast<char>(b));
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Table, KeptOutput,
    testing::Values(
        KeptOutputCase{"BadCombination", {{"s.txt", kStory}}, {"{dir}/s.txt", "-z80", "-tap", "-o", "{dir}/out.bin", "-i8080"}, 3},
        KeptOutputCase{"MissingSource", {}, {"{dir}/s.txt", "-z80", "-o", "{dir}/out.bin"}, 5},
        KeptOutputCase{"MissingSourceDerivedName", {}, {"{dir}/s.txt", "-z80"}, 5},
        KeptOutputCase{"SourceTooLong", {{"s.txt", std::string(65536, 'a')}}, {"{dir}/s.txt", "-z80"}, 8},
        KeptOutputCase{"TooManyCharacters", {{"s.txt", all_bytes_from_one()}}, {"{dir}/s.txt", "-z80"}, 17},
        KeptOutputCase{"ByteFF", {{"s.txt", "|a|\xFF"}}, {"{dir}/s.txt", "-z80", "-o", "{dir}/out.bin"}, 18},
        KeptOutputCase{"NotPacked", {{"s.txt", kStory}}, {"-x", "0", "0", "{dir}/s.txt", "-o", "{dir}/out.bin"}, 22},
        KeptOutputCase{"BadConversionCode", {{"s.txt", kStory}, {"t.ct", "65 255\n"}},
                       {"{dir}/s.txt", "-z80", "-ct", "{dir}/t.ct"}, 25},
        KeptOutputCase{"OutputTooLong", {{"s.txt", std::string(65535, 'a')}}, {"{dir}/s.txt", "-z80"}, 29},
        KeptOutputCase{"DesktopTooLong", {{"s.txt", std::string("\0x", 2) + std::string(700, '\xFE')}},
                       {"{dir}/s.txt", "-z80", "-dtp", "-o", "{dir}/out.bin"}, 30}),
    [](const testing::TestParamInfo<KeptOutputCase>& info) { return std::string(info.param.name); });

TEST(KeptOutputFile, ExtractionTooLongKeepsTheOutput) {
    // Every byte of the text is its separator: 40,000 records of one
    // character, each written back with a CR, outgrow 65,535 bytes.
    const ScratchDir dir;
    const std::string source = dir.write("a.txt", std::string(40000, 'a'));
    const std::string image = dir.file("a.vdl");
    ASSERT_EQ(run_program({source, "-z80", "-o", image}).exit_status, 0);
    const std::string output = dir.write("out.txt", kPrecious);
    for (const char* append : {"", "-append"}) {
        const test::ProgramResult result = run_program(with_option({"-x", "0", "0", image, "-o", output}, append));
        expect_failure(result, 31, "Extracted text would be longer than 65535 bytes!");
        EXPECT_EQ(test::read_file(output), kPrecious);
    }
}

TEST(KeptOutputFile, GrowingSourceKeepsTheOutput) {
    const std::string path = "/proc/version";
    struct stat info{};
    if (::stat(path.c_str(), &info) != 0 || info.st_size != 0) GTEST_SKIP() << "no /proc/version";
    const ScratchDir dir;
    const std::string output = dir.write("out.bin", kPrecious);
    EXPECT_EQ(run_program({path, "-i8080", "-o", output}).exit_status, 9);
    EXPECT_EQ(test::read_file(output), kPrecious);
}

}  // namespace
}  // namespace vendrel
