#include "pages/matrix_page.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QSignalBlocker>
#include <array>

#include "kit/desktop.h"
#include "kit/pictures.h"

namespace zentova {
namespace {

using K = ControlKind;

// The matrix text: bold Arial in a 20-pixel cell, 8 pixels a character.
constexpr FontSpec kMatrixFont = ArialFont(20, 8);

// Labels come before the boxes they name, and the group frame before the
// controls inside it, so that it lies beneath them and leaves them the mouse;
// none of these takes the focus, so the tab order is that of the boxes and
// buttons alone.
// One-line boxes are 12 units high, not 9: the stand-in for the 9-point Song
// face needs 17 pixels a line, and 9 units cut the text's foot off.
constexpr std::array<ControlRow, 26> kControls{{
    {matrix_id::kPrompt, K::Label, "matrixPromptLabel", "请在下面的编辑框中输入矩阵", 7, 8, 105, 8},
    ControlRow{matrix_id::kText, K::MultiLineEdit, "matrixTextBox", "", 7, 23, 253, 135}
        .WithName("矩阵")
        .WithFont(kMatrixFont)
        .WithOptions(option::kWrap),
    {matrix_id::kNameLabel, K::Label, "matrixNameLabel", "名称：", 265, 9, 25, 8},
    {matrix_id::kName, K::Edit, "matrixNameBox", "", 281, 20, 105, 12},
    {matrix_id::kSizeLabel, K::Label, "matrixSizeLabel", "尺寸：", 265, 40, 25, 8},
    ControlRow{matrix_id::kRows, K::DigitsEdit, "matrixRowsBox", "", 295, 51, 28, 12}.WithName(
        "行数"),
    {matrix_id::kTimesLabel, K::Label, "matrixTimesLabel", "x", 333, 52, 8, 8},
    ControlRow{matrix_id::kCols, K::DigitsEdit, "matrixColsBox", "", 345, 51, 28, 12}.WithName(
        "列数"),
    {matrix_id::kAdd, K::PushButton, "matrixAddButton", "添加(&A)", 288, 67, 89, 30},
    {matrix_id::kDelete, K::PushButton, "matrixDeleteButton", "删除(&D)", 288, 98, 89, 30},
    {matrix_id::kAutoFormat, K::Check, "matrixAutoFormatCheck", "自动转换格式", 302, 132, 64, 10},
    // Two units higher than the line of the controls above it would put it:
    // the closed box is as high as a line of the page font and would
    // otherwise reach into the operations' group frame below.
    ControlRow{matrix_id::kCurrent, K::Combo, "matrixCurrentCombo", "", 281, 144, 105, 107}
        .WithName("当前矩阵"),
    {matrix_id::kOperationsGroup, K::Group, "matrixOperationsGroup", "矩阵运算", 7, 162, 379, 82},
    {matrix_id::kBinaryLabel, K::Label, "matrixBinaryLabel", "双目运算：", 13, 173, 41, 8},
    ControlRow{matrix_id::kFirst, K::Combo, "matrixFirstCombo", "", 12, 184, 105, 107}.WithName(
        "第一个运算矩阵"),
    ControlRow{matrix_id::kSecond, K::Combo, "matrixSecondCombo", "", 276, 184, 105, 107}.WithName(
        "第二个运算矩阵"),
    ControlRow{matrix_id::kPlus, K::PushButton, "matrixPlusButton", "+", 120, 184, 50, 14}.WithName(
        "相加"),
    ControlRow{matrix_id::kMinus, K::PushButton, "matrixMinusButton", "-", 171, 184, 50, 14}
        .WithName("相减"),
    ControlRow{matrix_id::kTimes, K::PushButton, "matrixTimesButton", "x", 222, 184, 50, 14}
        .WithName("相乘"),
    {matrix_id::kUnaryLabel, K::Label, "matrixUnaryLabel", "单目运算：", 13, 207, 41, 8},
    ControlRow{matrix_id::kUnary, K::Combo, "matrixUnaryCombo", "", 12, 219, 105, 107}.WithName(
        "单目运算矩阵"),
    {matrix_id::kInvert, K::PushButton, "matrixInvertButton", "求逆", 120, 219, 50, 14},
    {matrix_id::kEchelon, K::PushButton, "matrixEchelonButton", "化为梯阵", 171, 219, 50, 14},
    {matrix_id::kRankLabel, K::Label, "matrixRankLabel", "矩阵的秩", 225, 222, 33, 8},
    {matrix_id::kRank, K::ReadOnlyEdit, "matrixRankBox", "", 259, 220, 61, 12},
    // Enter that reaches the page's dialog path lands here and does nothing.
    ControlRow{matrix_id::kDefaultButton, K::PushButton, "matrixDefaultButton", "Button1", 343, 1,
               50, 14}
        .WithOptions(option::kDefault | option::kHidden),
}};

constexpr std::array<std::pair<int, OperandList>, 3> kOperandCombos{{
    {matrix_id::kFirst, OperandList::First},
    {matrix_id::kSecond, OperandList::Second},
    {matrix_id::kUnary, OperandList::Unary},
}};

constexpr std::array<std::pair<int, MatrixOpKind>, 5> kOperationButtons{{
    {matrix_id::kPlus, MatrixOpKind::OpAdd},
    {matrix_id::kMinus, MatrixOpKind::OpSubtract},
    {matrix_id::kTimes, MatrixOpKind::OpMultiply},
    {matrix_id::kInvert, MatrixOpKind::OpInverse},
    {matrix_id::kEchelon, MatrixOpKind::OpEchelon},
}};

}  // namespace

CMatrixPage::CMatrixPage(CDesktop& desktop, QWidget* parent)
    : CPageBase(desktop, parent, picture::kPageBackground) {
    CreateControls(kControls);
    // As in a dialog: a focused button is pressed, the matrix box starts a new
    // line, and everywhere else the invisible default button takes it.
    RouteOtherEnter(EnterRule::DialogPath);

    auto onClick = [this](int id, auto handler) {
        connect(ControlAs<QAbstractButton>(id), &QAbstractButton::clicked, this, handler);
    };
    onClick(matrix_id::kAdd, [this] { Add(); });
    onClick(matrix_id::kDelete, [this] { Delete(); });
    for (const auto& [id, kind] : kOperationButtons) {
        const MatrixOpKind operation = kind;
        onClick(id, [this, operation] { Operate(operation); });
    }
    // Only the person's choice selects: the lists the handlers set stay quiet.
    // The operand lists are read when an operation or a list action starts.
    connect(Combo(matrix_id::kCurrent), &QComboBox::activated, this,
            [this](int index) { Select(index); });
    ShowLists();
    WriteBoxes();
}

QComboBox* CMatrixPage::Combo(int id) const {
    return ControlAs<QComboBox>(id);
}

bool CMatrixPage::ReadBoxes() {
    MatrixEditor& editor = workbench_.editor();
    // The texts are read first, so that writing the editor back never puts
    // older texts over what was just typed. A size box without an integer
    // prompts, keeps its last value and stops the reading of numbers; the
    // caller then stops too, so that no matrix is stored with a size other
    // than the one on show. The rank box only shows what the echelon form
    // found; it is never read.
    editor.text = ReadText(matrix_id::kText).toStdString();
    editor.name = ReadText(matrix_id::kName).toStdString();
    editor.autoFormat = ControlAs<QCheckBox>(matrix_id::kAutoFormat)->isChecked();
    ReadOperands();
    return ReadInt(matrix_id::kCols, editor.cols) && ReadInt(matrix_id::kRows, editor.rows);
}

void CMatrixPage::ReadOperands() {
    for (const auto& [id, list] : kOperandCombos)
        workbench_.SelectOperand(list, Combo(id)->currentIndex());
}

void CMatrixPage::WriteBoxes() {
    const MatrixEditor& editor = workbench_.editor();
    WriteInt(matrix_id::kCols, editor.cols);
    WriteInt(matrix_id::kRows, editor.rows);
    WriteText(matrix_id::kText, CoreText(editor.text));
    WriteText(matrix_id::kName, CoreText(editor.name));
    ControlAs<QCheckBox>(matrix_id::kAutoFormat)->setChecked(editor.autoFormat);
    WriteInt(matrix_id::kRank, editor.rank);
}

void CMatrixPage::ShowLists() {
    QStringList names;
    for (const MatrixEntry& entry : workbench_.entries())
        names << CoreText(entry.name);
    const std::array<std::pair<int, int>, 4> kSelections{{
        {matrix_id::kCurrent, workbench_.current()},
        {matrix_id::kFirst, workbench_.operand(OperandList::First)},
        {matrix_id::kSecond, workbench_.operand(OperandList::Second)},
        {matrix_id::kUnary, workbench_.operand(OperandList::Unary)},
    }};
    for (const auto& [id, selected] : kSelections) {
        QComboBox* combo = Combo(id);
        const QSignalBlocker quiet(combo);
        QStringList shown;
        for (int i = 0; i < combo->count(); ++i)
            shown << combo->itemText(i);
        if (shown != names) {
            combo->clear();
            combo->addItems(names);
        }
        // Filling an empty list selects its first item; the model decides.
        combo->setCurrentIndex(selected);
    }
}

void CMatrixPage::Finish(const WorkbenchAnswer& answer) {
    ShowOutcome(answer.outcome);
    ShowLists();
    if (answer.writeBack) WriteBoxes();
}

bool CMatrixPage::AskYesNo(std::string_view question) {
    return Desktop().Ask(this, QString(), CoreText(question));
}

void CMatrixPage::Add() {
    if (!ReadBoxes()) return;
    Finish(workbench_.Add([this](std::string_view question) { return AskYesNo(question); }));
}

void CMatrixPage::Delete() {
    if (!ReadBoxes()) return;
    Finish(workbench_.Delete([this](std::string_view question) { return AskYesNo(question); }));
}

void CMatrixPage::Select(int index) {
    // Picking the item already shown changes nothing, so typing is kept.
    if (index == workbench_.current()) return;
    // Whatever the size boxes hold, the pick replaces the editor.
    ReadBoxes();
    Finish(workbench_.Select(index));
}

void CMatrixPage::Operate(MatrixOpKind kind) {
    // The operations take the stored matrices and never read the editor boxes.
    ReadOperands();
    Finish(workbench_.Operate(kind));
}

}  // namespace zentova
