#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/cli_runner.h"

namespace zentova::testing {
namespace {

namespace fs = std::filesystem;

// The cases of stats, constants and the input rule that are a transcript
// alone are in tests/golden/data_commands.golden.
TEST(ConstantsCli, ListsAllThirtyThree) {
    const CliRun run = RunCli({"constants"});
    EXPECT_EQ(run.exitCode, 0);
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < run.out.size()) {
        const std::size_t end = run.out.find('\n', start);
        lines.push_back(run.out.substr(start, end - start));
        start = end + 1;
    }
    ASSERT_EQ(lines.size(), 33u);
    EXPECT_EQ(lines[0], "0\tπ\t3.14159265359\t");
    EXPECT_EQ(lines[3], "3\t标况下理想气体摩尔体积\t22.41410e-3\t立方米·摩^-1");
    EXPECT_EQ(lines[32], "32\t第三宇宙速度\t16.7e3\t米·秒^-1");
}

class ExprFileCli : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string templ = (fs::temp_directory_path() / "zentova-cli-XXXXXX").string();
        ASSERT_NE(::mkdtemp(templ.data()), nullptr);
        folder_ = templ;
    }
    void TearDown() override { fs::remove_all(folder_); }
    std::string Path(const char* name) const { return (folder_ / name).string(); }
    static std::string Slurp(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    fs::path folder_;
};

TEST_F(ExprFileCli, WritesTheKnownBytesAndListsThemBack) {
    const std::string file = Path("two.exp");
    const CliRun write = RunCli({"exprfile", "write", file}, "面积\ta*b/2\r\nsum\ta+b+c\n");
    EXPECT_EQ(write.exitCode, 0);
    EXPECT_EQ(write.out, "");
    const std::string bytes = Slurp(file);
    ASSERT_EQ(bytes.size(), 1203u);
    EXPECT_EQ(bytes.substr(0, 3), std::string("\x7E\x02\x00", 3));
    EXPECT_EQ(bytes.substr(3, 5), std::string("\xC3\xE6\xBB\xFD\x00", 5));
    const CliRun list = RunCli({"exprfile", "list", file});
    EXPECT_EQ(list.exitCode, 0);
    EXPECT_EQ(list.out, "面积\ta*b/2\nsum\ta+b+c\n");
}

TEST_F(ExprFileCli, RefusedWritesTouchNoFile) {
    const std::string file = Path("list.exp");
    ASSERT_EQ(RunCli({"exprfile", "write", file}, "a\t1\n").exitCode, 0);
    const std::string before = Slurp(file);
    const std::string longName(100, 'n');
    const std::vector<std::pair<std::string, std::string>> refused = {
        {"", "表达式列表中没有表达式可存储\n"},
        {"\n\n", "表达式列表中没有表达式可存储\n"},
        {"no tab here\n", ""},
        {"name\t\n", "请输入表达式\n"},
        {"\tx\n", "请输入表达式名称\n"},
        {longName + "\tx\n", ""},
        {"b\t" + std::string(500, '1') + "\n", ""},
        {"emoji😀\tx\n", ""},
    };
    for (const auto& [input, message] : refused) {
        for (const char* target : {"list.exp", "new.exp"}) {
            const CliRun run = RunCli({"exprfile", "write", Path(target)}, input);
            EXPECT_EQ(run.exitCode, 2) << input;
            EXPECT_EQ(run.out, "");
            if (!message.empty()) {
                EXPECT_EQ(run.err, message);
            } else {
                EXPECT_NE(run.err, "");
            }
        }
        EXPECT_EQ(Slurp(file), before);
        EXPECT_FALSE(fs::exists(Path("new.exp")));
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), {}), 1);
}

TEST_F(ExprFileCli, AWriteThatCannotBeDoneIsRefusedAndTheOldFileStays) {
    const std::string file = Path("list.exp");
    ASSERT_EQ(RunCli({"exprfile", "write", file}, "a\t1\n").exitCode, 0);
    const std::string before = Slurp(file);
    for (const std::string& target : {file + "/list.exp", Path("missing/list.exp")}) {
        const CliRun run = RunCli({"exprfile", "write", target}, "b\t2\n");
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.err, "无法写入表达式文件\n");
    }
    EXPECT_EQ(Slurp(file), before);
}

TEST_F(ExprFileCli, ListRefusesWhatIsNoExpressionFile) {
    {
        std::ofstream(Path("text.txt"), std::ios::binary) << "hello";
        std::ofstream(Path("empty.exp"), std::ios::binary) << std::string("~\0\0", 3);
        std::ofstream(Path("short.exp"), std::ios::binary) << std::string("~\x01\0abc", 6);
    }
    const CliRun text = RunCli({"exprfile", "list", Path("text.txt")});
    EXPECT_EQ(text.exitCode, 2);
    EXPECT_EQ(text.err, "您打开的不是表达式文件\n");
    const CliRun empty = RunCli({"exprfile", "list", Path("empty.exp")});
    EXPECT_EQ(empty.exitCode, 0);
    EXPECT_EQ(empty.out, "");
    const CliRun shortFile = RunCli({"exprfile", "list", Path("short.exp")});
    EXPECT_EQ(shortFile.exitCode, 2);
    EXPECT_EQ(shortFile.out, "");
    EXPECT_NE(shortFile.err, "");
    const CliRun missing = RunCli({"exprfile", "list", Path("missing.exp")});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_NE(missing.err, "");
}

}  // namespace
}  // namespace zentova::testing
