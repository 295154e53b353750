#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/cli_runner.h"

namespace zentova::testing {
namespace {

// The other cases are in tests/golden/linalg_commands.golden.
TEST(LinalgCliLarge, DeterminantOfOrder100TypedAsText) {
    std::string text;
    for (int r = 0; r < 100; ++r) {
        for (int c = 0; c < 100; ++c)
            text += r == c ? "1.5 " : c > r ? "0.25 " : "0 ";
        text += "\n";
    }
    const CliRun run = RunCli({"det", "100"}, text);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "4.06561177535215e+17\n");  // 1.5^100
}

TEST(LinalgCliLarge, InverseOfOrder60) {
    std::string text;
    for (int r = 0; r < 60; ++r) {
        for (int c = 0; c < 60; ++c)
            text += r == c ? "2 " : "0 ";
    }
    const CliRun run = RunCli({"matrix", "inv", "60x60", text});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out.substr(0, 8), "0.5,0,0,");
    EXPECT_EQ(run.out.size(), 7379u);
}

}  // namespace
}  // namespace zentova::testing
