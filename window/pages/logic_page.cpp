#include "pages/logic_page.h"

#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QPlainTextEdit>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "kit/desktop.h"
#include "kit/page_task.h"
#include "kit/pictures.h"
#include "kit/virtual_list.h"
#include "logic/truth_table_text.h"

namespace zentova {
namespace {

using K = ControlKind;
namespace id = logic_id;

// The formula and normal-form boxes: bold Arial in a 30-pixel cell, 10 pixels
// a character.
constexpr FontSpec kBoxFont = ArialFont(30, 10);

// The table's columns line up only in a font whose letters and digits are all
// one width and whose Chinese characters are two of them, as the Song face of
// the page has them.
constexpr const char* kTableFamilies[] = {"NSimSun", "SimSun", "Noto Sans Mono CJK SC"};
constexpr FontSpec kTableFont{kTableFamilies, 12};

// Searches over this many variables (65,536 assignments) end within a
// millisecond: they run at once, and their message shows before the click
// returns.
constexpr int kQuickVariables = 16;

constexpr char kHelpText[] =
    "逻辑公式中的字母一律用大写\n"
    "逻辑与：^(Shift+6)　　　逻辑或：v(小写字母v)　　逻辑非：~(Shift+1左边的那个键)\n"
    "条件联结词：>(大于号)　　双条件联结词：-(减号)　　不可兼或：#";

// In dialog units: the key to the connectives beside the page's title, the two
// formula rows across the page, the row of buttons below them, the table at
// the left and the two normal forms at the right.
constexpr int kLeft = 7;
constexpr int kRight = 386;
constexpr int kTableWidth = 120;
constexpr int kFormsLeft = kLeft + kTableWidth + 6;
constexpr int kFormsWidth = kRight - kFormsLeft;
constexpr int kButtonHeight = 15;
constexpr int kFormula1Top = 41;
constexpr int kFormula2Top = 66;
constexpr int kFormulaHeight = 23;
constexpr int kFormulaLeft = kLeft + 36;
constexpr int kButtonsTop = 92;
constexpr int kLowerTop = kButtonsTop + kButtonHeight + 3;
constexpr int kBottom = 248;
constexpr int kFormBoxHeight = (kBottom - kLowerTop - 2 * kButtonHeight - 4) / 2;

constexpr ControlRow kRows[] = {
    {id::kTitle, K::Label, "titleLabel", "表达式输入", kLeft, 3, 46, 11},
    {id::kHelp, K::Label, "helpLabel", kHelpText, 55, 3, kRight - 55, 35},
    {id::kFormula1Label, K::Label, "formula1Label", "公式一：", kLeft, kFormula1Top + 7, 36, 10},
    ControlRow{id::kFormula1, K::Edit, "formula1Box", "", kFormulaLeft, kFormula1Top,
               kRight - kFormulaLeft, kFormulaHeight}
        .WithFont(kBoxFont),
    {id::kFormula2Label, K::Label, "formula2Label", "公式二：", kLeft, kFormula2Top + 7, 36, 10},
    ControlRow{id::kFormula2, K::Edit, "formula2Box", "", kFormulaLeft, kFormula2Top,
               kRight - kFormulaLeft, kFormulaHeight}
        .WithFont(kBoxFont),
    {id::kTruthTableButton, K::PushButton, "truthTableButton", "公式一的真值表(&T)", kLeft,
     kButtonsTop, kTableWidth, kButtonHeight},
    ControlRow{id::kTruthTable, K::VirtualList, "truthTableList", "", kLeft, kLowerTop, kTableWidth,
               kBottom - kLowerTop}
        .WithName("真值表")
        .WithFont(kTableFont)
        .WithOptions(option::kHorizontalScroll),
    {id::kEquivalenceButton, K::PushButton, "equivalenceButton", "验证公式一是否与公式二等价(&E)",
     kFormsLeft, kButtonsTop, kFormsWidth / 2 - 2, kButtonHeight},
    {id::kImplicationButton, K::PushButton, "implicationButton", "验证公式一是否蕴含公式二(&I)",
     kFormsLeft + kFormsWidth / 2 + 2, kButtonsTop, kFormsWidth - kFormsWidth / 2 - 2,
     kButtonHeight},
    {id::kConjunctiveButton, K::PushButton, "conjunctiveButton", "公式一的主合取范式(&H)",
     kFormsLeft, kLowerTop, 110, kButtonHeight},
    ControlRow{id::kConjunctive, K::ReadOnlyMultiLine, "conjunctiveBox", "", kFormsLeft,
               kLowerTop + kButtonHeight + 1, kFormsWidth, kFormBoxHeight}
        .WithName("主合取范式")
        .WithFont(kBoxFont)
        .WithOptions(option::kWrap),
    {id::kDisjunctiveButton, K::PushButton, "disjunctiveButton", "公式一的主析取范式(&X)",
     kFormsLeft, kBottom - kFormBoxHeight - kButtonHeight - 1, 110, kButtonHeight},
    ControlRow{id::kDisjunctive, K::ReadOnlyMultiLine, "disjunctiveBox", "", kFormsLeft,
               kBottom - kFormBoxHeight, kFormsWidth, kFormBoxHeight}
        .WithName("主析取范式")
        .WithFont(kBoxFont)
        .WithOptions(option::kWrap),
};

}  // namespace

CLogicPage::CLogicPage(CDesktop& desktop, QWidget* parent)
    : CPageBase(desktop, parent, picture::kPageBackground) {
    CreateControls(kRows);
    // Enter runs the tool of a focused button and is an ordinary key
    // everywhere else.
    for (const int button : {id::kTruthTableButton, id::kEquivalenceButton, id::kImplicationButton,
                             id::kConjunctiveButton, id::kDisjunctiveButton}) {
        RouteEnter({button}, ClickButton(button));
    }
    RouteOtherEnter(EnterRule::Control);

    // A normal form has no place where a line may break, and a box that looks
    // for one lays a long form out in time that grows with its square.
    for (const int box : {id::kConjunctive, id::kDisjunctive}) {
        ControlAs<QPlainTextEdit>(box)->setWordWrapMode(QTextOption::WrapAnywhere);
    }

    auto button = [this](int buttonId) { return ControlAs<QAbstractButton>(buttonId); };
    equivalenceTask_ = std::make_unique<CPageTask>(button(id::kEquivalenceButton), nullptr);
    implicationTask_ = std::make_unique<CPageTask>(button(id::kImplicationButton), nullptr);
    conjunctiveTask_ = std::make_unique<CPageTask>(button(id::kConjunctiveButton), nullptr);
    disjunctiveTask_ = std::make_unique<CPageTask>(button(id::kDisjunctiveButton), nullptr);
    // The table's button stops a save, as every compute button stops its run.
    saveTask_ = std::make_unique<CPageTask>(button(id::kTruthTableButton), nullptr);
    saveTask_->SetRunningCaption(QStringLiteral("停止保存"));

    CVirtualList* table = TruthTable();
    copyAction_ = new QAction(QStringLiteral("复制"), table);
    copyAction_->setObjectName(QStringLiteral("copyTableAction"));
    copyAction_->setShortcut(QKeySequence::Copy);
    copyAction_->setShortcutContext(Qt::WidgetShortcut);
    saveAction_ = new QAction(QStringLiteral("保存为文本…"), table);
    saveAction_->setObjectName(QStringLiteral("saveTableAction"));
    for (QAction* action : {copyAction_, saveAction_}) {
        action->setEnabled(false);
        table->addAction(action);
    }
    connect(copyAction_, &QAction::triggered, this, [this] { CopyTableLines(); });
    connect(saveAction_, &QAction::triggered, this, [this] { SaveTable(); });
    connect(saveTask_.get(), &CPageTask::started, this, [this] { saveAction_->setEnabled(false); });
    for (auto ended : {&CPageTask::finished, &CPageTask::stopped})
        connect(saveTask_.get(), ended, this,
                [this] { saveAction_->setEnabled(table_ != nullptr); });

    connect(button(id::kTruthTableButton), &QAbstractButton::clicked, this,
            [this] { ShowTruthTable(); });
    connect(button(id::kEquivalenceButton), &QAbstractButton::clicked, this,
            [this] { TestEquivalence(); });
    connect(button(id::kImplicationButton), &QAbstractButton::clicked, this,
            [this] { TestImplication(); });
    connect(button(id::kConjunctiveButton), &QAbstractButton::clicked, this,
            [this] { ShowNormalForm(NormalForm::Conjunctive); });
    connect(button(id::kDisjunctiveButton), &QAbstractButton::clicked, this,
            [this] { ShowNormalForm(NormalForm::Disjunctive); });
}

// The tasks stop and join their workers before the controls go.
CLogicPage::~CLogicPage() = default;

CVirtualList* CLogicPage::TruthTable() const {
    return ControlAs<CVirtualList>(id::kTruthTable);
}

void CLogicPage::ShowTruthTable() {
    if (saveTask_->StopIfRunning()) return;
    std::string formula = ReadText(id::kFormula1).toStdString();
    std::optional<TruthTableStream> made = MakeTruthTable(formula);
    if (!made) {
        Desktop().Inform(this, CoreText(msg::kFormulaInputError));
        return;
    }
    // The list asks for the lines it draws: the header, pinned at the top,
    // then one line per assignment.
    auto table = std::make_shared<TruthTableStream>(std::move(*made));
    tableFormula_ = std::move(formula);
    table_ = table;
    TruthTable()->SetLines(
        table->lineCount() + 1,
        [table](std::uint64_t line) { return line == 0 ? table->header() : table->Line(line - 1); },
        1);
    copyAction_->setEnabled(true);
    saveAction_->setEnabled(true);
}

void CLogicPage::CopyTableLines() {
    CVirtualList* table = TruthTable();
    if (table->LineCount() == 0) return;
    const bool selected = table->HasSelection();
    const std::uint64_t first = selected ? table->SelectionFirst() : 0;
    const std::uint64_t last = selected ? table->SelectionLast() : table->LineCount() - 1;
    if (last - first + 1 > kMaxCopiedTableLines) {
        Desktop().Inform(this, CoreText(TooManyLinesToCopy(last - first + 1)));
        return;
    }
    Desktop().SetClipboardText(table->LinesText(first, last));
}

void CLogicPage::SaveTable() {
    if (!table_ || saveTask_->Running()) return;
    const std::uint64_t bytes = TruthTableTextBytes(*table_);
    if (bytes > kConfirmTableSaveBytes &&
        !Desktop().Ask(this, CoreText(msg::kSaveTableCaption),
                       CoreText(SaveTableQuestion(table_->lineCount() + 1, bytes)))) {
        return;
    }
    const QString path = Desktop().ChooseFileToSave(this);
    if (path.isEmpty()) return;
    // Even a small table waits for the disk to confirm the file, which may
    // take longer than the window may stall.
    saveTask_->Run(
        [this, formula = tableFormula_,
         file = QFile::encodeName(path).toStdString()](TaskControl& control) {
            const Outcome outcome = SaveTruthTableText(formula, file, &control);
            // A saved table has nothing to show.
            return CPageTask::Deliver([this, outcome] { ShowOutcome(outcome); });
        },
        true);
}

void CLogicPage::TestEquivalence() {
    Compare(*equivalenceTask_, &CheckEquivalence);
}

void CLogicPage::TestImplication() {
    Compare(*implicationTask_, &CheckImplication);
}

void CLogicPage::Compare(CPageTask& task, Check check) {
    if (task.StopIfRunning()) return;
    std::string first = ReadText(id::kFormula1).toStdString();
    std::string second = ReadText(id::kFormula2).toStdString();
    VariableList variables;
    if (!ValidateFormulaPair(first, second, variables)) {
        Desktop().Inform(this, CoreText(msg::kFormulaInputError));
        return;
    }
    task.Run(
        [this, first = std::move(first), second = std::move(second), check](TaskControl& control) {
            const Outcome outcome = check(first, second, &control);
            // The verdict has no box of its own: it is a message.
            return CPageTask::Deliver([this, outcome] {
                if (ShowOutcome(outcome)) Desktop().Inform(this, CoreText(outcome.text));
            });
        },
        variables.count() > kQuickVariables);
}

void CLogicPage::ShowNormalForm(NormalForm form) {
    const bool conjunctive = form == NormalForm::Conjunctive;
    CPageTask& task = conjunctive ? *conjunctiveTask_ : *disjunctiveTask_;
    if (task.StopIfRunning()) return;
    std::string formula = ReadText(id::kFormula1).toStdString();
    const std::optional<PreparedFormula> prepared = PrepareFormula(formula);
    if (!prepared) {
        Desktop().Inform(this, CoreText(msg::kFormulaInputError));
        return;
    }
    const int box = conjunctive ? id::kConjunctive : id::kDisjunctive;
    task.Run(
        [this, formula = std::move(formula), form, box](TaskControl& control) {
            const Outcome outcome =
                ComputeNormalForm(formula, form, &control, kMaxShownNormalFormLength);
            return CPageTask::Deliver([this, outcome, box] { ShowOutcome(outcome, box); });
        },
        prepared->variables.count() > kQuickVariables);
}

}  // namespace zentova
