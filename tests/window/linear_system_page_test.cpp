// The linear system page: what lands in the list, the count box and message
// boxes, where Enter solves, and a pasted order-100 system with its timing.
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>

#include "common/common_messages.h"
#include "linalg/linalg_messages.h"
#include "linalg_page_test_support.h"

using namespace zentova;
using namespace zentova::testing;

class LinearSystemPageTest : public QObject {
    Q_OBJECT
    LinalgPage page_{PageFixture(PageId::LinearSystem),
                     {"systemUnknownsBox", "systemCoefficientBox"},
                     {"systemSolutionList", "systemUnknownsBox"}};

  private slots:
    void initTestCase() { PrepareApplication(); }
    void init() { page_.fixture.Open(); }
    void cleanup() { page_.fixture.Close(); }

    // Messages, then the lines and the count box, after each input in turn.
    void solve() {
        QCOMPARE(page_.Shown(), "0");
        page_.Expect("1|2 5|systemSolveButton", "x0 = 2.5|1");
        // A count that is no integer: a prompt, nothing solved, nothing typed lost.
        page_.Expect("|4 6|systemSolveButton", Text(msg::kEnterInteger) + "|x0 = 2.5|");
        page_.Expect("0|1 2|systemUnknownsBox", Text(msg::kEnterUnknownCount) + "|x0 = 2.5|0");
        page_.Expect("02|1 1 3 1 -1 1|systemCoefficientBox", "x0 = 2.5|02");
        page_.Expect("02|1 1 3 1 -1 1|systemUnknownsBox", "x0 = 2|x1 = 1|2");
        // A token that is no number is refused before the list is emptied.
        page_.Expect("02|1 x 3 1 -1 1|systemSolveButton",
                     "第 2 个数“x”（第 1 行第 2 列）不是数字。|x0 = 2|x1 = 1|02");
        page_.Expect("02|1 2 3|systemSolveButton", Text(msg::kCoefficientCountWrong) + "|02");
        page_.Expect("02|1 2 3 2 4 6|systemSolveButton", Text(msg::kNoUniqueSolution) + "|2");
        // Sorted as text, so that x10 stands between x1 and x2.
        QVERIFY(qobject_cast<QListWidget*>(page_.Find("systemSolutionList"))->isSortingEnabled());
    }

    // Ctrl+C takes the lines picked with the mouse or the keys, as shown, or
    // all of them when none is picked.
    void copiesTheSelectedSolutions() {
        page_.Expect("3|1 0 0 1 0 1 0 2 0 0 1 3|systemSolveButton", "x0 = 1|x1 = 2|x2 = 3|3");
        auto* list = qobject_cast<QListWidget*>(page_.Find("systemSolutionList"));
        list->setFocus();
        QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(page_.fixture.desktop.clipboard, QStringLiteral("x0 = 1\nx1 = 2\nx2 = 3"));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(2)).center());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          list->visualItemRect(list->item(0)).center());
        QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(page_.fixture.desktop.clipboard, QStringLiteral("x0 = 1\nx2 = 3"));
    }

    void pastedOrder100() {
        QString text;  // strongly diagonal, in mixed number forms and separators
        for (int i = 0; i < 100 * 101; ++i)
            text += (i % 102 == 0 ? QStringLiteral("2.5e3") : QString::number(i % 11 - 5)) +
                    (i % 3 == 0       ? QStringLiteral("，")
                     : i % 101 == 100 ? "\r\n"
                                      : ", ");
        QApplication::clipboard()->setText(text);
        QElapsedTimer timer;
        timer.start();
        page_.Find("systemCoefficientBox")->setFocus();
        QTest::keySequence(page_.Find("systemCoefficientBox"), QKeySequence::Paste);
        page_.Type({"100"});
        QTest::mouseClick(page_.Find("systemSolveButton"), Qt::LeftButton);
        QCoreApplication::processEvents();
        qInfo("paste and solve at order 100: %lld ms", static_cast<long long>(timer.elapsed()));
        QCOMPARE(page_.Shown().count(QLatin1Char('|')), 100);
    }
};

QTEST_MAIN(LinearSystemPageTest)
#include "linear_system_page_test.moc"
