// The table's text as saved: the lines the list shows, in a file that is
// either whole or not there, and the numbers the page's questions name.
#include "logic/truth_table_text.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "table_lines.h"

namespace zentova {
namespace {

namespace fs = std::filesystem;

std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

struct Folder {
    fs::path path = fs::temp_directory_path() / ("zentova_table_" + std::to_string(::getpid()));
    Folder() { fs::create_directories(path); }
    ~Folder() { fs::remove_all(path); }
    std::size_t Entries() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(path), {}));
    }
};

// Through a symbolic link to a private file: the file gets the table and
// keeps its permissions, the link stays a link, nothing else is left.
TEST(SavedTable, IsTheListedLinesInPlaceOfTheOldFile) {
    Folder folder;
    const fs::path file = folder.path / "table.txt", link = folder.path / "link.txt";
    std::ofstream(file) << "old";
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink(file, link);
    const std::string formula = "(A>B)^(CvD)";
    ASSERT_EQ(SaveTruthTableText(formula, link.string()).kind, Outcome::Kind::Value);
    std::string expected;
    for (const std::string& line : TableLines(formula))
        expected += line + '\n';
    EXPECT_EQ(Read(file), expected);
    EXPECT_EQ(TruthTableTextBytes(*MakeTruthTable(formula)), expected.size());
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(folder.Entries(), 2u);
}

TEST(SavedTable, StoppedOrFailedLeavesNothing) {
    Folder folder;
    TaskControl stopped;
    stopped.RequestStop();
    const fs::path file = folder.path / "table.txt";
    // A stop is its own kind of outcome now, no longer an empty failure.
    EXPECT_EQ(
        SaveTruthTableText("AvBvCvDvEvFvGvHvIvJvKvLvMvNvOvPvQvRvSvTvU", file.string(), &stopped)
            .kind,
        Outcome::Kind::Stopped);
    EXPECT_EQ(SaveTruthTableText("A", (folder.path / "no" / "t.txt").string()).text,
              msg::kTableUnwritable);
    EXPECT_EQ(SaveTruthTableText("A^", file.string()).text, msg::kFormulaInputError);
    EXPECT_EQ(folder.Entries(), 0u);
}

TEST(SavedTable, QuestionsNameTheNumbers) {
    const std::string all = "AvBvCvDvEvFvGvHvIvJvKvLvMvNvOvPvQvRvSvTvUvVvWvXvYvZ";
    const TruthTableStream table = *MakeTruthTable(all);
    EXPECT_EQ(TruthTableTextBytes(table), 85 + 82 * (std::uint64_t{1} << 26));
    EXPECT_EQ(SaveTableQuestion(table.lineCount() + 1, TruthTableTextBytes(table)),
              "真值表共有 67,108,865 行，保存为文本约 5.5 GB（5,502,926,933 字节），"
              "写入要花一些时间，磁盘上也要有这么多空间。仍要保存吗？");
    EXPECT_TRUE(
        SaveTableQuestion(2097153, 140509249)
            .starts_with("真值表共有 2,097,153 行，保存为文本约 141 MB（140,509,249 字节）"));
    EXPECT_TRUE(TooManyLinesToCopy(50001).starts_with(
        "要复制的 50,001 行太多，无法放到剪贴板上：一次最多复制 50,000 行。"));
}

}  // namespace
}  // namespace zentova
