// The common page: reading and writing boxes, the prompt through the desktop,
// outcomes, the keyboard filter with its Enter routes and the labels that name
// boxes, on a small page made for the test.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <array>

#include "common/outcome.h"
#include "gui_test_support.h"
#include "kit/page_base.h"
#include "kit/pictures.h"
#include "kit/units.h"
#include "shell/zentova_view.h"

using namespace zentova;
using namespace zentova::testing;

Q_DECLARE_METATYPE(zentova::Outcome)

namespace {

class CTestPage : public CPageBase {
  public:
    explicit CTestPage(CDesktop& desktop) : CPageBase(desktop, nullptr, picture::kPageBackground) {
        using K = ControlKind;
        static constexpr std::array<ControlRow, 10> kControls{{
            {1, K::Edit, "lowerBox", "", 10, 10, 80, 14, "lower"},
            {2, K::Edit, "countBox", "", 10, 30, 80, 14, "count"},
            {3, K::Edit, "upperBox", "", 10, 50, 80, 14, "upper"},
            {4, K::Label, "notesLabel", "备注(&N)：", 100, 10, 40, 8},
            {5, K::MultiLineEdit, "notesBox", "", 100, 20, 80, 40},
            {6, K::ReadOnlyMultiLine, "shownBox", "", 100, 70, 80, 20, "shown"},
            {7, K::PushButton, "runButton", "运行(&R)", 200, 10, 50, 14},
            {8, K::PushButton, "otherButton", "其他", 200, 30, 50, 14},
            ControlRow{9, K::PushButton, "defaultButton", "Button1", 200, 50, 50, 14}.WithOptions(
                option::kDefault | option::kHidden),
            {10, K::ReadOnlyEdit, "resultBox", "", 10, 70, 80, 14, "result"},
        }};
        CreateControls(kControls);
        RouteEnter({1}, ClickButton(7));
        RouteEnter({3}, EnterRule::Control);
        RouteEnter({5, 6, 8}, EnterRule::DialogPath);
        RouteEnter({2}, EnterRule::Consume);
    }

    // Reads the three boxes in order, stopping at the first that fails.
    int ReadAll() {
        int read = 0;
        if (!ReadDouble(1, lower)) return read;
        ++read;
        if (!ReadInt(2, count)) return read;
        ++read;
        if (!ReadDouble(3, upper)) return read;
        return ++read;
    }
    void WriteAll() {
        WriteDouble(1, lower);
        WriteInt(2, count);
        WriteDouble(3, upper);
    }
    using CPageBase::RouteOtherEnter;
    using CPageBase::ShowOutcome;

    double lower = -1;
    int count = -1;
    double upper = -1;
    int escapes = 0;

  protected:
    void OnEscapeKey() override { ++escapes; }
};

}  // namespace

class PageBaseTest : public QObject {
    Q_OBJECT

  private:
    RecordingDesktop desktop_;
    std::unique_ptr<CTestPage> page_;
    std::unique_ptr<QObject> routerOwner_;

    QLineEdit* Box(const char* name) { return page_->findChild<QLineEdit*>(name); }

  private slots:
    void initTestCase() { PrepareApplication(); }

    void init() {
        desktop_.messages.clear();
        routerOwner_ = std::make_unique<QObject>();
        InstallPageKeyRouter(routerOwner_.get());
        page_ = std::make_unique<CTestPage>(desktop_);
        page_->show();
        QApplication::setActiveWindow(page_.get());
        QVERIFY(QTest::qWaitForWindowActive(page_.get()));
    }

    void cleanup() {
        page_.reset();
        routerOwner_.reset();
    }

    void unitsMakeTheFixedPage() {
        QCOMPARE(page_->size(), QSize(590, 378));
        QCOMPARE(DluRect(10, 10, 80, 14), QRect(15, 15, 120, 21));
        // Neighbours share their edges even at odd units.
        QCOMPARE(DluRect(1, 0, 1, 1).left(), DluRect(0, 0, 1, 1).right() + 1);
        QCOMPARE(Box("lowerBox")->accessibleName(), QStringLiteral("lower"));
    }

    void readsEveryBoxWhenAllHoldNumbers() {
        Box("lowerBox")->setText(QStringLiteral(" -2.5 "));
        Box("countBox")->setText(QStringLiteral("7"));
        Box("upperBox")->setText(QStringLiteral("1e3"));
        QCOMPARE(page_->ReadAll(), 3);
        QCOMPARE(page_->lower, -2.5);
        QCOMPARE(page_->count, 7);
        QCOMPARE(page_->upper, 1000.0);
        QVERIFY(desktop_.messages.isEmpty());
    }

