// Runs the built zentova-cli as a child process, the way a shell would.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace zentova::testing {

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs zentova-cli with `args`, feeding `input` on standard input. With
// `addressSpaceMb`, the program gets no more address space than that, so
// that running out of it fails the run; sanitizer builds, which reserve
// terabytes of shadow memory, run without the limit.
CliRun RunCli(const std::vector<std::string>& args, std::string_view input = {},
              std::size_t addressSpaceMb = 0);

// Checks a run: the exit status and standard output
// exactly, and standard error exactly or, where `err` is null, some message
// of our own wording ending in a line break.
void ExpectRun(const CliRun& run, int exitCode, std::string_view out, const char* err);

// One row of a table of command-line cases.
struct CliCase {
    const char* name;
    std::vector<std::string> args;
    std::string input;
    int exitCode;
    std::string out;
    const char* err;  // null: some message of our own wording
};

inline void PrintTo(const CliCase& c, std::ostream* os) {
    *os << c.name;
}

// Runs the row and checks it with ExpectRun.
inline void ExpectCase(const CliCase& c) {
    ExpectRun(RunCli(c.args, c.input), c.exitCode, c.out, c.err);
}

}  // namespace zentova::testing
