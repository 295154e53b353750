#include "pages/custom_expr_page.h"

#include <QAbstractButton>
#include <QFile>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <array>
#include <string>

#include "expr/function_of_x.h"
#include "exprtools/expression_tools.h"
#include "kit/desktop.h"
#include "kit/pictures.h"
#include "pages/expr_name_dlg.h"

namespace zentova {
namespace {

using K = ControlKind;
namespace id = custom_id;

constexpr ListColumn kColumns[] = {{"名称", 150}, {"表达式", 390}};

// Bold Arial in a 30-pixel cell, 10 pixels a character.
constexpr FontSpec kResultFont = ArialFont(30, 10);

constexpr char kNote[] =
    "注意：表达式中的变量一律用一个小写字母（比如a,b,c...）表示，输入参数时，请按参数的字母顺序"
    "依次输入（即先输入参数a的值，再输入参数b的值……），参数之间用逗号、或空格隔开。";

// The five list buttons stand in a row under the list's right end.
constexpr int kButtonTop = 116;
constexpr int kButtonWidth = 44;
constexpr int ButtonX(int index) {
    return 386 - (5 - index) * (kButtonWidth + 4) + 4;
}

constexpr std::array<ControlRow, 13> kControls{{
    ControlRow{id::kList, K::ListView, "exprList", "", 6, 6, 380, 106}
        .WithName("表达式列表")
        .WithColumns(kColumns),
    {id::kAdd, K::PushButton, "exprAddButton", "添加(&A)", ButtonX(0), kButtonTop, kButtonWidth,
     14},
    {id::kModify, K::PushButton, "exprModifyButton", "修改(&E)", ButtonX(1), kButtonTop,
     kButtonWidth, 14},
    {id::kDelete, K::PushButton, "exprDeleteButton", "删除(&D)", ButtonX(2), kButtonTop,
     kButtonWidth, 14},
    {id::kOpen, K::PushButton, "exprOpenButton", "打开(&O)", ButtonX(3), kButtonTop, kButtonWidth,
     14},
    {id::kSave, K::PushButton, "exprSaveButton", "保存(&S)", ButtonX(4), kButtonTop, kButtonWidth,
     14},
    {id::kNameLabel, K::Label, "exprNameBoxLabel", "当前表达式", 6, 140, 44, 8},
    ControlRow{id::kNameBox, K::ReadOnlyMultiLine, "exprNameBox", "", 52, 134, 334, 20}.WithOptions(
        option::kWrap),
    {id::kParameterLabel, K::Label, "exprParameterLabel", "参数输入", 6, 162, 44, 8},
    {id::kParameters, K::Edit, "exprParameterBox", "", 52, 159, 270, 14},
    {id::kCompute, K::PushButton, "exprComputeButton", "计算(&C)", 328, 158, 58, 16},
    ControlRow{id::kResult, K::ReadOnlyEdit, "exprResultBox", "", 6, 178, 380, 25}
        .WithName("计算结果")
        .WithFont(kResultFont),
    ControlRow{id::kNote, K::Label, "exprNoteLabel", kNote, 6, 208, 380, 40}.WithOptions(
        option::kWrap),
}};

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), std::ssize(text));
}

QTreeWidgetItem* MakeRow(const ExpressionItem& item) {
    return new QTreeWidgetItem(QStringList{FromUtf8(item.name), FromUtf8(item.expression)});
}

}  // namespace

CCustomExprPage::CCustomExprPage(CDesktop& desktop, QWidget* parent)
    : CPageBase(desktop, parent, picture::kPageBackground) {
    CreateControls(kControls);
    // Enter computes from the parameter box; everywhere else it does nothing.
    RouteEnter({id::kParameters}, ClickButton(id::kCompute));

    const std::pair<int, void (CCustomExprPage::*)()> kCommands[] = {
        {id::kAdd, &CCustomExprPage::Add},       {id::kModify, &CCustomExprPage::Modify},
        {id::kDelete, &CCustomExprPage::Delete}, {id::kOpen, &CCustomExprPage::Open},
        {id::kSave, &CCustomExprPage::Save},     {id::kCompute, &CCustomExprPage::Compute},
    };
    for (const auto& [button, command] : kCommands) {
        connect(ControlAs<QAbstractButton>(button), &QAbstractButton::clicked, this, command);
    }
    connect(List(), &QTreeWidget::itemSelectionChanged, this, &CCustomExprPage::Remember);
}

QTreeWidget* CCustomExprPage::List() const {
    return ControlAs<QTreeWidget>(id::kList);
}

