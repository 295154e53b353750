// The parser built for the command named first answers every argument list
// exactly as the parser of every command does: status, output and messages.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_app.h"

namespace zentova::cli {
namespace {

struct Answer {
    int status;
    std::string out, err;
    bool operator==(const Answer&) const = default;
};

template <typename Run>
Answer Ask(Run run, const std::vector<std::string>& args, const std::string& input) {
    std::istringstream in(input);
    std::ostringstream out, err;
    Context context{out, err, in};
    const int status = run(args, context);
    return {status, out.str(), err.str()};
}

TEST(LighterParser, AgreesWithTheParserOfEveryCommand) {
    const std::pair<std::vector<std::string>, std::string> kCases[] = {
        {{}, ""},
        {{"--help"}, ""},
        {{"--version"}, ""},
        {{"eval", "1+1", "-2^2"}, ""},
        {{"eval", "--help"}, ""},
        {{"eval", "--angle", "deg", "sum"}, ""},  // a sibling's name is an expression here
        {{"sum", "--from", "1"}, ""},
        {{"matrix", "unknown"}, ""},
        {{"exprfile"}, ""},
        {{"stats", "mean"}, "1 2 3"},
        {{"det"}, "1 2\n3 4"},
        {{"unknown"}, ""},
        {{"unknown", "eval"}, ""},
        {{"unknown", "--help"}, ""},
        {{"-a*b", "eval"}, ""},
        {{"--", "eval", "1"}, ""},
    };
    for (const auto& [args, input] : kCases) {
        std::string named;
        for (const std::string& a : args)
            named += a + ' ';
        EXPECT_EQ(Ask(RunCommandLine, args, input),
                  Ask(RunCommandLineWithEveryCommand, args, input))
            << named;
    }
}

}  // namespace
}  // namespace zentova::cli
