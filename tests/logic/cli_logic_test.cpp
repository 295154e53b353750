#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/cli_runner.h"

namespace zentova::testing {
namespace {

// The cases that are a transcript alone are in
// tests/golden/logic_commands.golden.
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
