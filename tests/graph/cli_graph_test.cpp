#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/cli_runner.h"
#include "support/table.h"

namespace zentova::testing {
namespace {

struct CliRow {
    const char* name;
    std::vector<std::string> args;
    const char* input;
    int exitCode;
    const char* out;
    const char* err;
};

class CliGraph : public ::testing::TestWithParam<CliRow> {};

TEST_P(CliGraph, PrintsWhatThePageShows) {
    const CliRow& row = GetParam();
    ExpectRun(RunCli(row.args, row.input), row.exitCode, row.out, row.err);
}

constexpr const char* kTriangle = "0 1 4\n1 0 2\n4 2 0";

INSTANTIATE_TEST_SUITE_P(
    Commands, CliGraph,
    ::testing::Values(
        CliRow{"Shortest", {"graph", "shortest", "3", "0", "2"}, kTriangle, 0, "3\n0→1→2\n", ""},
        CliRow{"ShortestSameNode",
               {"graph", "shortest", "3", "2", "2"},
               kTriangle,
               0,
               "-1\n它们是同一点\n",
               ""},
        CliRow{"ShortestNotConnected",
               {"graph", "shortest", "2", "0", "1"},
               "0 0 1 0",
               0,
               "-1\n这两点不连通\n",
               ""},
        CliRow{"Critical",
               {"graph", "critical", "4", "3"},
               "0 3 2 0\n0 0 0 4\n0 0 0 6\n0 0 0 0",
               0,
               "8\n",
               ""},
        CliRow{"SpanningTreeLines",
               {"graph", "mst", "3"},
               "0 1 4\r\n1 0 2\r\n4 2 0",
               0,
               "0,1,0,\n1,0,2,\n0,2,0\n",
               ""},
        CliRow{"FullWidthCommas",
               {"graph", "mst", "3"},
               "0，1，4，1，0，2，4，2，0",
               0,
               "0,1,0,\n1,0,2,\n0,2,0\n",
               ""},
        CliRow{"SpanningTreeDisconnected",
               {"graph", "mst", "2"},
               "0 0 0 0",
               1,
               "图不连通，不存在最小生成树。\n",
               ""},
        CliRow{"EmptyInput",
               {"graph", "shortest", "3", "0", "2"},
               "",
               2,
               "",
               "请输入矩阵与结点数。\n"},
        CliRow{"CountWrong",
               {"graph", "shortest", "3", "0", "2"},
               "0 1 4 1 0 2 4 2",
               2,
               "",
               "邻接矩阵输入错误，元素个数不正确。\n"},
        CliRow{"CriticalNoNodes", {"graph", "critical", "0", "0"}, "0", 2, "", "请输入结点数。\n"},
        CliRow{"TreeCountWrong", {"graph", "mst", "1"}, "", 2, "", "图的邻接矩阵输入不正确。\n"},
        CliRow{"NodeOutside",
               {"graph", "shortest", "3", "0", "5"},
               kTriangle,
               2,
               "",
               "结点编号必须在 0 到 2 之间。\n"},
        CliRow{"NegativeNodeAfterDoubleDash",
               {"graph", "shortest", "--", "3", "-1", "2"},
               kTriangle,
               2,
               "",
               "结点编号必须在 0 到 2 之间。\n"},
        CliRow{"TooManyNodes",
               {"graph", "mst", "51"},
               kTriangle,
               2,
               "",
               "结点数必须在 1 到 50 之间。\n"},
        CliRow{"NotAnInteger", {"graph", "mst", "3.5"}, kTriangle, 2, "", nullptr}),
    testing::RowName());

}  // namespace
}  // namespace zentova::testing
