#include "pages/custom_expr_page.h"

#include <QAbstractButton>
#include <QAbstractTableModel>
#include <QFile>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeView>
#include <algorithm>
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

}  // namespace

// The list's lines read straight from the page's items: a line is made only
// when it is shown or asked for, so that opening 65,535 formulas does not
// stall the window building an object per line.
class CExpressionListModel final : public QAbstractTableModel {
  public:
    CExpressionListModel(std::vector<ExpressionItem>& items, QObject* parent)
        : QAbstractTableModel(parent), items_(items) {}

    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : static_cast<int>(items_.size());
    }
    int columnCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : static_cast<int>(std::size(kColumns));
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= rowCount({}) ||
            (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)) {
            return {};
        }
        const ExpressionItem& item = items_[static_cast<std::size_t>(index.row())];
        return CoreText(index.column() == 0 ? item.name : item.expression);
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
            section >= columnCount({})) {
            return {};
        }
        return CoreText(kColumns[section].caption);
    }

    void InsertFirst(ExpressionItem item) {
        beginInsertRows({}, 0, 0);
        items_.insert(items_.begin(), std::move(item));
        endInsertRows();
    }
    void Change(int row, ExpressionItem item) {
        items_[static_cast<std::size_t>(row)] = std::move(item);
        emit dataChanged(index(row, 0), index(row, columnCount({}) - 1));
    }
    void Remove(int row) {
        beginRemoveRows({}, row, row);
        items_.erase(items_.begin() + row);
        endRemoveRows();
    }
    void Replace(std::vector<ExpressionItem> items) {
        beginResetModel();
        items_ = std::move(items);
        endResetModel();
    }

  private:
    std::vector<ExpressionItem>& items_;
};

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
    // The list's own model replaces the header-only one it was made with; a
    // new model resets the columns to their default widths.
    QTreeView* list = List();
    QAbstractItemModel* header = list->model();
    model_ = new CExpressionListModel(items_, list);
    list->setModel(model_);
    delete header;
    for (int i = 0; i < static_cast<int>(std::size(kColumns)); ++i)
        list->setColumnWidth(i, kColumns[static_cast<std::size_t>(i)].width);
    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CCustomExprPage::Remember);
    list->installEventFilter(this);
}

QTreeView* CCustomExprPage::List() const {
    return ControlAs<QTreeView>(id::kList);
}

bool CCustomExprPage::Chosen() const {
    return remembered_ >= 0 && static_cast<std::size_t>(remembered_) < items_.size();
}

void CCustomExprPage::Remember() {
    const QModelIndexList selected = List()->selectionModel()->selectedRows();
    remembered_ = selected.isEmpty() ? -1 : selected.first().row();
    if (!Chosen()) remembered_ = -1;
    WriteText(id::kNameBox,
              Chosen() ? CoreText(items_[static_cast<std::size_t>(remembered_)].name) : QString());
}

bool CCustomExprPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == List() && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        CopyLines();
        return true;
    }
    return CPageBase::eventFilter(watched, event);
}

void CCustomExprPage::CopyLines() {
    if (items_.empty()) return;
    std::vector<ExpressionItem> lines;
    QModelIndexList selected = List()->selectionModel()->selectedRows();
    std::ranges::sort(selected, {}, &QModelIndex::row);
    for (const QModelIndex& row : selected)
        lines.push_back(items_[static_cast<std::size_t>(row.row())]);
    Desktop().SetClipboardText(CoreText(ExpressionLines(lines.empty() ? items_ : lines)));
}

void CCustomExprPage::Add() {
    CExprNameDlg dialog(Desktop(), this);
    if (!dialog.ShowModal()) return;
    {
        const QSignalBlocker blocker(List()->selectionModel());
        model_->InsertFirst({dialog.Name().toStdString(), dialog.Expression().toStdString()});
    }
    // The selection moved down with its expression; the remembered index follows.
    Remember();
}

