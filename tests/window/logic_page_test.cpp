// The logic page through its widgets: which tool a button or Enter runs, the
// message each outcome gives, the lines of the virtual table and the boxes
// the normal forms land in.
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "gui_test_support.h"
#include "kit/virtual_list.h"
#include "pages/logic_page.h"
#include "shell/zentova_view.h"

using namespace zentova;
using namespace zentova::testing;

namespace {

// The letters A to Z joined by `op`, each behind `prefix`.
QString AllLetters(const QString& prefix, const QString& op) {
    QStringList letters;
    for (char c = 'A'; c <= 'Z'; ++c)
        letters << prefix + QLatin1Char(c);
    return letters.join(op);
}

// A formula as long as a formula may be over all 26 letters, whose every
// assignment takes some 500 steps to evaluate.
QString LongFormula() {
    const QString group = QLatin1Char('(') + AllLetters({}, QStringLiteral("v")) + QLatin1Char(')');
    QString formula = group;
    while (formula.size() + group.size() + 1 <= static_cast<qsizetype>(kMaxFormulaLength))
        formula += QLatin1Char('>') + group;
    return formula;
}

}  // namespace

class LogicPageTest : public QObject {
    Q_OBJECT
    FrameFixture fixture_;

    template <class T>
    T* Find(const char* name) {
        return fixture_.frame->View()->Page(12)->findChild<T*>(QString::fromUtf8(name));
    }
    CVirtualList* Table() { return Find<CVirtualList>("truthTableList"); }
    QString Box(const char* name) { return Find<QPlainTextEdit>(name)->toPlainText(); }
    void Run(const char* button, const QString& formula1, const QString& formula2 = {}) {
        Find<QLineEdit>("formula1Box")->setText(formula1);
        Find<QLineEdit>("formula2Box")->setText(formula2);
        QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton);
    }
    QStringList TakeMessages() {
        QStringList texts;
        for (const RecordingDesktop::Message& message : fixture_.desktop.messages)
            texts << message.text;
        fixture_.desktop.messages.clear();
        return texts;
    }

  private slots:
    void initTestCase() { PrepareApplication(); }
    void init() {
        fixture_.Open();
        fixture_.frame->View()->ShowPage(12);
    }
    void cleanup() { fixture_.Close(); }

    void outcomes_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("formula1");
        QTest::addColumn<QString>("formula2");
        QTest::addColumn<QString>("message");
        const QString equivalence = QStringLiteral("equivalenceButton");
        const QString implication = QStringLiteral("implicationButton");
        const QString error = QStringLiteral("公式输入错误。");
        QTest::newRow("equivalent") << equivalence << "A>B"
                                    << "~AvB"
                                    << "两公式等价。";
        QTest::newRow("not equivalent") << equivalence << "A>B"
                                        << "B>A"
                                        << "两公式不等价。";
        QTest::newRow("implies") << implication << "A^B"
                                 << "AvB"
                                 << "公式一蕴含公式二。";
        QTest::newRow("does not imply") << implication << "AvB"
                                        << "A^B"
                                        << "公式一不蕴含公式二。";
        QTest::newRow("26 variables, on a worker")
            << equivalence << AllLetters({}, "v") << "~(" + AllLetters("~", "^") + ")"
            << "两公式等价。";
        QTest::newRow("empty formula 2") << implication << "A"
                                         << "" << error;
        QTest::newRow("operator without operand") << equivalence << "A"
                                                  << "Av" << error;
        QTest::newRow("table of a refused formula") << "truthTableButton"
                                                    << "AB"
                                                    << "" << error;
        QTest::newRow("form of a refused formula") << "conjunctiveButton"
                                                   << "A^"
                                                   << "" << error;
        QTest::newRow("form too long to show")
            << "disjunctiveButton"
            << "Av~AvBvCvDvEvFvGvHvIvJvKvL"
            << ""
            << "公式一的主析取范式超过十万个字符，太长，无法显示。";
    }

    // Each run gives exactly one message and leaves the results alone.
    void outcomes() {
        QFETCH(QString, button);
        QFETCH(QString, formula1);
        QFETCH(QString, formula2);
        QFETCH(QString, message);
        Run(button.toUtf8().constData(), formula1, formula2);
        QTRY_VERIFY(!fixture_.desktop.messages.isEmpty());
        QCOMPARE(TakeMessages(), QStringList{message});
        QTest::qWait(20);
        QVERIFY(fixture_.desktop.messages.isEmpty());
        QCOMPARE(Table()->LineCount(), 0u);
        QVERIFY(Box("conjunctiveBox").isEmpty() && Box("disjunctiveBox").isEmpty());
    }

    void resultsLandInTheirPlacesAndStayWhenRefused() {
        for (const char* button : {"truthTableButton", "conjunctiveButton", "disjunctiveButton"})
            Run(button, QStringLiteral("A>B"));
        for (const char* button : {"truthTableButton", "conjunctiveButton", "disjunctiveButton"})
            Run(button, QStringLiteral("A^^B"));
        QCOMPARE(TakeMessages().size(), 3);
        QCOMPARE(Table()->LineCount(), 5u);
        QCOMPARE(Table()->Line(0), QStringLiteral("A  B  公式"));
        QCOMPARE(Box("conjunctiveBox"), QStringLiteral("(~AvB)"));
        QCOMPARE(Box("disjunctiveBox"), QStringLiteral("(~A^~B)v(~A^B)v(A^B)"));
    }

    void enterRunsTheToolOfAFocusedButtonOnly() {
        Find<QLineEdit>("formula1Box")->setText(QStringLiteral("A"));
        Find<QLineEdit>("formula2Box")->setText(QStringLiteral("A"));
        for (const char* control : {"formula1Box", "formula2Box", "conjunctiveBox",
                                    "truthTableList", "implicationButton", "truthTableButton"}) {
            Find<QWidget>(control)->setFocus();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
        QCOMPARE(TakeMessages(), QStringList{QStringLiteral("公式一蕴含公式二。")});
        QCOMPARE(Table()->LineCount(), 3u);
        QVERIFY(Box("conjunctiveBox").isEmpty());
    }

    void tableOf26VariablesShowsAtOnce() {
        QElapsedTimer clock;
        clock.start();
        Run("truthTableButton", AllLetters({}, QStringLiteral("v")));
        Table()->ScrollToLine(Table()->LineCount() - 1);
        Table()->viewport()->repaint();
        qInfo("26 variables: last line shown %lld ms after the click", clock.elapsed());
        QCOMPARE(Table()->LineCount(), (1ull << 26) + 1);
        QCOMPARE(Table()->FirstVisibleLine() + Table()->LinesPerPage(), Table()->LineCount());
        QCOMPARE(Table()->Line(1), QString(QStringLiteral("0  ").repeated(26) + "  0"));
        QCOMPARE(Table()->Line((1ull << 25) + 1),
                 "1  " + QStringLiteral("0  ").repeated(25) + "  1");
        QCOMPARE(Table()->Line(1ull << 26), QString(QStringLiteral("1  ").repeated(26) + "  1"));
    }

    // The same button stops a search; the form shown before stays.
    void stopKeepsTheOldResult() {
        Run("conjunctiveButton", QStringLiteral("A>B"));
        Run("conjunctiveButton", "(" + LongFormula() + ")vAv~A");  // empty, after 2^26 steps
        QTRY_COMPARE(Find<QPushButton>("conjunctiveButton")->text(), QStringLiteral("停止"));
        QTest::mouseClick(Find<QPushButton>("conjunctiveButton"), Qt::LeftButton);
        QCOMPARE(Find<QPushButton>("conjunctiveButton")->text(),
                 QStringLiteral("公式一的主合取范式(&H)"));
        QTest::qWait(50);
        QCOMPARE(Box("conjunctiveBox"), QStringLiteral("(~AvB)"));
        QVERIFY(fixture_.desktop.messages.isEmpty());
    }
};

QTEST_MAIN(LogicPageTest)
#include "logic_page_test.moc"
