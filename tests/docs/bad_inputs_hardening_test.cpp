// docs/bad-inputs.md, replayed: its Files tables are written into one
// scratch directory and its command rows run there, in the order of the
// document, against the built program. Each row's exit status and message
// must be the ones the table gives, and a run that fails must leave every
// file of the directory as it was.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/program.h"

namespace vendrel::test {
namespace {

namespace fs = std::filesystem;

const char* const kDocument = VENDREL_SOURCE_DIR "/docs/bad-inputs.md";

std::string trim(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The cells of a table row "| a | b |".
std::vector<std::string> cells_of(const std::string& line) {
    std::vector<std::string> cells;
    std::string cell;
    for (std::size_t i = 1; i < line.size(); ++i) {
        if (line[i] == '|') {
            cells.push_back(trim(cell));
            cell.clear();
        } else {
            cell.push_back(line[i]);
        }
    }
    return cells;
}

std::string unquote_code(const std::string& cell) {
    if (cell.size() < 2 || cell.front() != '`' || cell.back() != '`') {
        throw std::invalid_argument("not in backticks: " + cell);
    }
    return cell.substr(1, cell.size() - 2);
}

// Reads the contents notation of a Files table: "text" × N, bytes(A..B),
// head(NAME, N), tail(NAME, N), joined with " + ".
class ContentsReader {
public:
    ContentsReader(std::string text, const fs::path& dir) : text_(std::move(text)), dir_(dir) {}

    std::string read() {
        std::string bytes;
        for (;;) {
            skip_blanks();
            bytes += piece();
            skip_blanks();
            if (at_ >= text_.size()) return bytes;
            expect("+");
        }
    }

private:
    std::string piece() {
        if (peek('"')) {
            std::string literal = string_literal();
            skip_blanks();
            if (text_.compare(at_, 2, "\xC3\x97") == 0) {  // ×
                at_ += 2;
                const long count = number();
                std::string repeated;
                for (long i = 0; i < count; ++i) repeated += literal;
                return repeated;
            }
            return literal;
        }
        if (take("bytes(")) {
            const long first = number();
            expect("..");
            const long last = number();
            expect(")");
            std::string range;
            for (long b = first; b <= last; ++b) range.push_back(static_cast<char>(b));
            return range;
        }
        const bool head = take("head(");
        if (head || take("tail(")) {
            const auto comma = text_.find(',', at_);
            if (comma == std::string::npos) fail("no comma");
            const std::string name = trim(text_.substr(at_, comma - at_));
            at_ = comma + 1;
            const auto count = static_cast<std::size_t>(number());
            expect(")");
            const std::string whole = read_file((dir_ / name).string());
            if (count > whole.size()) fail("file " + name + " is shorter");
            return head ? whole.substr(0, count) : whole.substr(count);
        }
        fail("unknown piece");
        return "";
    }

    std::string string_literal() {
        expect("\"");
        std::string bytes;
        while (at_ < text_.size() && text_[at_] != '"') {
            char c = text_[at_++];
            if (c == '\\') {
                if (at_ >= text_.size()) fail("escape at the end");
                const char e = text_[at_++];
                switch (e) {
                    case 'r': c = '\r'; break;
                    case 'n': c = '\n'; break;
                    case 't': c = '\t'; break;
                    case '0': c = '\0'; break;
                    case '\\': c = '\\'; break;
                    case '"': c = '"'; break;
                    case 'x':
                        c = static_cast<char>(std::stoi(text_.substr(at_, 2), nullptr, 16));
                        at_ += 2;
                        break;
                    default: fail(std::string("unknown escape \\") + e);
                }
            }
            bytes.push_back(c);
        }
        expect("\"");
        return bytes;
    }

    long number() {
        skip_blanks();
        std::size_t used = 0;
        const long value = std::stol(text_.substr(at_), &used);
        at_ += used;
        return value;
    }

    void skip_blanks() {
        while (at_ < text_.size() && text_[at_] == ' ') ++at_;
    }
    bool peek(char c) const { return at_ < text_.size() && text_[at_] == c; }
    bool take(const std::string& word) {
        if (text_.compare(at_, word.size(), word) != 0) return false;
        at_ += word.size();
        return true;
    }
    void expect(const std::string& word) {
        skip_blanks();
        if (!take(word)) fail("expected '" + word + "'");
    }
    [[noreturn]] void fail(const std::string& why) const {
        throw std::invalid_argument(why + " at " + std::to_string(at_) + " in: " + text_);
    }

    std::string text_;
    fs::path dir_;
    std::size_t at_ = 0;
};

// The arguments of "vendrel a b c"; "" is an empty argument.
std::vector<std::string> arguments_of(const std::string& command) {
    std::istringstream words(command);
    std::string word;
    words >> word;
    if (word != "vendrel") throw std::invalid_argument("not a vendrel command: " + command);
    std::vector<std::string> args;
    while (words >> word) args.push_back(word == "\"\"" ? "" : word);
    return args;
}

std::string message_of(const std::string& cell) {
    if (cell == "\xE2\x80\x94") return "";  // —
    std::string message = unquote_code(cell);
    for (auto at = message.find("\\n"); at != std::string::npos; at = message.find("\\n", at + 1)) {
        message.replace(at, 2, "\n");
    }
    return message + "\n\n";
}

std::string shell_quoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

struct Outcome {
    int exit_status;
    std::string err;
};

// Runs the program in dir with empty standard input; its output streams
// go to files in logs, outside dir.
Outcome run_in(const fs::path& dir, const std::vector<std::string>& args, const fs::path& logs) {
    const std::string out = (logs / "out").string();
    const std::string err = (logs / "err").string();
    std::string command = "cd " + shell_quoted(dir.string()) + " && exec " + shell_quoted(VENDREL_BINARY);
    for (const std::string& arg : args) command += " " + shell_quoted(arg);
    command += " </dev/null >" + shell_quoted(out) + " 2>" + shell_quoted(err);
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, read_file(err)};
}

std::map<std::string, std::string> snapshot(const fs::path& dir) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(dir)) {
        if (entry.is_regular_file()) files[entry.path().string()] = read_file(entry.path().string());
    }
    return files;
}

