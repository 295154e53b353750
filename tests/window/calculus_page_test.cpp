// The calculus page: Enter, the boxes rewritten, the order of checks, tasks.
#include <QAccessible>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include "gui_test_support.h"
#include "kit/page_base.h"
#include "shell/zentova_view.h"

class CalculusPageTest : public QObject {
    Q_OBJECT
    zentova::testing::PageFixture fixture_{zentova::testing::PageId::Calculus};

    QLineEdit* Box(const QString& name) { return fixture_.Find<QLineEdit>(name); }
    QString Do(const QStringList& steps) {  // types "box=text", clicks "button"; gives the results
        for (const QString& step : steps) {
            if (step.contains('=')) Box(step.section('=', 0, 0))->setText(step.section('=', 1));
            if (!step.contains('=')) fixture_.Find<QPushButton>(step)->click();
        }
        return Box("integralResultBox")->text() + '|' + Box("derivativeResultBox")->text();
    }

  private slots:
    void initTestCase() { zentova::testing::PrepareApplication(); }
    void init() {
        fixture_.Open();
        Do({"integrandBox=x^2", "upperLimitBox=1e0", "functionBox=x^3", "pointBox=1"});
    }
    void cleanup() { fixture_.Close(); }

    void enterRunsTheHalfOfTheFocusedControlAfterTheChecks() {
        const QString kIntegral =
            "upperLimitBox lowerLimitBox integrandBox integrateButton "
            "integralPrecisionBox integralDepthBox";
        const QString kDerivative =
            "functionBox pointBox differentiateButton "
            "derivativePrecisionBox initialStepBox";
        const QString kNeither = " integralResultBox derivativeResultBox ";
        for (const QString& name : (kDerivative + kNeither + kIntegral).split(' ')) {
            Do({"integralResultBox=", "derivativeResultBox="});
            fixture_.Find<QWidget>(name)->setFocus();
            QTest::keyClick(fixture_.Find<QWidget>(name), Qt::Key_Return);
            QCOMPARE(Do({}), kIntegral.contains(name)     ? "0.333333333333333|"
                             : kDerivative.contains(name) ? "|3.00002499999996"
                                                          : "|");
            QCOMPARE(Box("upperLimitBox")->text(), QStringLiteral("1"));  // rewritten
        }
        // Then, row after row: the message ("" computes), the boxes typed and
        // the button; the last box keeps its text, and the results stay.
        const QStringList kRows[] = {
            {"深度值必须为正整数", "integralDepthBox=0", "integrateButton"},
            {"精度值必须为正数", "integralPrecisionBox=0", "integrateButton"},
            {"", "derivativePrecisionBox=0.0001", "differentiateButton"},
            {"深度值必须为正整数", "derivativeDepthBox=0", "differentiateButton"},
            {"精度值必须为正数", "derivativePrecisionBox=-1", "differentiateButton"},
            {"请输入一个数。", "initialStepBox=1e9999", "integrateButton"}};
        const QString results = Do({"differentiateButton"});
        for (const QStringList& row : kRows) {
            fixture_.desktop.messages.clear();
            QCOMPARE(Do(row.mid(1)), results);
            QCOMPARE(fixture_.desktop.messages.size(), row[0].isEmpty() ? 0 : 1);
            if (!row[0].isEmpty()) QCOMPARE(fixture_.desktop.messages[0].text, row[0]);
            const QString& typed = row[row.size() - 2];
            QCOMPARE(Box(typed.section('=', 0, 0))->text(), typed.section('=', 1));
        }
    }

    // Long depths run as tasks and show what the same passes show at once; a
    // depth-30 integral that never meets its precision stops on Enter.
    void tasksShowWhatRunningAtOnceShowsAndStopPromptly() {
        const QString atOnce = Do({"integrandBox=x^2*sin(x)", "functionBox=x^2*sin(x)",
                                   "integrateButton", "differentiateButton"});
        Do({"integralDepthBox=100000", "derivativeDepthBox=100000",
            "integralResultBox=", "derivativeResultBox="});
        QCOMPARE(Do({"integrateButton", "differentiateButton"}), QStringLiteral("|"));
        QTRY_COMPARE(Do({}), atOnce);
        Do({"integralPrecisionBox=1e-300", "integralDepthBox=30", "integrateButton"});
        auto* integrate = fixture_.Find<QPushButton>("integrateButton");
        QTRY_VERIFY(integrate->findChild<QProgressBar*>()->isVisible());
        // A screen reader calls the button what it now does.
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(integrate);
        QCOMPARE(spoken->text(QAccessible::Name), QStringLiteral("停止"));
        QTest::keyClick(Box("integrandBox"), Qt::Key_Return);
        QVERIFY(Do({}) == atOnce && integrate->text() == QStringLiteral("求值(&I)"));
        QCOMPARE(spoken->text(QAccessible::Name), QStringLiteral("求值"));
    }
};

QTEST_MAIN(CalculusPageTest)
#include "calculus_page_test.moc"
