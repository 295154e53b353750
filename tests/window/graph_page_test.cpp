// The graph page: the node boxes' ranges, Enter routing, and the box or
// message each button's answer lands in.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTest>

#include "gui_test_support.h"
#include "kit/page_base.h"
#include "shell/zentova_view.h"

class GraphPageTest : public QObject {
    Q_OBJECT
    zentova::testing::PageFixture fixture_{zentova::testing::PageId::Graph};

  private slots:
    void initTestCase() { zentova::testing::PrepareApplication(); }
    void init() { fixture_.Open(); }
    void cleanup() { fixture_.Close(); }

    void nodeBoxesFollowTheCount() {
        for (const auto& [count, highest] : {std::pair{"4", 3}, {"", 0}, {"60", 49}, {"2", 1}}) {
            fixture_.Find<QLineEdit>("nodeCountBox")->setText(QString::fromUtf8(count));
            for (const char* name : {"fromBox", "toBox", "endBox"}) {
                for (int i = 0; i < 60; ++i)
                    QTest::keyClick(fixture_.Find(name), Qt::Key_Up);
                QCOMPARE(fixture_.Find<QSpinBox>(name)->value(), highest);
            }
        }
    }

    // Enter on a control ("@name") or a click on a button; then the tree, the
    // lengths and the path, the messages and the matrix if Enter changed it.
    void answersLandWhereTheyBelong() {
        const char* k3 = "0 0 1\n0 0 2\n1 2 0";  // no edge among its first four numbers
        const struct {
            const char *count, *action, *shown;
            int to = 0;
        } kCases[] = {
            {"3", "@spanningTreeButton", "0,0,1,\n0,0,2,\n1,2,0|0||0"},
            {"3", "@fromBox", "|3|0→2→1|0", 1},
            {"3", "@toBox", "|-1|它们是同一点|0"},
            {"3", "@endBox", "|0||-1"},
            {"3", "@matrixBox", "|0||0|\n0 0 1\n0 0 2\n1 2 0"},
            {"2", "spanningTreeButton", "图不连通，不存在最小生成树。|0||0"},
            {"51", "criticalPathButton", "|0||0|结点数必须在 1 到 50 之间。"},
        };
        for (const auto& row : kCases) {
            cleanup();
            init();
            fixture_.Find<QLineEdit>("nodeCountBox")->setText(QString::fromUtf8(row.count));
            fixture_.Find<QPlainTextEdit>("matrixBox")->setPlainText(QString::fromUtf8(k3));
            fixture_.Find<QSpinBox>("toBox")->setValue(row.to);
            QWidget* control = fixture_.Find(row.action + (row.action[0] == '@' ? 1 : 0));
            control->setFocus();
            row.action[0] == '@' ? QTest::keyClick(control, Qt::Key_Return)
                                 : QTest::mouseClick(control, Qt::LeftButton);
            QStringList shown{fixture_.Find<QPlainTextEdit>("treeBox")->toPlainText()};
            for (const char* box : {"shortestLengthBox", "pathBox", "criticalLengthBox"})
                shown << fixture_.Find<QLineEdit>(box)->text();
            for (const auto& message : fixture_.desktop.messages)
                shown << message.text;
            if (fixture_.Find<QPlainTextEdit>("matrixBox")->toPlainText() != k3)
                shown << fixture_.Find<QPlainTextEdit>("matrixBox")->toPlainText();
            QCOMPARE(shown.join(QLatin1Char('|')), QString::fromUtf8(row.shown));
        }
    }
};

QTEST_MAIN(GraphPageTest)
#include "graph_page_test.moc"
