#include "pages/expr_name_dlg.h"

#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <string>

#include "exprtools/expression_file.h"
#include "kit/desktop.h"
#include "kit/page_base.h"
#include "kit/units.h"

namespace zentova {
namespace {

using K = ControlKind;

// The edits take no more characters than the file's fields have bytes; a
// character may need two bytes, which OK checks.
constexpr std::array<ControlRow, 6> kControls{{
    {kNoControlId, K::Label, "exprNameLabel", "表达式名称", 7, 7, 120, 8},
    ControlRow{expr_name_id::kName, K::Edit, "exprNameEdit", "", 7, 17, 226, 14}.WithLimit(
        static_cast<int>(kExpressionNameField - 1)),
    {kNoControlId, K::Label, "exprTextLabel", "表达式", 7, 37, 120, 8},
    ControlRow{expr_name_id::kExpression, K::Edit, "exprTextEdit", "", 7, 47, 226, 14}.WithLimit(
        static_cast<int>(kExpressionTextField - 1)),
    ControlRow{expr_name_id::kOk, K::PushButton, "exprNameOkButton", "确定", 125, 69, 50, 14}
        .WithOptions(option::kDefault),
    {expr_name_id::kCancel, K::PushButton, "exprNameCancelButton", "取消", 183, 69, 50, 14},
}};

}  // namespace

CExprNameDlg::CExprNameDlg(CDesktop& desktop, QWidget* parent)
    : QDialog(parent), desktop_(desktop) {
    setWindowTitle(QStringLiteral("表达式"));
    setFont(PageFont());
    setFixedSize(DluRect(0, 0, 240, 90).size());
    controls_ = CreateControls(*this, kControls, desktop);
    connect(qobject_cast<QPushButton*>(controls_.value(expr_name_id::kOk)), &QPushButton::clicked,
            this, &CExprNameDlg::OnOk);
    connect(qobject_cast<QPushButton*>(controls_.value(expr_name_id::kCancel)),
            &QPushButton::clicked, this, &QDialog::reject);
}

QLineEdit* CExprNameDlg::Box(int id) const {
    return qobject_cast<QLineEdit*>(controls_.value(id));
}

void CExprNameDlg::SetName(const QString& name) {
    Box(expr_name_id::kName)->setText(name);
}

QString CExprNameDlg::Name() const {
    return Box(expr_name_id::kName)->text();
}

void CExprNameDlg::SetExpression(const QString& expression) {
    Box(expr_name_id::kExpression)->setText(expression);
}

QString CExprNameDlg::Expression() const {
    return Box(expr_name_id::kExpression)->text();
}

bool CExprNameDlg::ShowModal() {
    return desktop_.RunModal(*this) == QDialog::Accepted;
}

void CExprNameDlg::OnOk() {
    const ExpressionItem item{Name().toStdString(), Expression().toStdString()};
    std::string_view problem = ExpressionItemProblem(item);
    // An item that saving would refuse is refused here, where it can be mended.
    if (problem.empty()) problem = ExpressionItemFitProblem(item);
    if (!problem.empty()) {
        desktop_.Inform(this, CoreText(problem));
        return;
    }
    accept();
}

}  // namespace zentova