    void promptsAndStopsAtTheFirstBoxWithoutANumber_data() {
        QTest::addColumn<QString>("lower");
        QTest::addColumn<QString>("count");
        QTest::addColumn<int>("read");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("focus");
        QTest::newRow("empty number") << ""
                                      << "3" << 0 << "请输入一个数。"
                                      << "lowerBox";
        QTest::newRow("text in number") << "abc"
                                        << "3" << 0 << "请输入一个数。"
                                        << "lowerBox";
        QTest::newRow("fraction in integer") << "1"
                                             << "2.5" << 1 << "请输入一个整数。"
                                             << "countBox";
        QTest::newRow("blank integer") << "1"
                                       << " " << 1 << "请输入一个整数。"
                                       << "countBox";
    }

    void promptsAndStopsAtTheFirstBoxWithoutANumber() {
        QFETCH(QString, lower);
        QFETCH(QString, count);
        QFETCH(int, read);
        QFETCH(QString, prompt);
        QFETCH(QString, focus);
        Box("lowerBox")->setText(lower);
        Box("countBox")->setText(count);
        Box("upperBox")->setText(QStringLiteral("9"));
        QCOMPARE(page_->ReadAll(), read);
        QCOMPARE(desktop_.messages.size(), 1);
        QCOMPARE(desktop_.messages[0].caption, QStringLiteral("Zentova"));
        QCOMPARE(desktop_.messages[0].text, prompt);
        QVERIFY(!desktop_.messages[0].question);
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        QCOMPARE(Box(focus.toUtf8().constData())->selectedText(),
                 Box(focus.toUtf8().constData())->text());
        // Fields after the failing box keep what they held.
        QCOMPARE(page_->upper, -1.0);
        if (read == 0) {
            QCOMPARE(page_->lower, -1.0);
        }
    }

    void writesFifteenDigitsAndKeepsTheCaretOfAnUnchangedBox() {
        page_->lower = 0.1 + 0.2;
        page_->count = -12;
        page_->upper = 2.0 / 3.0;
        page_->WriteAll();
        QCOMPARE(Box("lowerBox")->text(), QStringLiteral("0.3"));
        QCOMPARE(Box("countBox")->text(), QStringLiteral("-12"));
        QCOMPARE(Box("upperBox")->text(), QStringLiteral("0.666666666666667"));
        Box("upperBox")->setCursorPosition(3);
        page_->WriteAll();
        QCOMPARE(Box("upperBox")->cursorPosition(), 3);
    }

    void escapeIsAlwaysConsumedOtherKeysGoOn() {
        QLineEdit* box = Box("upperBox");
        box->setFocus();
        QTest::keyClicks(box, QStringLiteral("12"));
        QTest::keyClick(box, Qt::Key_Escape);
        QCOMPARE(page_->escapes, 1);
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(box->text(), QStringLiteral("1"));
        QVERIFY(page_->isVisible());
    }

