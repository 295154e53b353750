// The sum and product page: Enter, the boxes rewritten, refusals, tasks.
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "expr/function_of_x.h"
#include "gui_test_support.h"
#include "kit/page_base.h"
#include "shell/zentova_view.h"

class SeriesPageTest : public QObject {
    Q_OBJECT
    zentova::testing::PageFixture fixture_{zentova::testing::PageId::Series};

    QLineEdit* Box(const QString& name) { return fixture_.Find<QLineEdit>(name); }
    QString Do(const QStringList& steps) {  // types "box=text", clicks "button"; gives the results
        for (const QString& step : steps) {
            if (step.contains('=')) Box(step.section('=', 0, 0))->setText(step.section('=', 1));
            if (!step.contains('=')) fixture_.Find<QPushButton>(step)->click();
        }
        return Box("sumResultBox")->text() + '|' + Box("productResultBox")->text();
    }

  private slots:
    void initTestCase() { zentova::testing::PrepareApplication(); }
    void init() {
        fixture_.Open();
        Do({"sumFunctionBox=x", "sumStartBox=1", "sumEndBox=100", "productFunctionBox=x",
            "productStartBox=1", "productEndBox=1e1"});
    }
    void cleanup() { fixture_.Close(); }

    void enterRunsTheHalfOfTheFocusedControlAfterTheChecks() {
        for (const QString half : {"sum", "product"}) {
            for (const QString box :
                 {"EndBox", "StartBox", "FunctionBox", "Button", "ResultBox", "StepBox"}) {
                Do({"sumResultBox=", "productResultBox="});
                fixture_.Find<QWidget>(half + box)->setFocus();
                QTest::keyClick(fixture_.Find<QWidget>(half + box), Qt::Key_Return);
                QCOMPARE(Do({}), half == "sum" ? "5050|" : "|3628800");
                QCOMPARE(Box("productEndBox")->text(), QStringLiteral("10"));
            }
        }
        // Then, row after row: the message, the boxes typed and the button; the
        // last box keeps its text, and the results stay.
        const QStringList kRows[] = {
            {"请输入表达式", "sumStepBox=0", "sumFunctionBox=", "sumButton"},
            {zentova::SeriesRangeProblem(0, 1, -1).data(), "productStepBox=-1", "productButton"},
            {"请输入一个数。", "sumStepBox=1,5", "productButton"}};  // read before the checks
        QCOMPARE(Do({"sumButton"}), QStringLiteral("5050|3628800"));
        for (const QStringList& row : kRows) {
            fixture_.desktop.messages.clear();
            QCOMPARE(Do(row.mid(1)), QStringLiteral("5050|3628800"));
            QCOMPARE(fixture_.desktop.messages.size(), 1);
            QCOMPARE(fixture_.desktop.messages[0].text, row[0]);
            const QString& typed = row[row.size() - 2];
            QCOMPARE(Box(typed.section('=', 0, 0))->text(), typed.section('=', 1));
        }
    }

    // A hundred thousand terms run as a task and give what their first five
    // give at once (the rest add 0 or multiply by 1); a billion are stopped.
    void tasksShowWhatRunningAtOnceShowsAndStopKeepingTheResult() {
        for (const QString half : {"sum", "product"}) {
            const QString atOnce =
                Do({half + "FunctionBox=" + (half == "sum" ? "" : "1+") + "floor(5/x)*sin(x)",
                    half + "EndBox=5", half + "Button"});
            QVERIFY(Do({half + "EndBox=1e5", half + "ResultBox=", half + "Button"}) != atOnce);
            QTRY_COMPARE(Do({}), atOnce);
            auto* button = fixture_.Find<QPushButton>(half + "Button");
            QCOMPARE(Do({half + "EndBox=1e9", half + "Button"}), atOnce);
            QTRY_COMPARE(button->text(), QStringLiteral("停止"));
            button->click();
            QVERIFY(Do({}) == atOnce && button->text() != QStringLiteral("停止"));
        }
        // The page goes while both halves run; both stop before its boxes go.
        Do({"sumEndBox=1e9", "productEndBox=1e9", "sumButton", "productButton"});
        QTRY_COMPARE(fixture_.Find<QPushButton>("sumButton")->text(), QStringLiteral("停止"));
        fixture_.frame.reset();
    }
};

QTEST_MAIN(SeriesPageTest)
#include "series_page_test.moc"
