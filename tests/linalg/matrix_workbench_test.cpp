#include "linalg/matrix_workbench.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "linalg/linalg_messages.h"
#include "linalg/matrix_text.h"
#include "support/table.h"

namespace zentova {
namespace {

// A handler answers with an Outcome: a value when done, stopped when declined.
using Kind = Outcome::Kind;

const MatrixWorkbench::Ask kYes = [](std::string_view) { return true; };
const MatrixWorkbench::Ask kNo = [](std::string_view) { return false; };

WorkbenchAnswer AddMatrix(MatrixWorkbench& bench, std::string name, int rows, int cols,
                          std::string text, bool autoFormat = false,
                          const MatrixWorkbench::Ask& ask = kYes) {
    MatrixEditor& e = bench.editor();
    e.name = std::move(name);
    e.rows = rows;
    e.cols = cols;
    e.text = std::move(text);
    e.autoFormat = autoFormat;
    return bench.Add(ask);
}

std::vector<std::string> Names(const MatrixWorkbench& bench) {
    std::vector<std::string> names;
    for (const MatrixEntry& entry : bench.entries())
        names.push_back(entry.name);
    return names;
}

struct AddCase {
    const char* name;
    const char* matrixName;
    int rows;
    int cols;
    const char* text;
    bool autoFormat;
    std::string_view message;  // empty: added
    const char* stored;
};

void PrintTo(const AddCase& c, std::ostream* os) {
    *os << c.name;
}

class AddTable : public ::testing::TestWithParam<AddCase> {};

TEST_P(AddTable, ChecksInOrderAndStores) {
    const AddCase& c = GetParam();
    MatrixWorkbench bench;
    const WorkbenchAnswer answer =
        AddMatrix(bench, c.matrixName, c.rows, c.cols, c.text, c.autoFormat);
    if (c.message.empty()) {
        ASSERT_EQ(answer.outcome.kind, Kind::Value);
        EXPECT_TRUE(answer.writeBack);
        ASSERT_EQ(bench.entries().size(), 1u);
        EXPECT_EQ(bench.entries()[0].text, c.stored);
        EXPECT_EQ(bench.editor().text, c.stored);
        EXPECT_EQ(bench.current(), 0);
    } else {
        EXPECT_EQ(answer.outcome.kind, Kind::Refused);
        EXPECT_EQ(answer.outcome.text, c.message);
        EXPECT_FALSE(answer.writeBack);
        EXPECT_TRUE(bench.entries().empty());
        EXPECT_EQ(bench.editor().text, c.stored);  // trimmed by the failed add
    }
}

INSTANTIATE_TEST_SUITE_P(
    Add, AddTable,
    ::testing::Values(
        AddCase{"Trimmed", "A", 2, 2, " \r\n1 2 3 4\t\n", false, "", "1 2 3 4"},
        AddCase{"SevenNumbersKept", "A", 2, 3, "1 2 3 4 5 6 7", false, "", "1 2 3 4 5 6 7"},
        AddCase{"SevenNumbersRelaidOut", "A", 2, 3, "1 2 3 4 5 6 7", true, "",
                "1,2,3,\r\n4,5,6\r\n"},
        AddCase{"FiveOfSix", "A", 2, 3, "1 2 3 4 5", false, msg::kMatrixShapeWrong, "1 2 3 4 5"},
        AddCase{"RowsZero", "A", 0, 3, "1 2 3", false, msg::kMatrixShapeWrong, "1 2 3"},
        AddCase{"BlanksOnly", "A", 2, 2, "  \t ", false, msg::kEnterMatrix, ""},
        AddCase{"EmptyName", "", 1, 1, "5", false, msg::kEnterMatrixName, "5"},
        AddCase{"TextBeforeName", "", 1, 1, "", false, msg::kEnterMatrix, ""},
        AddCase{"TooLarge", "A", 101, 1, "1", false, msg::kMatrixTooLarge, "1"}),
    testing::RowName());

TEST(MatrixWorkbench, SameNameOfOtherCaseAsksAndKeepsTheFirstSpelling) {
    MatrixWorkbench bench;
    ASSERT_EQ(AddMatrix(bench, "A", 2, 2, "1 2 3 4").outcome.kind, Kind::Value);
    std::string asked;
    const auto remember = [&](std::string_view q) {
        asked = q;
        return false;
    };
    EXPECT_EQ(AddMatrix(bench, "a", 1, 1, "9", false, remember).outcome.kind, Kind::Stopped);
    EXPECT_EQ(asked, "矩阵a已存在，是否覆盖？");
    EXPECT_EQ(bench.entries()[0].text, "1 2 3 4");
    ASSERT_EQ(AddMatrix(bench, "a", 1, 2, "7 8 9", true).outcome.kind, Kind::Value);
    ASSERT_EQ(bench.entries().size(), 1u);
    EXPECT_EQ(bench.entries()[0].name, "A");
    EXPECT_EQ(bench.entries()[0].rows, 1);
    EXPECT_EQ(bench.entries()[0].text, "7,8\r\n");
}

TEST(MatrixWorkbench, FullAt999ButOverwriteStillWorks) {
    MatrixWorkbench bench;
    for (int i = 0; i < 999; ++i) {
        // Appended rather than "m" + ...: GCC 12 warns falsely (-Wrestrict) on that.
        std::string name = "m";
        name += std::to_string(i);
        ASSERT_EQ(AddMatrix(bench, name, 1, 1, "1").outcome.kind, Kind::Value);
    }
    const WorkbenchAnswer full = AddMatrix(bench, "new", 1, 1, "2");
    EXPECT_EQ(full.outcome.kind, Kind::Refused);
    EXPECT_EQ(full.outcome.text, msg::kMatrixListFull);
    EXPECT_EQ(AddMatrix(bench, "M5", 1, 1, "3").outcome.kind, Kind::Value);
    EXPECT_EQ(bench.entries()[5].text, "3");
    EXPECT_EQ(bench.entries().size(), 999u);
}

// Each entry's text tells it apart: A holds 1, B 2 and so on (a text that is
// no number, such as the name itself, is refused now instead of reading as 0).
std::string TextOf(const char* name) {
    return std::string(1, static_cast<char>('1' + (name[0] - 'A')));
}

TEST(MatrixWorkbench, DeleteMovesSelectionsAsTheListsDo) {
    MatrixWorkbench bench;
    for (const char* name : {"A", "B", "C", "D"})
        ASSERT_EQ(AddMatrix(bench, name, 1, 1, TextOf(name)).outcome.kind, Kind::Value);
    bench.Select(1);
    for (OperandList list : {OperandList::First, OperandList::Second, OperandList::Unary}) {
        bench.SelectOperand(list, 0);
    }
    std::string asked;
    const auto yes = [&](std::string_view q) {
        asked = q;
        return true;
    };
    ASSERT_EQ(bench.Delete(yes).outcome.kind, Kind::Value);
    EXPECT_EQ(asked, "是否真的要删除当前矩阵？");
    EXPECT_EQ(Names(bench), (std::vector<std::string>{"A", "C", "D"}));
    EXPECT_EQ(bench.current(), 1);
    EXPECT_EQ(bench.editor().name, "C");
    EXPECT_EQ(bench.editor().text, TextOf("C"));
    EXPECT_EQ(bench.operand(OperandList::First), 0);
    bench.Select(2);
    EXPECT_EQ(bench.editor().text, TextOf("D"));

    // An operand on the deleted matrix moves with the rule, one behind it
    // follows its matrix down.
    bench.SelectOperand(OperandList::First, 2);
    bench.SelectOperand(OperandList::Second, 2);
    bench.SelectOperand(OperandList::Unary, MatrixWorkbench::kNoSelection);
    bench.Select(0);
    ASSERT_EQ(bench.Delete(kYes).outcome.kind, Kind::Value);
    EXPECT_EQ(Names(bench), (std::vector<std::string>{"C", "D"}));
    EXPECT_EQ(bench.operand(OperandList::First), 1);
    EXPECT_EQ(bench.operand(OperandList::Unary), MatrixWorkbench::kNoSelection);
    // Deleting the last entry selects the new last one.
    bench.Select(1);
    ASSERT_EQ(bench.Delete(kYes).outcome.kind, Kind::Value);
    EXPECT_EQ(bench.current(), 0);
    EXPECT_EQ(bench.operand(OperandList::Second), 0);
    EXPECT_EQ(bench.editor().name, "C");
}

TEST(MatrixWorkbench, DeletingTheOnlyEntryClearsTheEditor) {
    MatrixWorkbench bench;
    EXPECT_EQ(bench.Delete(kYes).outcome.text, msg::kMatrixListEmpty);
    AddMatrix(bench, "A", 2, 2, "1 2 3 4", false);
    bench.editor().autoFormat = true;
    EXPECT_EQ(bench.Delete(kNo).outcome.kind, Kind::Stopped);
    EXPECT_EQ(bench.entries().size(), 1u);
    ASSERT_EQ(bench.Delete(kYes).outcome.kind, Kind::Value);
    EXPECT_TRUE(bench.entries().empty());
    EXPECT_EQ(bench.current(), MatrixWorkbench::kNoSelection);
    EXPECT_EQ(bench.editor().text, "");
    EXPECT_EQ(bench.editor().name, "");
    EXPECT_EQ(bench.editor().rows, 0);
    EXPECT_TRUE(bench.editor().autoFormat);
    EXPECT_EQ(bench.Delete(kYes).outcome.text, msg::kMatrixListEmpty);
}

TEST(MatrixWorkbench, NewEntryAfterADeleteShowsItsOwnMatrix) {
    MatrixWorkbench bench;
    for (const char* name : {"A", "B", "C"})
        ASSERT_EQ(AddMatrix(bench, name, 1, 1, TextOf(name)).outcome.kind, Kind::Value);
    bench.Select(1);
    bench.Delete(kYes);
    ASSERT_EQ(AddMatrix(bench, "E", 1, 1, TextOf("E")).outcome.kind, Kind::Value);
    bench.Select(0);
    bench.Select(2);
    EXPECT_EQ(bench.editor().name, "E");
    EXPECT_EQ(bench.editor().text, TextOf("E"));
}

struct OperateCase {
    const char* name;
    MatrixOpKind kind;
    int first, second, unary;  // operand selections, -1 for none
    Kind expected;
    std::string_view message;
    bool writeBack;
    const char* editorText;
    const char* editorName;
};

void PrintTo(const OperateCase& c, std::ostream* os) {
    *os << c.name;
}

class OperateTable : public ::testing::TestWithParam<OperateCase> {};

// Entries: 0 = P (2 × 2: 4 7 2 6), 1 = Q (2 × 3), 2 = S (2 × 2 singular).
TEST_P(OperateTable, ChecksSelectionsAndShapes) {
    const OperateCase& c = GetParam();
    MatrixWorkbench bench;
    AddMatrix(bench, "P", 2, 2, "4 7 2 6");
    AddMatrix(bench, "Q", 2, 3, "1 2 3 4 5 6");
    AddMatrix(bench, "S", 2, 2, "1 2 2 4");
    bench.SelectOperand(OperandList::First, c.first);
    bench.SelectOperand(OperandList::Second, c.second);
    bench.SelectOperand(OperandList::Unary, c.unary);
    bench.editor().text = "typed";
    bench.editor().name = "typed";
    const WorkbenchAnswer answer = bench.Operate(c.kind);
    EXPECT_EQ(answer.outcome.kind, c.expected);
    EXPECT_EQ(answer.outcome.text, c.message);
    EXPECT_EQ(answer.writeBack, c.writeBack);
    EXPECT_EQ(bench.editor().text, c.editorText);
    EXPECT_EQ(bench.editor().name, c.editorName);
}

using K = MatrixOpKind;

INSTANTIATE_TEST_SUITE_P(
    Handlers, OperateTable,
    ::testing::Values(OperateCase{"Sum", K::OpAdd, 0, 0, -1, Kind::Value, "", true, "8,14,\r\n4,12",
                                  "Sum"},
                      OperateCase{"Product", K::OpMultiply, 0, 1, -1, Kind::Value, "", true,
                                  "32,43,54,\r\n26,34,42", "Product"},
                      OperateCase{"Inverse", K::OpInverse, -1, -1, 0, Kind::Value, "", true,
                                  "0.6,-0.7,\r\n-0.2,0.4", "R"},
                      OperateCase{"NoSecond", K::OpSubtract, 0, -1, -1, Kind::Refused,
                                  msg::kChooseOperands, false, "typed", "typed"},
                      OperateCase{"SumShape", K::OpAdd, 0, 1, -1, Kind::Refused,
                                  msg::kSameShapeNeeded, true, "typed", "typed"},
                      OperateCase{"ProductShape", K::OpMultiply, 1, 0, -1, Kind::Refused,
                                  msg::kProductShapeWrong, true, "typed", "typed"},
                      OperateCase{"EchelonWithoutSelection", K::OpEchelon, 0, 0, -1, Kind::Refused,
                                  msg::kChooseOperands, true, "typed", "typed"},
                      OperateCase{"InverseWithoutSelection", K::OpInverse, 0, 0, -1, Kind::Refused,
                                  msg::kChooseOperands, false, "typed", "typed"},
                      OperateCase{"InverseNotSquare", K::OpInverse, -1, -1, 1, Kind::Refused,
                                  msg::kOnlySquareInvertible, false, "typed", "typed"},
                      OperateCase{"InverseSingular", K::OpInverse, -1, -1, 2, Kind::Failure,
                                  msg::kNotInvertible, false, "typed", "typed"}),
    testing::RowName());

TEST(MatrixWorkbench, EchelonSetsTheRank) {
    MatrixWorkbench bench;
    AddMatrix(bench, "M", 3, 3, "1 2 3 2 4 6 1 1 1");
    bench.SelectOperand(OperandList::Unary, 0);
    ASSERT_EQ(bench.Operate(K::OpEchelon).outcome.kind, Kind::Value);
    EXPECT_EQ(bench.editor().rank, 2);
    EXPECT_EQ(bench.editor().name, "Echelon");
    EXPECT_EQ(bench.editor().rows, 3);
    EXPECT_EQ(bench.entries().size(), 1u);  // results never enter the list themselves
}

// Results are shown with six digits but stored with all of them, so that a
// result added and used again is the double that was computed.
TEST(MatrixWorkbench, StoredResultsKeepTheirDigits) {
    MatrixWorkbench bench;
    AddMatrix(bench, "T", 2, 2, "3 0 0 7");
    bench.SelectOperand(OperandList::Unary, 0);
    ASSERT_EQ(bench.Operate(K::OpInverse).outcome.kind, Kind::Value);
    EXPECT_EQ(bench.editor().text, "0.333333,0,\r\n0,0.142857");  // shown to six digits
    AddMatrix(bench, "R", 2, 2, "0.333333,0,\n0,0.142857  ");     // the box gives back LF
    EXPECT_EQ(bench.entries()[1].text, "0.3333333333333333,0,\n0,0.14285714285714285");
    bench.SelectOperand(OperandList::First, 0);
    bench.SelectOperand(OperandList::Second, 1);
    ASSERT_EQ(bench.Operate(K::OpMultiply).outcome.kind, Kind::Value);
    AddMatrix(bench, "I", 2, 2, bench.editor().text);
    EXPECT_EQ(bench.entries()[2].text, "1,0,\r\n0,1");  // 0.999999 with six digits stored

    // Reselected and added again, re-laid out, a result keeps its digits; a
    // number changed by hand is stored as typed.
    ASSERT_EQ(bench.Select(1).outcome.kind, Kind::Value);
    AddMatrix(bench, "R2", 2, 2, bench.editor().text, true);
    EXPECT_EQ(bench.entries()[3].text, "0.3333333333333333,0,\r\n0,0.14285714285714285\r\n");
    AddMatrix(bench, "R2", 2, 2, "0.333333 0 0 0.14286");
    EXPECT_EQ(bench.entries()[3].text, "0.333333 0 0 0.14286");
}

}  // namespace
}  // namespace zentova
