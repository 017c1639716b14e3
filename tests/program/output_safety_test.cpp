// Nothing is lost when an output cannot be written: an existing output file
// holds either its old bytes or all the new ones, the exit status is 0 only
// when the output was written whole, and the output is never an input.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "support/program.h"

namespace vendrel::test {
namespace {

namespace fs = std::filesystem;

const std::string kStory = "|abcabcabc|abcabc|";
const std::string kOther = "|one two|three four|five|";
const std::string kPrecious = std::string("precious\0bytes\r\n\xFF", 17);
const std::string kTable = "65 97\n";

// What the program writes for a text with -z80, made once in a directory
// of its own.
std::string image_of(const std::string& text) {
    const ScratchDir dir;
    const ProgramResult run = run_program({dir.write("t.txt", text), "-z80", "-o", dir.file("t.vdl")});
    EXPECT_EQ(run.exit_status, 0) << run.err;
    return read_file(dir.file("t.vdl"));
}

// Names of the temporary files a run left in a directory.
std::vector<std::string> leftovers(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) {
        const std::string name = entry.path().filename().string();
        if (name.find(".vendrel-") != std::string::npos) names.push_back(name);
    }
    return names;
}

int mode_of(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? static_cast<int>(info.st_mode & 07777) : -1;
}

// One faulty run: its command line and process setup, the file that must
// come out old or wholly new, and what the run must answer.
struct Plan {
    std::vector<std::string> args;
    ProgramOptions options;
    std::string checked;
    std::optional<std::string> old_bytes;  // none: the file did not exist
    std::string new_bytes;                 // the file after a whole write
    int exit_status = 0;
    std::string err;
    int mode = -1;  // the checked file's permission bits afterwards; -1: not checked
};

struct FaultCase {
    const char* name;
    Plan (*plan)(const ScratchDir& dir, const std::string& image);
};

Plan replace(const ScratchDir& dir, const std::string& image, std::vector<std::string> extra = {}) {
    Plan plan;
    plan.checked = dir.write("out.bin", kPrecious);
    plan.old_bytes = kPrecious;
    plan.new_bytes = image;
    plan.args = {dir.write("s.txt", kStory), "-z80", "-o", plan.checked};
    plan.args.insert(plan.args.end(), extra.begin(), extra.end());
    return plan;
}

// An append to the precious file: it ends up holding its old bytes and
// the image.
Plan append(const ScratchDir& dir, const std::string& image) {
    Plan plan = replace(dir, image, {"-append"});
    plan.new_bytes = kPrecious + image;
    return plan;
}

Plan refused_as_input(const std::string& source, const std::string& output, std::vector<std::string> extra = {}) {
    Plan plan;
    plan.args = {source, "-z80", "-o", output};
    plan.args.insert(plan.args.end(), extra.begin(), extra.end());
    plan.checked = source;
    plan.old_bytes = read_file(source);
    plan.exit_status = 32;
    plan.err = "Output file '" + output + "' is the source or conversion file!\n\n";
    return plan;
}

// The run cannot write its output: status 12 and its message.
Plan write_fails(Plan plan) {
    plan.exit_status = 12;
    plan.err = "Can't write to the output file '" + plan.checked + "'!\n\n";
    return plan;
}

// Extraction of every record to the console, which cannot take them.
Plan extraction_fails(const ScratchDir& dir, const std::string& image) {
    Plan plan;
    plan.checked = dir.write("s.vdl", image);
    plan.old_bytes = plan.new_bytes = image;
    plan.args = {"-x", "0", "0", plan.checked};
    plan.exit_status = 33;
    plan.err = "Can't write to the standard output!\n\n";
    return plan;
}

const FaultCase kFaultCases[] = {
    {"ReplaceBeyondTheFileSizeLimit",
     [](const ScratchDir& dir, const std::string& image) {
         Plan plan = replace(dir, image);
         plan.options.file_size_limit = 40;
         return write_fails(plan);
     }},
    {"AppendBeyondTheFileSizeLimit",
     [](const ScratchDir& dir, const std::string& image) {
         Plan plan = append(dir, image);
         plan.options.file_size_limit = static_cast<long long>(kPrecious.size()) + 40;
         return write_fails(plan);
     }},
    {"NewFileBeyondTheFileSizeLimit",
     [](const ScratchDir& dir, const std::string& image) {
         Plan plan = replace(dir, image, {"-append"});
         ::unlink(plan.checked.c_str());
         plan.old_bytes.reset();
         plan.options.file_size_limit = 40;
         return write_fails(plan);
     }},
    {"AppendWithinTheFileSizeLimit",
     [](const ScratchDir& dir, const std::string& image) {
         Plan plan = append(dir, image);
         plan.options.file_size_limit = static_cast<long long>(plan.new_bytes.size());
         return plan;
     }},
    {"OutputIsTheSourceByName",
     [](const ScratchDir& dir, const std::string&) {
         const std::string source = dir.write("s.txt", kStory);
         return refused_as_input(source, source);
     }},
    {"OutputIsTheSourceThroughASymlink",
     [](const ScratchDir& dir, const std::string&) {
         const std::string source = dir.write("s.txt", kStory);
         fs::create_symlink("s.txt", dir.file("link.vdl"));
         return refused_as_input(source, dir.file("link.vdl"));
     }},
    {"OutputIsTheSourceThroughAHardLink",
     [](const ScratchDir& dir, const std::string&) {
         const std::string source = dir.write("s.txt", kStory);
         fs::create_hard_link(source, dir.file("hard.vdl"));
         return refused_as_input(source, dir.file("hard.vdl"), {"-append"});
     }},
    {"OutputIsTheSourceOfAnExtraction",
     [](const ScratchDir& dir, const std::string& image) {
         const std::string source = dir.write("s.vdl", image);
         Plan plan = refused_as_input(source, source);
         plan.args = {"-x", "0", "0", source, "-o", dir.path().string() + "/./s.vdl"};
         plan.err = "Output file '" + plan.args.back() + "' is the source or conversion file!\n\n";
         return plan;
     }},
    {"OutputIsTheConversionFile",
     [](const ScratchDir& dir, const std::string&) {
         const std::string table = dir.write("t.ct", kTable);
         Plan plan = refused_as_input(table, table);
         plan.args = {dir.write("s.txt", kStory), "-z80", "-ct", table, "-o", table};
         return plan;
     }},
    {"SymlinkedOutputReplacesItsTarget",
     [](const ScratchDir& dir, const std::string& image) {
         Plan plan = replace(dir, image);
         fs::create_symlink("out.bin", dir.file("link.bin"));
         plan.args[3] = dir.file("link.bin");
         return plan;
     }},
    {"PermissionBitsAreKept",
     [](const ScratchDir& dir, const std::string& image) {
         Plan plan = replace(dir, image);
         ::chmod(plan.checked.c_str(), 0604);
         plan.mode = 0604;
         return plan;
     }},
    {"NewFileTakesTheUmask",
     [](const ScratchDir& dir, const std::string& image) {
         Plan plan = replace(dir, image);
         ::unlink(plan.checked.c_str());
         plan.old_bytes.reset();
         plan.options.umask = 027;
         plan.mode = 0640;
         return plan;
     }},
    {"ClosedStandardOutputWhilePacking",
     [](const ScratchDir& dir, const std::string& image) {
         // The report cannot be printed: the run fails before it writes.
         Plan plan = replace(dir, image);
         plan.options.close_stdout = true;
         plan.exit_status = 33;
         plan.err = "Can't write to the standard output!\n\n";
         return plan;
     }},
    {"ExtractionToAClosedStandardOutput",
     [](const ScratchDir& dir, const std::string& image) {
         Plan plan = extraction_fails(dir, image);
         plan.options.close_stdout = true;
         return plan;
     }},
    {"ExtractionToAFullDevice",
     [](const ScratchDir& dir, const std::string& image) {
         Plan plan = extraction_fails(dir, image);
         plan.options.stdout_path = "/dev/full";
         return plan;
     }},
};

class OutputFault : public testing::TestWithParam<FaultCase> {};

TEST_P(OutputFault, OutputIsOldOrWhollyNew) {
    const ScratchDir dir;
    const Plan plan = GetParam().plan(dir, image_of(kStory));
    const ProgramResult run = run_program_with(plan.args, plan.options);

    EXPECT_EQ(run.exit_status, plan.exit_status) << run.err;
    EXPECT_EQ(run.err, plan.err);
    if (run.exit_status == 0) {
        EXPECT_EQ(read_file(plan.checked), plan.new_bytes);
    } else if (plan.old_bytes) {
        EXPECT_EQ(read_file(plan.checked), *plan.old_bytes);
    } else {
        EXPECT_FALSE(file_exists(plan.checked));
    }
    if (plan.mode >= 0) {
        EXPECT_EQ(mode_of(plan.checked), plan.mode);
    }
    EXPECT_EQ(leftovers(dir.path()), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Runs, OutputFault, testing::ValuesIn(kFaultCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(OutputSafety, SymlinkStaysALink) {
    const ScratchDir dir;
    dir.write("out.bin", kPrecious);
    fs::create_symlink("out.bin", dir.file("link.bin"));
    ASSERT_EQ(run_program({dir.write("s.txt", kStory), "-z80", "-o", dir.file("link.bin")}).exit_status, 0);
    EXPECT_TRUE(fs::is_symlink(dir.file("link.bin")));
    EXPECT_EQ(read_file(dir.file("out.bin")), image_of(kStory));
}

// Pipes and FIFOs take the output as it comes, replacing or appending.
TEST(OutputSafety, PipesAndFifosAreWrittenDirectly) {
    const std::string image = image_of(kStory);
    for (const bool append : {false, true}) {
        const ScratchDir dir;
        const std::string source = dir.write("s.txt", kStory);
        std::vector<std::string> extra = append ? std::vector<std::string>{"-append"} : std::vector<std::string>{};

        const std::string fifo = dir.file("fifo");
        ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
        // Held open for reading and writing here, the FIFO has a reader, so
        // the program's open does not wait.
        const int fd = ::open(fifo.c_str(), O_RDWR | O_NONBLOCK);
        ASSERT_GE(fd, 0);
        std::vector<std::string> args = {source, "-z80", "-o", fifo};
        args.insert(args.end(), extra.begin(), extra.end());
        const ProgramResult to_fifo = run_program(args);
        std::string got(image.size() + 1, '\0');
        const ssize_t n = ::read(fd, got.data(), got.size());
        ::close(fd);
        EXPECT_EQ(to_fifo.exit_status, 0) << to_fifo.err;
        EXPECT_EQ(got.substr(0, n > 0 ? static_cast<std::size_t>(n) : 0), image);

        args = {source, "-z80", "-o", "/dev/stdout"};
        args.insert(args.end(), extra.begin(), extra.end());
        const ProgramResult to_stdout = run_program(args);
        EXPECT_EQ(to_stdout.exit_status, 0) << to_stdout.err;
        EXPECT_NE(to_stdout.out.find(image), std::string::npos);
    }
}

// Two runs at once on the same output: the last replacement wins whole,
// and appends never interleave.
TEST(OutputSafety, ConcurrentRunsNeverMixTheirBytes) {
    constexpr int kPairs = 100;
    const ScratchDir dir;
    const std::string first = dir.write("first.txt", kStory);
    const std::string second = dir.write("second.txt", kOther);
    const std::string first_image = image_of(kStory);
    const std::string second_image = image_of(kOther);
    const std::string output = dir.file("out.bin");
    int replaced_whole = 0;
    int appended_whole = 0;
    for (int pair = 0; pair < kPairs; ++pair) {
        for (const bool append : {false, true}) {
            dir.write("out.bin", kPrecious);
            std::vector<std::string> extra = append ? std::vector<std::string>{"-append"} : std::vector<std::string>{};
            std::vector<std::string> a = {first, "-z80", "-o", output};
            std::vector<std::string> b = {second, "-z80", "-o", output};
            a.insert(a.end(), extra.begin(), extra.end());
            b.insert(b.end(), extra.begin(), extra.end());
            StartedProgram run_a = start_program(a);
            StartedProgram run_b = start_program(b);
            EXPECT_EQ(wait_for(run_a), 0);
            EXPECT_EQ(wait_for(run_b), 0);
            const std::string result = read_file(output);
            if (append) {
                appended_whole += result == kPrecious + first_image + second_image ||
                                  result == kPrecious + second_image + first_image;
            } else {
                replaced_whole += result == first_image || result == second_image;
            }
        }
    }
    EXPECT_EQ(replaced_whole, kPairs);
    EXPECT_EQ(appended_whole, kPairs);
    EXPECT_EQ(leftovers(dir.path()), std::vector<std::string>{});
}

// A text that packs into a long image, so that a signal has time to come
// while it is written.
std::string long_text() {
    std::string text = "\n";
    for (int i = 0; text.size() < 60000; ++i) {
        text.push_back(static_cast<char>(0x21 + (i * 7) % 90));
        text.push_back('\n');
    }
    return text;
}

// A run ended by a signal at any moment leaves the output old or wholly
// new; after SIGTERM no temporary file stays behind.
TEST(OutputSafety, InterruptedRunsLeaveTheOutputOldOrWhollyNew) {
    const ScratchDir dir;
    const std::string source = dir.write("long.txt", long_text());
    const std::string output = dir.file("out.bin");
    ASSERT_EQ(run_program({source, "-z80", "-o", output}).exit_status, 0);
    const std::string image = read_file(output);
    for (const int signal : {SIGTERM, SIGKILL}) {
        for (const bool append : {false, true}) {
            int old_kept = 0;
            int new_whole = 0;
            for (int attempt = 0; attempt < 40; ++attempt) {
                dir.write("out.bin", kPrecious);
                std::vector<std::string> args = {source, "-z80", "-o", output};
                if (append) args.push_back("-append");
                StartedProgram run = start_program(args);
                ::usleep(static_cast<useconds_t>(attempt * 500));
                ::kill(run.pid, signal);
                const int status = wait_for(run);
                const std::string result = read_file(output);
                const std::string whole = append ? kPrecious + image : image;
                EXPECT_TRUE(result == kPrecious || result == whole) << "signal " << signal << (append ? " appending" : " replacing") << ", attempt " << attempt;
                if (status == 0) {
                    EXPECT_EQ(result, whole);
                }
                old_kept += result == kPrecious;
                new_whole += result == whole;
                if (signal == SIGTERM) {
                    EXPECT_EQ(leftovers(dir.path()), std::vector<std::string>{});
                }
                for (const std::string& name : leftovers(dir.path())) fs::remove(dir.file(name));
            }
            EXPECT_EQ(old_kept + new_whole, 40);
        }
    }
}

}  // namespace
}  // namespace vendrel::test
