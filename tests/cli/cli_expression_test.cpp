#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/cli_runner.h"
#include "support/table.h"

namespace zentova::testing {
namespace {

constexpr const char* kAnyMessage = nullptr;  // some message of our own wording

// The expression's length limit, with arguments too long to write out in a
// transcript; the other cases are in tests/golden/expression_commands.golden.
class Cli : public ::testing::TestWithParam<CliCase> {};

TEST_P(Cli, AnswersAtTheLengthLimit) {
    ExpectCase(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Eval, Cli,
    ::testing::Values(
        CliCase{"TooLongRefused", {"eval", std::string(1024, '1')}, "", 2, "", kAnyMessage},
        CliCase{"LongestAccepted",
                {"eval", "1" + std::string(1022, '0')},
                "",
                1,
                "运算结果无意义\n",
                ""}),
    RowName());

TEST(CliUsage, HelpAndVersionSucceed) {
    for (const std::vector<std::string>& args : {std::vector<std::string>{"--help"},
                                                 {"--version"},
                                                 {"eval", "--help"},
                                                 {"integrate", "--help"}}) {
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.exitCode, 0) << args.front();
        EXPECT_FALSE(run.out.empty()) << args.front();
    }
}

}  // namespace
}  // namespace zentova::testing
