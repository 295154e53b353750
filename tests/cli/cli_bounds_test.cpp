// Every subcommand given nothing, megabytes, bytes that are not UTF-8 and
// zero bytes: each answers with its message or its result, in bounded time
// and address space, and prints only UTF-8.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "common/utf8_text.h"
#include "support/cli_runner.h"
#include "support/table.h"

namespace zentova::testing {
namespace {

using namespace std::string_view_literals;

// Sanitizer builds run many times slower and take no address space limit:
// they check the answers on an eighth of the megabytes.
#ifdef __SANITIZE_ADDRESS__
constexpr std::size_t kMillion = 1'000'000 / 8;
#else
constexpr std::size_t kMillion = 1'000'000;
#endif

constexpr std::size_t kAddressSpaceMb = 64;

std::string Times(std::string_view piece, std::size_t count) {
    std::string text;
    while (count-- > 0)
        text.append(piece);
    return text;
}

const std::string kFile = std::filesystem::temp_directory_path() / "zentova_bounds.exp";
const std::string kInputError = "表达式输入错误\n";

// Standard output, or standard error for a refusal, where "" stands for a
// message of our own wording.
struct Answer {
    int exitCode;
    std::string text;
};

// "@" in the arguments stands for the text; without one it is standard input.
struct Row {
    const char* name;
    std::vector<std::string> args;
    Answer empty;
    std::string_view piece;  // the huge text is this, `times` times
    std::size_t times;
    Answer huge;
};

Row R(const char* name, std::vector<std::string> args, Answer empty, std::string_view piece,
      std::size_t times, Answer huge) {
    return {name, std::move(args), std::move(empty), piece, times, std::move(huge)};
}

const Answer kNoMatrix{2, "请输入矩阵\n"};
const Answer kNoGraph{2, "图的邻接矩阵输入不正确。\n"};
const Answer kNoFormula{2, "公式输入错误。\n"};

void PrintTo(const Row& row, std::ostream* os) {
    *os << row.name;
}

void Expect(const std::vector<std::string>& args, std::string_view text, const Answer& answer) {
    std::vector<std::string> filled = args;
    const auto at = std::find(filled.begin(), filled.end(), "@");
    if (at != filled.end()) *at = text;
    const auto start = std::chrono::steady_clock::now();
    const CliRun run = RunCli(filled, at != filled.end() ? "" : text, kAddressSpaceMb);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    const bool refused = answer.exitCode == 2;
    EXPECT_EQ(run.exitCode, answer.exitCode);
    EXPECT_EQ(refused ? run.out : run.err, "");
    if (!refused || !answer.text.empty()) {
        EXPECT_EQ(refused ? run.err : run.out, answer.text);
    }
    EXPECT_TRUE(IsValidUtf8(run.out) && IsValidUtf8(run.err));
}

class BoundsCli : public ::testing::TestWithParam<Row> {};

TEST_P(BoundsCli, NothingHugeAndNotUtf8) {
    const Row& row = GetParam();
    Expect(row.args, "", row.empty);
    Expect(row.args, Times(row.piece, row.times), row.huge);
    // A stray continuation byte, a lead byte alone, an overlong form, a
    // surrogate: one of them per subcommand, in turn.
    constexpr std::string_view kBad[] = {"\x80", "1 \xc3", "\xc0\xaf", "\xed\xa0\x80"};
    Expect(row.args, kBad[std::strlen(row.name) % 4], {2, "输入的文本不是有效的 UTF-8 编码。\n"});
}

INSTANTIATE_TEST_SUITE_P(
    Subcommands, BoundsCli,
    ::testing::Values(
        R("EvalLines", {"eval"}, {0, ""}, "\n", 4 * kMillion, {0, Times("\n", 4 * kMillion)}),
        R("Eval", {"eval", "@"}, {0, "\n"}, "1", 100000, {2, "表达式不能超过 1023 个字符\n"}),
        R("Integrate", {"integrate", "@"}, {1, kInputError}, "x+", 50000, {1, kInputError}),
        R("Derive", {"derive", "@"}, {1, kInputError}, "x+", 50000, {1, kInputError}),
        R("Sum", {"sum", "@"}, {2, "请输入表达式\n"}, "x+", 50000, {1, kInputError}),
        R("Product", {"product", "@"}, {2, "请输入表达式\n"}, "1", 100000, {1, kInputError}),
        R("ParamsExpression", {"params", "@", "1"}, {2, "请输入表达式\n"}, "a+", 50000,
          {1, kInputError}),
        R("ParamsValues", {"params", "a+b", "@"}, {2, "请输入参数表\n"}, "1,", 50000, {0, "2\n"}),
        R("Stats", {"stats", "pstdev"}, {2, "请输入要统计的数据。\n"}, "1 2 ", 2 * kMillion,
          {0, "0.5\n"}),
        R("Solve", {"solve", "2"}, {2, "系数矩阵输入错误，元素个数不正确。\n"}, "1 1 3 1 -1 1 ",
          kMillion / 4, {0, "x0 = 2\nx1 = 1\n"}),
        R("Det", {"det", "2"}, {2, "行列式元素输入错误，个数不正确。\n"}, "1 2 3 4 ", kMillion / 2,
          {0, "-2\n"}),
        R("MatrixAdd", {"matrix", "add", "2x2", "@", "2x2", "1 2 3 4"}, kNoMatrix, "1 ", 50000,
          {0, "2,3,\n4,5\n"}),
        R("MatrixSub", {"matrix", "sub", "2x2", "1 1 1 1", "2x2", "@"}, kNoMatrix, "1 ", 50000,
          {0, "0,0,\n0,0\n"}),
        R("MatrixMul", {"matrix", "mul", "1x1", "@", "1x1", "3"}, kNoMatrix, "2 ", 50000,
          {0, "6\n"}),
        R("MatrixInv", {"matrix", "inv", "1x1", "@"}, kNoMatrix, "4 ", 50000, {0, "0.25\n"}),
        R("MatrixEchelon", {"matrix", "echelon", "1x2", "@"}, kNoMatrix, "2 4 ", 25000,
          {0, "1,2\nrank 1\n"}),
        R("MatrixRelayout", {"matrix", "relayout", "1x2", "@"}, kNoMatrix, "1 ", 50000,
          {0, "1,1\n"}),
        R("Poly", {"poly", "@"}, {2, "请输入多项式。\n"}, "a", 100000,
          {2, "多项式输入不能超过 5000 个字符\n"}),
        R("GraphShortest", {"graph", "shortest", "2", "0", "1"}, {2, "请输入矩阵与结点数。\n"},
          "0 4 4 0 ", kMillion / 2, {0, "4\n0→1\n"}),
        R("GraphCritical", {"graph", "critical", "2", "1"}, kNoGraph, "0 4 4 0 ", kMillion / 2,
          {0, "-1\n"}),
        R("GraphMst", {"graph", "mst", "2"}, kNoGraph, "0 4 4 0 ", kMillion / 2,
          {0, "0,4,\n4,0\n"}),
        R("LogicTable", {"logic", "table", "@"}, kNoFormula, "A^", 50000, kNoFormula),
        R("LogicCnf", {"logic", "cnf", "@"}, kNoFormula, "A^", 50000, kNoFormula),
        R("LogicDnf", {"logic", "dnf", "@"}, kNoFormula, "A^", 50000, kNoFormula),
        R("LogicEquiv", {"logic", "equiv", "@", "A"}, kNoFormula, "A^", 50000, kNoFormula),
        R("LogicImplies", {"logic", "implies", "A", "@"}, kNoFormula, "A^", 50000, kNoFormula),
        R("ExprfileWrite", {"exprfile", "write", kFile}, {2, "表达式列表中没有表达式可存储\n"},
          "a\tb\n", kMillion, {2, "表达式文件最多存储 65535 个表达式\n"})),
    RowName());

struct Case {
    const char* name;
    std::vector<std::string> args;
    std::string input;
    Answer answer;
};

Case C(const char* name, std::vector<std::string> args, std::string_view input, Answer answer) {
    return {name, std::move(args), std::string(input), std::move(answer)};
}

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

class BoundsCliCase : public ::testing::TestWithParam<Case> {};

TEST_P(BoundsCliCase, Answers) {
    Expect(GetParam().args, GetParam().input, GetParam().answer);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BoundsCliCase,
    ::testing::Values(C("EvalZeroByteEndsText", {"eval"}, "2*3\0+1\n"sv, {0, "6\n"}),
                      C("StatsZeroByteEndsNumber", {"stats", "sum"}, "1\0 2"sv, {0, "3\n"}),
                      C("ExprfileZeroByte", {"exprfile", "write", kFile}, "a\0\tb"sv,
                        {2, "第 1 项：表达式名称和表达式不能包含零字节\n"}),
                      C("EvalLongLine", {"eval"}, Times("9", 8 * kMillion),
                        {2, "表达式不能超过 1023 个字符\n"}),
                      C("EvalCountsCharacters", {"eval", Times("中", 400)}, "", {1, kInputError}),
                      C("ConstantsIndexNotUtf8", {"constants", "\x80"}, "",
                        {2, "序号 必须是整数: \xEF\xBF\xBD\n"}),
                      C("AngleNotUtf8", {"eval", "--angle", "\xfe", "1"}, "", {2, ""}),
                      C("DetHugeOrder", {"det", "99999999999"}, "1", {2, ""}),
                      C("MatrixHugeShape", {"matrix", "inv", "100000x100000", "1"}, "",
                        {2, "矩阵的行、列数不能超过 100\n"}),
                      C("GraphHugeNodeCount", {"graph", "mst", "1000000"}, "1",
                        {2, "结点数必须在 1 到 50 之间。\n"})),
    RowName());

// A file longer than any expression file is read no further than the longest
// one; one that is none stops the reading at its first byte.
TEST(BoundsCliFile, ExpressionFileReadingStops) {
    const std::string path = kFile + ".list";
    for (const auto& [bytes, err] : {std::pair{"~\xff\xff"sv, "表达式文件已损坏，无法读取\n"},
                                     std::pair{"\x7f\0\xff~"sv, "您打开的不是表达式文件\n"}}) {
        std::ofstream(path, std::ios::binary).write(bytes.data(), std::ssize(bytes));
        std::filesystem::resize_file(path, 40 * kMillion);
        Expect({"exprfile", "list", path}, "", {2, err});
    }
    std::filesystem::remove(path);
}

}  // namespace
}  // namespace zentova::testing
