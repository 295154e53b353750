// Runs the transcripts in tests/golden/*.golden through the built program.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/cli_runner.h"

namespace zentova::testing {
namespace {

struct GoldenCase {
    std::string where;  // file:line, for the failure message
    std::string command;
    std::vector<std::string> args;
    std::string input, out, err;
    int exitCode = 0;
};

std::vector<std::string> SplitArguments(const std::string& line) {
    std::vector<std::string> args;
    std::string current;
    bool inArgument = false;
    bool quoted = false;
    for (const char c : line) {
        if (c == '\'') {
            quoted = !quoted;
            inArgument = true;
        } else if (c == ' ' && !quoted) {
            if (inArgument) args.push_back(current);
            current.clear();
            inArgument = false;
        } else {
            current.push_back(c);
            inArgument = true;
        }
    }
    if (inArgument) args.push_back(current);
    return args;
}

// A text line's bytes: \r, \t and \s stand for CR, tab and a blank (for one
// that ends a line, which editors strip), a final \c for the end of the text
// without a line break, and \\ for a backslash.
std::string Unescaped(const std::string& text) {
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            bytes.push_back(text[i]);
            continue;
        }
        switch (text[++i]) {
            case 'r':
                bytes.push_back('\r');
                break;
            case 't':
                bytes.push_back('\t');
                break;
            case 's':
                bytes.push_back(' ');
                break;
            case 'c':
                if (i + 1 == text.size()) return bytes;
                [[fallthrough]];
            default:
                bytes.push_back(text[i]);
        }
    }
    return bytes + "\n";
}

std::vector<GoldenCase> ReadGolden(const std::filesystem::path& path) {
    std::vector<GoldenCase> cases;
    std::ifstream file(path);
    std::string line;
    for (int number = 1; std::getline(file, line); ++number) {
        if (line.empty() || line[0] == '#') continue;
        const std::string rest = line.size() > 2 ? line.substr(2) : "";
        if (line[0] == '$') {
            GoldenCase c;
            c.where = path.filename().string() + ":" + std::to_string(number);
            c.command = rest;
            c.args = SplitArguments(rest);
            cases.push_back(std::move(c));
            continue;
        }
        if (cases.empty()) continue;
        GoldenCase& c = cases.back();
        switch (line[0]) {
            case '<':
                c.input += Unescaped(rest);
                break;
            case '>':
                c.out += Unescaped(rest);
                break;
            case '!':
                c.err += Unescaped(rest);
                break;
            case '=':
                c.exitCode = std::stoi(rest);
                break;
            default:
                ADD_FAILURE() << c.where << ": unknown line " << line;
        }
    }
    return cases;
}

TEST(Golden, TranscriptsHold) {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(ZENTOVA_GOLDEN_DIR)) {
        if (entry.path().extension() != ".golden") continue;
        for (const GoldenCase& c : ReadGolden(entry.path())) {
            const CliRun run = RunCli(c.args, c.input);
            EXPECT_EQ(run.exitCode, c.exitCode) << c.where << ": " << c.command;
            EXPECT_EQ(run.out, c.out) << c.where << ": " << c.command;
            EXPECT_EQ(run.err, c.err) << c.where << ": " << c.command;
            ++count;
        }
    }
    EXPECT_GT(count, 0);
}

}  // namespace
}  // namespace zentova::testing
