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

class PolyCliTest : public ::testing::TestWithParam<CliCase> {};

TEST_P(PolyCliTest, PrintsWhatThePageShows) {
    ExpectCase(GetParam());
}

const std::string kOverflow = "表达式项数过多，计算溢出。\n";
const char* const kWrong = "表达式输入不正确。\n";

INSTANTIATE_TEST_SUITE_P(
    Poly, PolyCliTest,
    ::testing::Values(
        CliCase{"Worked", {"poly", "a2-b2*x2y3-xy2"}, "", 0, "a2x2y3-a2xy2-b2x2y3+b2xy2\n4\n", ""},
        CliCase{"Grid",
                {"poly", "--grid", "a+b*a+b"},
                "",
                0,
                " 2          2\na  + 2ab + b \na2+2ab+b2\n3\n",
                ""},
        CliCase{"GridAfterInput",
                {"poly", "m2n-b3*xy", "--grid"},
                "",
                0,
                "  3      2   \n-b xy + m nxy\n-b3xy+m2nxy\n2\n",
                ""},
        CliCase{"Chain", {"poly", "a*b*c*d"}, "", 0, "abcd\n1\n", ""},
        CliCase{"LongCoefficientInFull",
                {"poly", "--grid", "9223372036854775807a2*-2"},
                "",
                0,
                "                      2\n-18446744073709551614a \n-18446744073709551614a2\n1\n",
                ""},
        CliCase{"EmptyProduct", {"poly", "a*"}, "", 0, "\n0\n", ""},
        CliCase{"EmptyProductGrid", {"poly", "--grid", "*a"}, "", 0, "\n\n\n0\n", ""},
        CliCase{"SingleInNormalForm", {"poly", "b+a"}, "", 0, "a+b\n2\n", ""},
        CliCase{"LeadingMinusAfterDashes", {"poly", "--", "-a*b"}, "", 0, "-ab\n1\n", ""},
        CliCase{"Empty", {"poly", ""}, "", 2, "", "请输入多项式。\n"},
        CliCase{"Parentheses", {"poly", "(a+b)*(a-b)"}, "", 2, "", kWrong},
        CliCase{"UpperCase", {"poly", "A*b"}, "", 2, "", kWrong},
        CliCase{"Space", {"poly", "a b"}, "", 2, "", kWrong},
        CliCase{"LineBreak", {"poly", "a\nb"}, "", 2, "", kWrong},
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
