#include "exprtools/expression_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "exprtools/expression_tools.h"
#include "support/table.h"

namespace zentova {
namespace {

namespace fs = std::filesystem;

std::string Record(std::string_view nameGbk, std::string_view expressionGbk) {
    std::string record(kExpressionRecordSize, '\0');
    record.replace(0, nameGbk.size(), nameGbk);
    record.replace(kExpressionNameField, expressionGbk.size(), expressionGbk);
    return record;
}

std::string Header(unsigned count) {
    return std::string("~") + static_cast<char>(count & 0xFF) + static_cast<char>(count >> 8);
}

TEST(EncodeExpressionFile, TwoExpressionsMakeTheKnownBytes) {
    const std::vector<ExpressionItem> items = {{"面积", "a*b/2"}, {"sum", "a+b+c"}};
    const EncodedExpressionFile file = EncodeExpressionFile(items);
    ASSERT_EQ(file.problem, "");
    ASSERT_EQ(file.bytes.size(), 1203u);
    EXPECT_EQ(file.bytes.substr(0, 3), std::string("\x7E\x02\x00", 3));
    // 面积 in GBK, then zeros to the end of the field.
    EXPECT_EQ(file.bytes, Header(2) + Record("\xC3\xE6\xBB\xFD", "a*b/2") + Record("sum", "a+b+c"));
}

TEST(EncodeExpressionFile, CountIsLittleEndian) {
    std::vector<ExpressionItem> items(300, ExpressionItem{"n", "x"});
    const EncodedExpressionFile file = EncodeExpressionFile(items);
    ASSERT_EQ(file.problem, "");
    EXPECT_EQ(static_cast<unsigned char>(file.bytes[1]), 300 % 256);
    EXPECT_EQ(static_cast<unsigned char>(file.bytes[2]), 1);
}

struct EncodeRefusal {
    const char* name;
    std::vector<ExpressionItem> items;
    std::string expected;
};

void PrintTo(const EncodeRefusal& c, std::ostream* os) {
    *os << c.name;
}

class EncodeRefusals : public ::testing::TestWithParam<EncodeRefusal> {};

TEST_P(EncodeRefusals, RefuseWithAClearMessage) {
    const EncodedExpressionFile file = EncodeExpressionFile(GetParam().items);
    EXPECT_EQ(file.problem, GetParam().expected);
    EXPECT_EQ(file.bytes, "");
}

std::string Item2(std::string_view problem) {
    return "第 2 项：" + std::string(problem);
}

INSTANTIATE_TEST_SUITE_P(
    Items, EncodeRefusals,
    ::testing::Values(
        EncodeRefusal{"EmptyList", {}, std::string(msg::kNoExpressionToSave)},
        EncodeRefusal{
            "Name100Bytes", {{"a", "1"}, {std::string(100, 'n'), "1"}}, Item2(msg::kNameTooLong)},
        // 50 Chinese characters are 150 bytes of UTF-8 but 100 of GBK.
        EncodeRefusal{"Name100GbkBytes",
                      {{"a", "1"},
                       {std::string(50 * 3, 'x')
                            .replace(0, 150,
                                     [] {
                                         std::string s;
                                         for (int i = 0; i < 50; ++i)
                                             s += "面";
                                         return s;
                                     }()),
                        "1"}},
                      Item2(msg::kNameTooLong)},
        EncodeRefusal{"Expression500Bytes",
                      {{"a", "1"}, {"b", std::string(500, '1')}},
                      Item2(msg::kExpressionTooLongForFile)},
        EncodeRefusal{"NoGbkForm", {{"a", "1"}, {"😀", "1"}}, Item2(msg::kNotGbkText)},
        EncodeRefusal{"InvalidUtf8", {{"a", "1"}, {"b", "\xFF"}}, Item2(msg::kNotGbkText)},
        EncodeRefusal{
            "ZeroByte", {{"a", "1"}, {std::string("b\0c", 3), "1"}}, Item2(msg::kZeroByteInItem)},
        EncodeRefusal{"TooMany", std::vector<ExpressionItem>(65536, ExpressionItem{"n", "x"}),
                      std::string(msg::kTooManyExpressions)}),
    testing::RowName());

TEST(EncodeExpressionFile, LongestFittingTextsAreKept) {
    std::string name;
    for (int i = 0; i < 49; ++i)
        name += "面";  // 98 GBK bytes
    name += "x";       // 99
    const std::vector<ExpressionItem> items = {{name, std::string(499, '1')}};
    const EncodedExpressionFile file = EncodeExpressionFile(items);
    ASSERT_EQ(file.problem, "");
    const ExpressionFileContent back = DecodeExpressionFile(file.bytes);
    ASSERT_EQ(back.problem, "");
    EXPECT_EQ(back.items, items);
}

struct DecodeCase {
    const char* name;
    std::string bytes;
    std::string_view problem;
};

void PrintTo(const DecodeCase& c, std::ostream* os) {
    *os << c.name;
}

class DecodeRefusals : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeRefusals, NeverTrustTheFile) {
    const ExpressionFileContent content = DecodeExpressionFile(GetParam().bytes);
    EXPECT_EQ(content.problem, GetParam().problem);
    EXPECT_TRUE(content.items.empty());
}

std::string Unterminated(std::size_t at) {
    std::string record = Record("n", "e");
    for (std::size_t i = 0; i < (at == 0 ? kExpressionNameField : kExpressionTextField); ++i) {
        record[at + i] = 'z';
    }
    return record;
}

INSTANTIATE_TEST_SUITE_P(
    Files, DecodeRefusals,
    ::testing::Values(
        DecodeCase{"Empty", "", msg::kNotExpressionFile},
        DecodeCase{"WrongMark", "!" + Header(0).substr(1), msg::kNotExpressionFile},
        DecodeCase{"MarkOnly", "~", msg::kExpressionFileDamaged},
        DecodeCase{"HalfACount", "~\x01", msg::kExpressionFileDamaged},
        DecodeCase{"Truncated", Header(2) + Record("a", "1") + Record("b", "2").substr(0, 599),
                   msg::kExpressionFileDamaged},
        DecodeCase{"TooLong", Header(1) + Record("a", "1") + "x", msg::kExpressionFileDamaged},
        DecodeCase{"CountTooHigh", Header(3) + Record("a", "1"), msg::kExpressionFileDamaged},
        DecodeCase{"NameWithoutZero", Header(1) + Unterminated(0), msg::kExpressionFileDamaged},
        DecodeCase{"ExpressionWithoutZero", Header(1) + Unterminated(kExpressionNameField),
                   msg::kExpressionFileDamaged},
        DecodeCase{"InvalidGbkByte", Header(1) + Record("\x81", "1"), msg::kExpressionFileBadText},
        DecodeCase{"InvalidGbkPair", Header(1) + Record("a", "\xC3\x20"),
                   msg::kExpressionFileBadText}),
    testing::RowName());

TEST(DecodeExpressionFile, ReadsFieldsUpToTheirFirstZero) {
    std::string record = Record("\xC3\xE6\xBB\xFD", "a+b");
    record[10] = 'x';   // after the name's zero: carries nothing
    record[200] = 'y';  // after the expression's zero
    const ExpressionFileContent content = DecodeExpressionFile(Header(1) + record);
    ASSERT_EQ(content.problem, "");
    ASSERT_EQ(content.items.size(), 1u);
    EXPECT_EQ(content.items[0].name, "面积");
    EXPECT_EQ(content.items[0].expression, "a+b");
}

TEST(DecodeExpressionFile, NoItemsIsAnEmptyList) {
    const ExpressionFileContent content = DecodeExpressionFile(Header(0));
    EXPECT_EQ(content.problem, "");
    EXPECT_TRUE(content.items.empty());
}

// Random lists of names and expressions with Chinese, Latin and symbol
// characters survive writing and reading unchanged.
TEST(ExpressionFile, RandomListsRoundTrip) {
    const std::vector<std::string> pieces = {"a", "Z", "9",  "+", "*", "(", "面", "积",
                                             "π", "°", "，", "·", " ", "~", "\t"};
    std::mt19937 random(600);
    std::uniform_int_distribution<std::size_t> piece(0, pieces.size() - 1);
    std::uniform_int_distribution<int> length(1, 30);
    std::uniform_int_distribution<int> count(1, 40);
    for (int round = 0; round < 300; ++round) {
        std::vector<ExpressionItem> items(static_cast<std::size_t>(count(random)));
        for (ExpressionItem& item : items) {
            for (int i = length(random); i > 0; --i)
                item.name += pieces[piece(random)];
            for (int i = length(random) * 4; i > 0; --i)
                item.expression += pieces[piece(random)];
        }
        const EncodedExpressionFile file = EncodeExpressionFile(items);
        ASSERT_EQ(file.problem, "");
        ASSERT_EQ(file.bytes.size(), 3 + 600 * items.size());
        const ExpressionFileContent back = DecodeExpressionFile(file.bytes);
        ASSERT_EQ(back.problem, "");
        ASSERT_EQ(back.items, items) << "round " << round;
    }
}

class ExpressionFileOnDisk : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string templ = (fs::temp_directory_path() / "zentova-exprfile-XXXXXX").string();
        ASSERT_NE(::mkdtemp(templ.data()), nullptr);
        folder_ = templ;
    }
    void TearDown() override { fs::remove_all(folder_); }

    static std::string Slurp(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::size_t FilesInFolder() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder_), {}));
    }

    fs::path folder_;
};