    void enterFollowsTheRouteOfTheFocusedControl_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("other");  // the rule of controls without a route
        QTest::addColumn<QString>("clicked");
        QTest::addColumn<bool>("reachesControl");
        const int consume = static_cast<int>(EnterRule::Consume);
        const int control = static_cast<int>(EnterRule::Control);
        QTest::newRow("click a button") << "lowerBox" << control << "runButton" << false;
        const int dialog = static_cast<int>(EnterRule::DialogPath);
        QTest::newRow("to the control, not on to the page") << "upperBox" << dialog << "" << true;
        QTest::newRow("dialog path leaves it to a multi-line box")
            << "notesBox" << consume << "" << true;
        QTest::newRow("dialog path presses the focused button")
            << "otherButton" << consume << "otherButton" << false;
        QTest::newRow("dialog path ends at the default button")
            << "shownBox" << consume << "defaultButton" << false;
        QTest::newRow("a route beats the other rule") << "countBox" << control << "" << false;
        QTest::newRow("consumed without a route") << "resultBox" << consume << "" << false;
        QTest::newRow("the other rule") << "resultBox" << control << "" << true;
    }

    void enterFollowsTheRouteOfTheFocusedControl() {
        QFETCH(QString, focus);
        QFETCH(int, other);
        QFETCH(QString, clicked);
        QFETCH(bool, reachesControl);
        page_->RouteOtherEnter(static_cast<EnterRule>(other));
        QStringList clicks;
        for (QPushButton* button : page_->findChildren<QPushButton*>()) {
            connect(button, &QPushButton::clicked, this,
                    [&clicks, button] { clicks << button->objectName(); });
        }
        bool reached = false;
        auto* target = page_->findChild<QWidget*>(focus);
        if (auto* line = qobject_cast<QLineEdit*>(target)) {
            connect(line, &QLineEdit::returnPressed, this, [&reached] { reached = true; });
        }
        auto* notes = page_->findChild<QPlainTextEdit*>(QStringLiteral("notesBox"));
        target->setFocus();
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
            QTest::keyClick(target, key);
        }
        QCOMPARE(clicks, clicked.isEmpty() ? QStringList() : (QStringList{clicked, clicked}));
        QCOMPARE(reached || notes->toPlainText() == QStringLiteral("\n\n"), reachesControl);
        QVERIFY(page_->isVisible());
        QCOMPARE(page_->escapes, 0);
    }

    void aLabelNamesTheBoxAfterIt() {
        auto* notes = page_->findChild<QPlainTextEdit*>(QStringLiteral("notesBox"));
        QCOMPARE(page_->findChild<QLabel*>(QStringLiteral("notesLabel"))->buddy(), notes);
        QCOMPARE(notes->accessibleName(), QStringLiteral("备注"));
        QCOMPARE(page_->findChild<QWidget*>(QStringLiteral("runButton"))->accessibleName(),
                 QStringLiteral("运行"));
        QTest::keyClick(page_.get(), Qt::Key_N, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), notes);
    }

    void showOutcomeWritesResultsAndRefusesByMessage_data() {
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<int>("box");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<bool>("message");
        QTest::newRow("value") << Outcome::Value("8.5") << 10 << true << false;
        QTest::newRow("failure") << Outcome::Failure("除数为零错误") << 10 << true << false;
        QTest::newRow("refused") << Outcome::Refused("请输入表达式") << 10 << false << true;
        QTest::newRow("stopped") << Outcome::Stopped() << 10 << false << false;
        // Without a result box a failure is a message and a value is the
        // caller's to show.
        QTest::newRow("failure without box")
            << Outcome::Failure("矩阵不可逆") << kNoControlId << false << true;
        QTest::newRow("value without box")
            << Outcome::Value("x0 = 1") << kNoControlId << false << false;
    }

    void showOutcomeWritesResultsAndRefusesByMessage() {
        QFETCH(Outcome, outcome);
        QFETCH(int, box);
        QFETCH(bool, shown);
        QFETCH(bool, message);
        Box("resultBox")->setText(QStringLiteral("before"));
        QCOMPARE(page_->ShowOutcome(outcome, box), !outcome.refused() && !outcome.stopped());
        const QString text = QString::fromStdString(outcome.text);
        QCOMPARE(Box("resultBox")->text(), shown ? text : QStringLiteral("before"));
        QCOMPARE(desktop_.messages.size(), message ? 1 : 0);
        if (message) QCOMPARE(desktop_.messages[0].text, text);
    }

    void qtDesktopBoxesHaveTheirCaptionsAndButtons_data() {
        QTest::addColumn<bool>("question");
        QTest::addColumn<QString>("press");
        QTest::addColumn<bool>("answer");
        QTest::newRow("message") << false << "确定" << false;
        QTest::newRow("question answered yes") << true << "是(&Y)" << true;
        QTest::newRow("question answered no") << true << "否(&N)" << false;
    }

    // The real boxes, closed by pressing their button from a timer.
    void qtDesktopBoxesHaveTheirCaptionsAndButtons() {
        QFETCH(bool, question);
        QFETCH(QString, press);
        QFETCH(bool, answer);
        CQtDesktop desktop;
        QString title;
        QStringList buttons;
        QTimer::singleShot(50, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) return;
            title = box->windowTitle();
            QAbstractButton* chosen = nullptr;
            for (QAbstractButton* button : box->buttons()) {
                buttons << button->text();
                if (button->text() == press) chosen = button;
            }
            if (chosen != nullptr) chosen->click();
        });
        if (question) {
            QCOMPARE(desktop.Ask(page_.get(), QStringLiteral("删除"), QStringLiteral("?")), answer);
            QCOMPARE(title, QStringLiteral("删除"));
            QCOMPARE(buttons.size(), 2);
        } else {
            desktop.Inform(page_.get(), QStringLiteral("请输入表达式"));
            QCOMPARE(title, QStringLiteral("Zentova"));
            QCOMPARE(buttons, QStringList{QStringLiteral("确定")});
        }
    }

    // The safety net of every window test: a dialog that bypasses the
    // recording desktop is closed and named instead of hanging the run.
    void watchdogClosesAndNamesAStrayDialog() {
        ModalWatchdog watchdog;
        QMessageBox stray(QMessageBox::Warning, QStringLiteral("stray"), QStringLiteral("?"));
        // A broken watchdog then fails the comparison below instead of hanging.
        QTimer::singleShot(2000, &stray, &QMessageBox::reject);
        stray.exec();
        QCOMPARE(watchdog.unexpected, QStringList{QStringLiteral("stray")});
    }

    void keysOutsidePagesAreNotFiltered() {
        QLineEdit outside;
        outside.show();
        QApplication::setActiveWindow(&outside);
        QVERIFY(QTest::qWaitForWindowActive(&outside));
        outside.setFocus();
        QTest::keyClick(&outside, Qt::Key_Escape);
        QTest::keyClick(&outside, Qt::Key_Return);
        QCOMPARE(page_->escapes, 0);
    }
};

QTEST_MAIN(PageBaseTest)
#include "page_base_test.moc"
