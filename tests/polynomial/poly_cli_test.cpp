#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/cli_runner.h"
#include "support/table.h"

namespace zentova::testing {
namespace {

std::string Series(char letter, int from, int to) {
    std::string text;
    for (int i = from; i <= to; ++i) {
        if (!text.empty()) text += '+';
        text += letter;
        text += std::to_string(i);
    }
    return text;
}

// Inputs built in code or holding a line break, which a transcript cannot
// write; the other cases are in tests/golden/polynomial_commands.golden.
class PolyCliTest : public ::testing::TestWithParam<CliCase> {};

TEST_P(PolyCliTest, PrintsWhatThePageShows) {
    ExpectCase(GetParam());
}

const std::string kOverflow = "表达式项数过多，计算溢出。\n";

INSTANTIATE_TEST_SUITE_P(
    Poly, PolyCliTest,
    ::testing::Values(CliCase{"LineBreak", {"poly", "a\nb"}, "", 2, "", "表达式输入不正确。\n"},
                      CliCase{"TooLong",
                              {"poly", std::string(5001, 'a')},
                              "",
                              2,
                              "",
                              "多项式输入不能超过 5000 个字符\n"},
                      CliCase{"TooManyTerms",
                              {"poly", Series('a', 1, 71) + "*" + Series('b', 1, 71)},
                              "",
                              1,
                              kOverflow,
                              ""},
                      CliCase{"IntermediateTooWide",
                              {"poly", Series('a', 1, 50) + "*" + Series('b', 1, 50) + "*0"},
                              "",
                              1,
                              kOverflow,
                              ""}),
    testing::RowName());

TEST(PolyCli, MissingInputIsAUsageError) {
    const CliRun run = RunCli({"poly"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err, "");
}

}  // namespace
}  // namespace zentova::testing
