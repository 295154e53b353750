#include <gtest/gtest.h>

#include "tests/support/cli_runner.h"

namespace zentova::testing {
namespace {

TEST(CliEval, PrintsTheResult) {
    const CliRun run = RunCli({"eval", "--angle", "deg", "sin(30)+2^3"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "8.5\n");
    EXPECT_EQ(run.err, "");
}

}  // namespace
}  // namespace zentova::testing