void CCustomExprPage::Modify() {
    if (const std::string_view problem = ModifyExpressionProblem(items_.size(), Chosen());
        !problem.empty()) {
        Desktop().Inform(this, CoreText(problem));
        return;
    }
    const std::size_t row = static_cast<std::size_t>(remembered_);
    CExprNameDlg dialog(Desktop(), this);
    dialog.SetName(CoreText(items_[row].name));
    dialog.SetExpression(CoreText(items_[row].expression));
    if (!dialog.ShowModal()) return;
    model_->Change(remembered_, {dialog.Name().toStdString(), dialog.Expression().toStdString()});
    // The name box shows the changed name at once rather than a name that is gone.
    Remember();
}

void CCustomExprPage::Delete() {
    if (const std::string_view problem = DeleteExpressionProblem(items_.size(), Chosen());
        !problem.empty()) {
        Desktop().Inform(this, CoreText(problem));
        return;
    }
    if (!Desktop().Ask(this, CoreText(msg::kConfirmDeleteCaption), CoreText(msg::kConfirmDelete))) {
        return;
    }
    {
        const QSignalBlocker blocker(List()->selectionModel());
        model_->Remove(remembered_);
        List()->clearSelection();
    }
    Remember();
    WriteText(id::kResult, QString());
}

namespace {

FileTypes ExpressionFileTypes() {
    return {CoreText(msg::kExpressionFileTypes), CoreText(kExpressionFileSuffix)};
}

}  // namespace

bool CCustomExprPage::MayClose() {
    if (!HasUnsavedFormulas(items_, saved_)) return true;
    QMessageBox box(QMessageBox::Question, CoreText(kMessageCaption),
                    CoreText(msg::kSaveChangedList),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setObjectName(QStringLiteral("exprSaveChangesBox"));
    box.button(QMessageBox::Save)->setText(CoreText(msg::kSaveButton));
    box.button(QMessageBox::Discard)->setText(CoreText(msg::kDiscardButton));
    box.button(QMessageBox::Cancel)->setText(CoreText(msg::kCancelButton));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (Desktop().RunModal(box)) {
        case QMessageBox::Save:
            return SaveList();
        case QMessageBox::Discard:
            return true;
        default:
            return false;
    }
}

void CCustomExprPage::Open() {
    if (!MayClose()) return;
    const QString path = Desktop().ChooseFileToOpen(this, ExpressionFileTypes());
    if (path.isEmpty()) return;
    OpenFile(path);
}

void CCustomExprPage::OpenFile(const QString& path) {
    ExpressionFileContent content = ReadExpressionFile(QFile::encodeName(path).toStdString());
    if (!content.problem.empty()) {
        Desktop().Inform(this, CoreText(content.problem));
        return;
    }
    saved_ = content.items;
    // The remembered index would name an expression of the old list.
    {
        const QSignalBlocker blocker(List()->selectionModel());
        model_->Replace(std::move(content.items));
    }
    Remember();
}

void CCustomExprPage::Save() {
    SaveList();
}

bool CCustomExprPage::SaveList() {
    // Everything that would refuse the list is said before a file is chosen.
    if (const EncodedExpressionFile encoded = EncodeExpressionFile(items_);
        !encoded.problem.empty()) {
        Desktop().Inform(this, CoreText(encoded.problem));
        return false;
    }
    const QString path = Desktop().ChooseFileToSave(this, ExpressionFileTypes());
    if (path.isEmpty()) return false;
    if (const std::string problem = WriteExpressionFile(
            WithExpressionFileSuffix(QFile::encodeName(path).toStdString()), items_);
        !problem.empty()) {
        Desktop().Inform(this, CoreText(problem));
        return false;
    }
    saved_ = items_;
    return true;
}

void CCustomExprPage::Compute() {
    const std::string parameters = ReadText(id::kParameters).toStdString();
    if (!Chosen()) {
        Desktop().Inform(this, CoreText(msg::kSelectExpression));
        return;
    }
    ShowOutcome(
        ComputeWithParameters(SharedFunction(),
                              items_[static_cast<std::size_t>(remembered_)].expression, parameters),
        id::kResult);
}

}  // namespace zentova
