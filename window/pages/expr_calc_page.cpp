#include "pages/expr_calc_page.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <string>
#include <vector>

#include "exprtools/calculator_keys.h"
#include "exprtools/expression_tools.h"
#include "kit/pictures.h"

namespace zentova {
namespace {

using K = ControlKind;

// The keypad, in dialog units: rows 20 apart, seven columns 54 apart; the
// first row has four narrower and four wider keys, and "=" spans the last
// three rows at the right, beside the angle-mode group.
constexpr int kKeyTop = 106;
constexpr int kRowStep = 20;
constexpr int kKeyHeight = 18;
constexpr int kLeft = 10;
constexpr int kColumnStep = 54;
constexpr int kKeyWidth = 50;

constexpr int Row(int row) {
    return kKeyTop + row * kRowStep;
}
constexpr int Column(int column) {
    return kLeft + column * kColumnStep;
}

// The expression and result boxes: bold Arial in a 26-pixel cell, 10 pixels a
// character.
constexpr FontSpec kBoxFont = ArialFont(26, 10);

ControlRow Key(int id, int x, int y, int width, int height = kKeyHeight) {
    const CalculatorKey& key = *FindCalculatorKey(id);
    return ControlRow{id, K::Key, "key%1", key.caption.data(), x, y, width, height}.WithTip(
        key.tip.data());
}

std::vector<ControlRow> Controls() {
    constexpr unsigned kRight = option::kRightAligned;
    std::vector<ControlRow> rows = {
        ControlRow{calc_id::kExpression, K::Edit, "expressionBox", "", kLeft, 8, 374, 22}
            .WithName(msg::kTipExpressionBox.data())
            .WithTip(msg::kTipExpressionBox.data())
            .WithFont(kBoxFont)
            .WithOptions(kRight)
            .WithLimit(static_cast<int>(kMaxExpressionLength)),
        ControlRow{calc_id::kResult, K::ReadOnlyEdit, "resultBox", "", kLeft, 34, 374, 22}
            .WithName(msg::kTipResultBox.data())
            .WithTip(msg::kTipResultBox.data())
            .WithFont(kBoxFont)
            .WithOptions(kRight),
        ControlRow{calc_id::kHistory, K::List, "historyList", "", kLeft, 60, 374, 40}
            .WithName(msg::kTipHistoryList.data())
            .WithTip(msg::kTipHistoryList.data()),
    };
    constexpr int kFirstRow[] = {1023, 1024, 1025, 1026, 1033, 1034, 1035, 1042};
    for (int i = 0; i < 4; ++i)
        rows.push_back(Key(kFirstRow[i], kLeft + i * 44, Row(0), 40));
    for (int i = 4; i < 8; ++i)
        rows.push_back(Key(kFirstRow[i], 188 + (i - 4) * 50, Row(0), 46));
    constexpr int kRows[6][7] = {
        {1029, 1031, 1032, 1027, 1028, 1030, 1038}, {1016, 1019, 1020, 1018, 1036, 1037, 1022},
        {1008, 1009, 1010, 1015, 1021, 1040, 1039}, {1005, 1006, 1007, 1013, 0, 0, 0},
        {1002, 1003, 1004, 1012, 0, 0, 0},          {1001, 1017, 1014, 1011, 0, 0, 0},
    };
    for (int row = 0; row < 6; ++row) {
        for (int column = 0; column < 7; ++column) {
            const int id = kRows[row][column];
            if (id != 0) rows.push_back(Key(id, Column(column), Row(row + 1), kKeyWidth));
        }
    }
    rows.push_back(Key(kEqualsKeyId, Column(6), Row(4), kKeyWidth, 2 * kRowStep + kKeyHeight));
    const int group = Column(4) + 4;
    rows.push_back({calc_id::kAngleLabel, K::Label, "angleLabel", msg::kAngleLabel.data(), group,
                    Row(4) + 1, 100, 12});
    rows.push_back({calc_id::kDegrees, K::Radio, "degreesRadio", msg::kDegrees.data(), group + 8,
                    Row(4) + 15, 80, 12});
    rows.push_back({calc_id::kRadians, K::Radio, "radiansRadio", msg::kRadians.data(), group + 8,
                    Row(4) + 29, 80, 12});
    rows.push_back({calc_id::kCentesimal, K::Radio, "centesimalRadio", msg::kCentesimal.data(),
                    group + 8, Row(4) + 43, 80, 12});
    return rows;
}

}  // namespace

CExprCalcPage::CExprCalcPage(CDesktop& desktop, QWidget* parent)
    : CPageBase(desktop, parent, picture::kPageBackground) {
    const std::vector<ControlRow> rows = Controls();
    CreateControls(rows);
    // Enter evaluates wherever the focus is, as "=" does.
    RouteOtherEnter(ClickButton(kEqualsKeyId));

    for (const CalculatorKey& key : CalculatorKeys()) {
        const int id = key.id;
        connect(ControlAs<QAbstractButton>(id), &QAbstractButton::clicked, this,
                [this, id] { PressKey(id); });
    }

    auto* modes = new QButtonGroup(this);
    const std::pair<int, AngleMode> kModes[] = {{calc_id::kDegrees, AngleMode::Degrees},
                                                {calc_id::kRadians, AngleMode::Radians},
                                                {calc_id::kCentesimal, AngleMode::Centesimal}};
    for (const auto& [id, mode] : kModes) {
        auto* radio = ControlAs<QRadioButton>(id);
        modes->addButton(radio, id);
        const AngleMode chosen = mode;
        // Checking by mouse or by the arrow keys; the mode only takes effect at
        // the next evaluation.
        connect(radio, &QRadioButton::toggled, this, [this, chosen](bool checked) {
            if (checked) angleMode_ = chosen;
        });
    }
    ControlAs<QRadioButton>(calc_id::kRadians)->setChecked(true);

    // Only a change of the selection recalls: the list taking the focus moves
    // its current row without selecting anything.
    connect(History(), &QListWidget::itemSelectionChanged, this, [this] { Recall(); });
    connect(History(), &QListWidget::itemClicked, this, [this] { Recall(); });
}

QLineEdit* CExprCalcPage::ExpressionBox() const {
    return ControlAs<QLineEdit>(calc_id::kExpression);
}

QListWidget* CExprCalcPage::History() const {
    return ControlAs<QListWidget>(calc_id::kHistory);
}

void CExprCalcPage::PressKey(int id) {
    switch (CommandOfKey(id)) {
        case KeyCommand::Backspace:
            Backspace();
            return;
        case KeyCommand::Clear:
            Clear();
            return;
        case KeyCommand::Evaluate:
            Evaluate();
            return;
        case KeyCommand::Insert:
            break;
    }
    const KeyInsertion insertion = InsertionOfKey(id);
    QLineEdit* box = ExpressionBox();
    box->insert(CoreText(insertion.text));
    box->cursorBackward(false, insertion.caretBack);
    box->setFocus(Qt::OtherFocusReason);
}

void CExprCalcPage::Backspace() {
    QLineEdit* box = ExpressionBox();
    if (!box->text().isEmpty()) {
        const int start = box->hasSelectedText() ? box->selectionStart() : box->cursorPosition();
        const int end = box->hasSelectedText() ? box->selectionEnd() : start;
        const TextRange range = BackspaceRange(start, end);
        if (range.empty()) {
            // At the start of the box the selection is dropped, nothing else.
            box->deselect();
        } else {
            box->setSelection(range.from, range.to - range.from);
            box->del();
        }
    }
    box->setFocus(Qt::OtherFocusReason);
}

void CExprCalcPage::Clear() {
    ExpressionBox()->setFocus(Qt::OtherFocusReason);
    WriteText(calc_id::kExpression, QString());
    WriteText(calc_id::kResult, QString());
}

void CExprCalcPage::Evaluate() {
    std::string text = ReadText(calc_id::kExpression).toStdString();
    if (text.empty()) return;
    const EvalResult evaluated = CalculatorEvaluate(text, angleMode_);
    const QString expression = CoreText(text);
    if (evaluated.ok()) {
        std::vector<std::string> history;
        for (int row = 0; row < History()->count(); ++row) {
            history.push_back(History()->item(row)->text().toStdString());
        }
        if (!HistoryHasPrefix(history, text)) History()->addItem(expression);
    }
    WriteText(calc_id::kExpression, expression);
    ShowOutcome(OutcomeOf(evaluated), calc_id::kResult);
}

// A line of the history replaces the expression; the result it had is gone.
void CExprCalcPage::Recall() {
    const QList<QListWidgetItem*> selected = History()->selectedItems();
    WriteText(calc_id::kExpression, selected.isEmpty() ? QString() : selected.first()->text());
    WriteText(calc_id::kResult, QString());
}

void CExprCalcPage::OnEscapeKey() {
    WriteText(calc_id::kExpression, QString());
}

}  // namespace zentova
