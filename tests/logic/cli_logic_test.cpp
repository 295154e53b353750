#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/cli_runner.h"
#include "support/table.h"

namespace zentova::testing {
namespace {

struct CliRow {
    const char* name;
    std::vector<std::string> args;
    int exitCode;
    const char* out;
    const char* err;
};

class CliLogic : public ::testing::TestWithParam<CliRow> {};

TEST_P(CliLogic, PrintsWhatThePageShows) {
    const CliRow& row = GetParam();
    ExpectRun(RunCli(row.args), row.exitCode, row.out, row.err);
}

INSTANTIATE_TEST_SUITE_P(
    Tools, CliLogic,
    ::testing::Values(
        CliRow{"Dnf", {"logic", "dnf", "A>B"}, 0, "(~A^~B)v(~A^B)v(A^B)\n", ""},
        CliRow{"Cnf", {"logic", "cnf", "A^B"}, 0, "(AvB)^(Av~B)^(~AvB)\n", ""},
        CliRow{"EmptyCnfIsAnEmptyLine", {"logic", "cnf", "Av~A"}, 0, "\n", ""},
        CliRow{"Table",
               {"logic", "table", "A>B"},
               0,
               "A  B  公式\n0  0    1\n0  1    1\n1  0    0\n1  1    1\n",
               ""},
        CliRow{"Equivalent", {"logic", "equiv", "A>B", "~AvB"}, 0, "两公式等价。\n", ""},
        CliRow{"NotEquivalent", {"logic", "equiv", "A>B", "B>A"}, 0, "两公式不等价。\n", ""},
        CliRow{"Implies", {"logic", "implies", "A^B", "AvB"}, 0, "公式一蕴含公式二。\n", ""},
        CliRow{"DoesNotImply", {"logic", "implies", "AvB", "A^B"}, 0, "公式一不蕴含公式二。\n", ""},
        CliRow{"RefusedTable", {"logic", "table", "AB"}, 2, "", "公式输入错误。\n"},
        CliRow{"MissingOperand", {"logic", "dnf", "Av"}, 2, "", "公式输入错误。\n"},
        CliRow{"EmptySecondFormula", {"logic", "equiv", "A", ""}, 2, "", "公式输入错误。\n"},
        CliRow{"FormulaAfterDoubleDash", {"logic", "cnf", "--", "-A"}, 2, "", "公式输入错误。\n"}),
    testing::RowName());

TEST(CliLogicStreams, TwentyVariableTableHasEveryLine) {
    const CliRun run = RunCli({"logic", "table", "A^B^C^D^E^F^G^H^I^J^K^L^M^N^O^P^Q^R^S^T"});
    ASSERT_EQ(run.exitCode, 0);
    const std::size_t lines =
        static_cast<std::size_t>(std::count(run.out.begin(), run.out.end(), '\n'));
    EXPECT_EQ(lines, (1u << 20) + 1);
    const std::string last = "1  1  1  1  1  1  1  1  1  1  1  1  1  1  1  1  1  1  1  1    1\n";
    ASSERT_GE(run.out.size(), last.size());
    EXPECT_EQ(run.out.substr(run.out.size() - last.size()), last);
}

}  // namespace
}  // namespace zentova::testing
