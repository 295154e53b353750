// The parser built for the command named first answers as the parser of
// every command does: status, output and messages alike.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli_app.h"

namespace zentova::cli {
namespace {

std::string Ask(int (*run)(const std::vector<std::string>&, Context&),
                const std::vector<std::string>& args, const std::string& input) {
    std::istringstream in(input);
    std::ostringstream out, err;
    Context context{out, err, in};
    const int status = run(args, context);
    return std::to_string(status) + "|" + out.str() + "|" + err.str();
}

TEST(LighterParser, AgreesWithTheParserOfEveryCommand) {
    // Help, a sibling's name as an expression, unknown words, options first;
    // the words of each case are parted by blanks.
    for (const char* words : {"",
                              "--help",
                              "--version",
                              "eval 1+1 -2^2",
                              "eval --help",
                              "eval --angle deg sum",
                              "sum --from 1",
                              "matrix unknown",
                              "exprfile",
                              "stats mean",
                              "det",
                              "unknown",
                              "unknown eval",
                              "unknown --help",
                              "-a*b eval",
                              "-- eval 1",
                              "--version eval 1",
                              "--bad eval 1",
                              "-hx eval",
                              "--help eval",
                              "x -- --help",
                              "- eval"}) {
        std::vector<std::string> args;
        std::istringstream split(words);
        for (std::string word; split >> word;)
            args.push_back(word);
        EXPECT_EQ(Ask(RunCommandLine, args, "1 2\n3 4"),
                  Ask(RunCommandLineWithEveryCommand, args, "1 2\n3 4"))
            << words;
    }
}

}  // namespace
}  // namespace zentova::cli