TEST(BadInputsDocument, EveryRowHoldsForTheBuiltProgram) {
    std::ifstream document(kDocument);
    ASSERT_TRUE(document) << kDocument;
    const ScratchDir dir;
    const ScratchDir logs;

    enum class Table { kNone, kFiles, kCommands } table = Table::kNone;
    int line_number = 0;
    int files_written = 0;
    int commands_run = 0;
    std::string line;
    while (std::getline(document, line)) {
        ++line_number;
        if (line.empty() || line[0] != '|') {
            table = Table::kNone;
            continue;
        }
        const std::vector<std::string> cells = cells_of(line);
        SCOPED_TRACE("docs/bad-inputs.md line " + std::to_string(line_number) + ": " + line);
        if (table == Table::kNone) {
            if (cells == std::vector<std::string>{"Files", "Contents"}) {
                table = Table::kFiles;
            } else if (cells == std::vector<std::string>{"Input", "Command line", "Exit", "Message"}) {
                table = Table::kCommands;
            } else {
                ADD_FAILURE() << "a table of unknown kind";
                return;
            }
            std::getline(document, line);  // the |---| line
            ++line_number;
            continue;
        }
        if (table == Table::kFiles) {
            ASSERT_EQ(cells.size(), 2u);
            const std::string contents = ContentsReader(unquote_code(cells[1]), dir.path()).read();
            dir.write(cells[0], contents);
            ++files_written;
            continue;
        }
        ASSERT_EQ(cells.size(), 4u);
        const std::vector<std::string> args = arguments_of(unquote_code(cells[1]));
        const int exit_status = std::stoi(cells[2]);
        const std::string message = message_of(cells[3]);

        const auto before = snapshot(dir.path());
        const Outcome outcome = run_in(dir.path(), args, logs.path());
        EXPECT_EQ(outcome.exit_status, exit_status);
        EXPECT_EQ(outcome.err, message);
        // A run that fails leaves every file as it was, whatever step failed.
        if (outcome.exit_status != 0) {
            EXPECT_TRUE(snapshot(dir.path()) == before) << "a failed run changed the directory";
        }
        ++commands_run;
    }
    // A document that no longer parses must not pass by running nothing.
    EXPECT_GE(files_written, 30);
    EXPECT_GE(commands_run, 90);
}

}  // namespace
}  // namespace vendrel::test
