// The command lines of the manual page's EXAMPLES, run in order on a copy
// of the bundled samples: each uses only shipped files, or the files an
// example before it wrote, and succeeds.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "support/program.h"

namespace vendrel::test {
namespace {

const std::string kSourceDir = VENDREL_SOURCE_DIR;

// The example command lines, one vector of arguments each (the program
// name left out), with roff's "\-" read as "-".
std::vector<std::vector<std::string>> manual_examples() {
    const std::string page = read_file(kSourceDir + "/docs/vendrel.1");
    const std::size_t start = page.find("\n.SH EXAMPLES\n");
    const std::size_t end = page.find("\n.SH ", start + 1);
    std::istringstream lines(page.substr(start, end - start));
    std::vector<std::vector<std::string>> examples;
    bool in_example = false;
    for (std::string line; std::getline(lines, line);) {
        if (line == ".nf" || line == ".fi") {
            in_example = line == ".nf";
            continue;
        }
        if (!in_example) continue;
        for (std::size_t at = line.find("\\-"); at != std::string::npos; at = line.find("\\-", at)) line.erase(at, 1);
        std::istringstream words(line);
        std::vector<std::string> args;
        for (std::string word; words >> word;) args.push_back(word);
        EXPECT_EQ(args.front(), "vendrel") << line;
        args.erase(args.begin());
        examples.push_back(args);
    }
    return examples;
}

TEST(ManualExamples, RunOnTheShippedSamples) {
    const std::vector<std::vector<std::string>> examples = manual_examples();
    ASSERT_GE(examples.size(), 8u);
    ScratchDir dir;
    std::filesystem::copy(kSourceDir + "/samples", dir.path() / "samples");
    ProgramOptions options;
    options.working_dir = dir.path().string();
    for (const std::vector<std::string>& args : examples) {
        std::string command;
        for (const std::string& arg : args) command += " " + arg;
        const ProgramResult run = run_program_with(args, options);
        EXPECT_EQ(run.exit_status, 0) << "vendrel" << command << ": " << run.err;
        EXPECT_EQ(run.err, "") << "vendrel" << command;
    }
    // The second image on the tape is the Czech text.
    const ProgramResult second = run_program_with({"-x", "1", "1", "-xb", "2", "adventure.tap"}, options);
    EXPECT_NE(second.out.find("#Jsi na oblazkove plazi pod starym majakem."), std::string::npos) << second.out;
}

}  // namespace
}  // namespace vendrel::test
