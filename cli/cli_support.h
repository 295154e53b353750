// What every subcommand of zentova-cli shares: the exit statuses, the output
// rules and the reading of number arguments.
#pragma once

#include <iosfwd>
#include <stdexcept>
#include <string>
#include <string_view>

#include "common/outcome.h"

namespace CLI {
class App;
}

namespace zentova::cli {

// Exit statuses, which let a script tell a result from a failed computation
// and from input that was never computed.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;  // the tool ran; its result is a failure
inline constexpr int kExitRefused = 2;  // refused before computing, or a usage error

struct Context {
    std::ostream& out;
    std::ostream& err;
    std::istream& in;
    int exitCode = kExitOk;
    // The parser is built for this command alone; empty: for every command.
    std::string_view onlyCommand = {};

    bool Builds(std::string_view command) const {
        return onlyCommand.empty() || onlyCommand == command;
    }
};

// A usage error found in a callback (a number argument that is not a number),
// or a text refused before any tool sees it (bytes that are not UTF-8). Its
// message goes alone to standard error, with exit status 2.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Prints `text` as lines: CR LF becomes LF, and a last line without a break
// gets one. An empty text prints an empty line.
void PrintText(Context& context, std::string_view text);

// Refusal: the message alone on standard error, exit status 2.
void Refuse(Context& context, std::string_view message);

// Values and failures go to standard output with exit 0 or 1; refusals go to
// standard error with exit 2. A failure keeps the status at least 1.
void Emit(Context& context, const Outcome& outcome);

// Number arguments must be numbers as a whole: strtod for doubles, a decimal
// integer for integers. `what` names the argument in the usage error.
double ParseDouble(const std::string& text, std::string_view what);
int ParseInt(const std::string& text, std::string_view what);

// A text as a message shows it: valid UTF-8 (each byte that is not becomes
// U+FFFD), cut after `maxCharacters` characters with "…".
std::string Shown(std::string_view text, std::size_t maxCharacters = std::string_view::npos);

// An argument as a usage message quotes it: shown, at most a line's worth.
std::string Quoted(std::string_view argument);

// A text argument, refused unless it is UTF-8 (file names are not texts).
const std::string& TextArgument(const std::string& text);

// Standard input, read whole; refused unless it is UTF-8.
std::string ReadAll(std::istream& in);

// Calls visit(line) for every line of `text` as getline cuts them, a CR
// before the line break dropped.
template <typename Visit>
void ForEachLine(std::string_view text, Visit&& visit) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        visit(line);
        start = end + 1;
    }
}

// Subcommand registration, one function per subsystem.
void AddExpressionCommands(CLI::App& app, Context& context);
void AddLinalgCommands(CLI::App& app, Context& context);
void AddPolynomialCommands(CLI::App& app, Context& context);
void AddGraphCommands(CLI::App& app, Context& context);
void AddLogicCommands(CLI::App& app, Context& context);
void AddDataCommands(CLI::App& app, Context& context);

}  // namespace zentova::cli