bool CCustomExprPage::Chosen() const {
    return remembered_ >= 0 && static_cast<std::size_t>(remembered_) < items_.size();
}

void CCustomExprPage::Remember() {
    const QList<QTreeWidgetItem*> selected = List()->selectedItems();
    remembered_ = selected.isEmpty() ? -1 : List()->indexOfTopLevelItem(selected.first());
    if (!Chosen()) remembered_ = -1;
    WriteText(id::kNameBox,
              Chosen() ? FromUtf8(items_[static_cast<std::size_t>(remembered_)].name) : QString());
}

void CCustomExprPage::ShowItems() {
    const QSignalBlocker blocker(List());
    List()->clear();
    QList<QTreeWidgetItem*> rows;
    rows.reserve(static_cast<qsizetype>(items_.size()));
    for (const ExpressionItem& item : items_)
        rows.append(MakeRow(item));
    List()->addTopLevelItems(rows);
}

void CCustomExprPage::Add() {
    CExprNameDlg dialog(Desktop(), this);
    if (!dialog.ShowModal()) return;
    items_.insert(items_.begin(), {dialog.Name().toStdString(), dialog.Expression().toStdString()});
    {
        const QSignalBlocker blocker(List());
        List()->insertTopLevelItem(0, MakeRow(items_.front()));
    }
    // The selection moved down with its expression; the remembered index follows.
    Remember();
}

void CCustomExprPage::Modify() {
    if (const std::string_view problem = ModifyExpressionProblem(items_.size(), Chosen());
        !problem.empty()) {
        Desktop().Inform(this, FromUtf8(problem));
        return;
    }
    const std::size_t row = static_cast<std::size_t>(remembered_);
    CExprNameDlg dialog(Desktop(), this);
    dialog.SetName(FromUtf8(items_[row].name));
    dialog.SetExpression(FromUtf8(items_[row].expression));
    if (!dialog.ShowModal()) return;
    items_[row] = {dialog.Name().toStdString(), dialog.Expression().toStdString()};
    QTreeWidgetItem* shown = List()->topLevelItem(remembered_);
    shown->setText(0, dialog.Name());
    shown->setText(1, dialog.Expression());
    // The name box shows the changed name at once rather than a name that is gone.
    Remember();
}

void CCustomExprPage::Delete() {
    if (const std::string_view problem = DeleteExpressionProblem(items_.size(), Chosen());
        !problem.empty()) {
        Desktop().Inform(this, FromUtf8(problem));
        return;
    }
    if (!Desktop().Ask(this, FromUtf8(msg::kConfirmDeleteCaption), FromUtf8(msg::kConfirmDelete))) {
        return;
    }
    const int row = remembered_;
    items_.erase(items_.begin() + row);
    {
        const QSignalBlocker blocker(List());
        delete List()->takeTopLevelItem(row);
        List()->clearSelection();
    }
    Remember();
    WriteText(id::kResult, QString());
}

void CCustomExprPage::Open() {
    const QString path = Desktop().ChooseFileToOpen(this);
    if (path.isEmpty()) return;
    ExpressionFileContent content = ReadExpressionFile(QFile::encodeName(path).toStdString());
    if (!content.problem.empty()) {
        Desktop().Inform(this, FromUtf8(content.problem));
        return;
    }
    items_ = std::move(content.items);
    // The remembered index would name an expression of the old list.
    ShowItems();
    Remember();
}

void CCustomExprPage::Save() {
    // Everything that would refuse the list is said before a file is chosen.
    if (const EncodedExpressionFile encoded = EncodeExpressionFile(items_);
        !encoded.problem.empty()) {
        Desktop().Inform(this, FromUtf8(encoded.problem));
        return;
    }
    const QString path = Desktop().ChooseFileToSave(this);
    if (path.isEmpty()) return;
    if (const std::string problem =
            WriteExpressionFile(QFile::encodeName(path).toStdString(), items_);
        !problem.empty()) {
        Desktop().Inform(this, FromUtf8(problem));
    }
}

void CCustomExprPage::Compute() {
    const std::string parameters = ReadText(id::kParameters).toStdString();
    if (!Chosen()) {
        Desktop().Inform(this, FromUtf8(msg::kSelectExpression));
        return;
    }
    ShowOutcome(
        ComputeWithParameters(SharedFunction(),
                              items_[static_cast<std::size_t>(remembered_)].expression, parameters),
        id::kResult);
}

}  // namespace zentova
