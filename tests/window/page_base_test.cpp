// The common page: reading and writing boxes, the prompt through the desktop,
// and the keyboard filter, on a small page made for the test.
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <array>

#include "gui_test_support.h"
#include "kit/page_base.h"
#include "kit/pictures.h"
#include "kit/units.h"
#include "shell/zentova_view.h"

using namespace zentova;
using namespace zentova::testing;

namespace {

class CTestPage : public CPageBase {
  public:
    explicit CTestPage(CDesktop& desktop) : CPageBase(desktop, nullptr, picture::kPageBackground) {
        static constexpr std::array<ControlRow, 3> kControls{{
            {1, ControlKind::Edit, "lowerBox", "", 10, 10, 80, 14, "lower"},
            {2, ControlKind::Edit, "countBox", "", 10, 30, 80, 14, "count"},
            {3, ControlKind::Edit, "upperBox", "", 10, 50, 80, 14, "upper"},
        }};
        CreateControls(kControls);
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

    double lower = -1;
    int count = -1;
    double upper = -1;
    int enters = 0;
    int escapes = 0;
    bool consumeEnter = true;

  protected:
    bool OnEnterKey() override {
        ++enters;
        return consumeEnter;
    }
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

    void escapeIsAlwaysConsumedAndEnterAsThePageSays() {
        QLineEdit* box = Box("lowerBox");
        box->setFocus();
        QTest::keyClicks(box, QStringLiteral("12"));
        QTest::keyClick(box, Qt::Key_Escape);
        QCOMPARE(page_->escapes, 1);
        QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClick(box, Qt::Key_Enter);
        QCOMPARE(page_->enters, 2);
        QCOMPARE(box->text(), QStringLiteral("12"));
        QVERIFY(page_->isVisible());
        // Other keys go on to the control.
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(box->text(), QStringLiteral("1"));
        QCOMPARE(page_->escapes, 1);
        // A page that lets Enter through leaves it to the control.
        page_->consumeEnter = false;
        bool returned = false;
        connect(box, &QLineEdit::returnPressed, this, [&returned] { returned = true; });
        QTest::keyClick(box, Qt::Key_Return);
        QVERIFY(returned);
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
        QCOMPARE(page_->enters, 0);
    }
};

QTEST_MAIN(PageBaseTest)
#include "page_base_test.moc"