TEST_F(ExpressionFileOnDisk, WritesAndReadsBack) {
    const std::vector<ExpressionItem> items = {{"面积", "a*b/2"}, {"sum", "a+b+c"}};
    const std::string path = (folder_ / "list.exp").string();
    ASSERT_EQ(WriteExpressionFile(path, items), "");
    EXPECT_EQ(Slurp(path).size(), 1203u);
    const ExpressionFileContent content = ReadExpressionFile(path);
    ASSERT_EQ(content.problem, "");
    EXPECT_EQ(content.items, items);
    EXPECT_EQ(FilesInFolder(), 1u);  // no temporary file is left behind
}

TEST_F(ExpressionFileOnDisk, ARefusedWriteChangesNothing) {
    const std::string path = (folder_ / "list.exp").string();
    ASSERT_EQ(WriteExpressionFile(path, std::vector<ExpressionItem>{{"a", "1"}}), "");
    const std::string before = Slurp(path);
    const std::vector<ExpressionItem> tooLong = {{"b", std::string(600, '2')}};
    EXPECT_NE(WriteExpressionFile(path, tooLong), "");
    EXPECT_EQ(Slurp(path), before);
    EXPECT_NE(WriteExpressionFile((folder_ / "new.exp").string(), tooLong), "");
    EXPECT_FALSE(fs::exists(folder_ / "new.exp"));
    EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(ExpressionFileOnDisk, OverwritesAnExistingFileWhole) {
    const std::string path = (folder_ / "list.exp").string();
    ASSERT_EQ(WriteExpressionFile(path, std::vector<ExpressionItem>(5, {"a", "1"})), "");
    ASSERT_EQ(WriteExpressionFile(path, std::vector<ExpressionItem>{{"b", "2"}}), "");
    EXPECT_EQ(Slurp(path).size(), 603u);
    EXPECT_EQ(ReadExpressionFile(path).items, (std::vector<ExpressionItem>{{"b", "2"}}));
}

TEST_F(ExpressionFileOnDisk, FailuresAreReported) {
    EXPECT_EQ(ReadExpressionFile((folder_ / "missing").string()).problem,
              msg::kExpressionFileUnreadable);
    EXPECT_EQ(ReadExpressionFile(folder_.string()).problem, msg::kExpressionFileUnreadable);
    const std::vector<ExpressionItem> items = {{"a", "1"}};
    EXPECT_EQ(WriteExpressionFile((folder_ / "no" / "such.exp").string(), items),
              msg::kExpressionFileUnwritable);
    // A folder in the way: the rename fails and the temporary file goes.
    fs::create_directory(folder_ / "taken");
    EXPECT_EQ(WriteExpressionFile((folder_ / "taken").string(), items),
              msg::kExpressionFileUnwritable);
    EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(ExpressionFileOnDisk, AVeryLongFileIsRefusedWithoutReadingItAll) {
    const fs::path path = folder_ / "big";
    {
        std::ofstream out(path, std::ios::binary);
        out << '~' << '\xFF' << '\xFF';
        const std::string block(1 << 20, 'x');
        for (int i = 0; i < 45; ++i)
            out << block;
    }
    EXPECT_EQ(ReadExpressionFile(path.string()).problem, msg::kExpressionFileDamaged);
}

TEST(ExpressionItemProblem, ChecksTheExpressionBeforeTheName) {
    EXPECT_EQ(ExpressionItemProblem({"", ""}), msg::kEnterExpression);
    EXPECT_EQ(ExpressionItemProblem({"n", ""}), msg::kEnterExpression);
    EXPECT_EQ(ExpressionItemProblem({"", "x"}), msg::kEnterExpressionName);
    EXPECT_EQ(ExpressionItemProblem({"n", "x"}), "");
}

// The dialog's check is the file's: what it lets through, saving keeps.
TEST(ExpressionItemFitProblem, AgreesWithTheEncoder) {
    for (const ExpressionItem& item : std::vector<ExpressionItem>{
             {std::string(99, 'n'), std::string(499, '1')}, {std::string(100, 'n'), "1"}}) {
        const std::string problem(ExpressionItemFitProblem(item));
        EXPECT_EQ(EncodeExpressionFile(std::vector{item}).problem,
                  problem.empty() ? "" : "第 1 项：" + problem);
    }
}

// A name without a dot gets the type's suffix; the folder's dots do not count.
// (Which lists count as unsaved, the page's test shows.)
TEST(WithExpressionFileSuffix, AddsOnlyWhereTheNameHasNone) {
    const std::pair<const char*, const char*> kNames[] = {
        {"list", "list.zexp"},    {"a.d/list", "a.d/list.zexp"},
        {"list.exp", "list.exp"}, {"/tmp/公式.zexp", "/tmp/公式.zexp"},
        {".hidden", ".hidden"},   {"folder/", "folder/"},
    };
    for (const auto& [path, saved] : kNames)
        EXPECT_EQ(WithExpressionFileSuffix(path), saved) << path;
}

}  // namespace
}  // namespace zentova
