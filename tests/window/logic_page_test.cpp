// The logic page through its widgets: Enter, messages, the table, the forms.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "gui_test_support.h"
#include "kit/page_base.h"
#include "kit/virtual_list.h"
#include "shell/zentova_view.h"

using namespace zentova;

constexpr char kAll[] = "AvBvCvDvEvFvGvHvIvJvKvLvMvNvOvPvQvRvSvTvUvVvWvXvYvZ";
constexpr const char* kRuns[][4] = {
    {"equivalenceButton", "A>B", "~AvB", "两公式等价。"},
    {"equivalenceButton", "A>B", "B>A", "两公式不等价。"},
    {"implicationButton", "A^B", "AvB", "公式一蕴含公式二。"},
    {"implicationButton", "AvB", "A^B", "公式一不蕴含公式二。"},
    {"equivalenceButton", kAll, kAll, "两公式等价。"},  // on a worker
    {"implicationButton", "A", "", "公式输入错误。"},
    {"equivalenceButton", "A", "Av", "公式输入错误。"},
    {"disjunctiveButton", "Av~AvBvCvDvEvFvGvHvIvJvKvL", "",
     "公式一的主析取范式超过十万个字符，太长，无法显示。"},
};

class LogicPageTest : public QObject {
    Q_OBJECT
    testing::FrameFixture fixture_;

    template <class T = QWidget>
    T* Find(const char* name) {
        return fixture_.frame->View()->Page(12)->findChild<T*>(QString::fromLatin1(name));
    }
    CVirtualList* Table() { return Find<CVirtualList>("truthTableList"); }
    void TypeAndEnterOn(const char* control, const QString& formula1,
                        const QString& formula2 = {}) {
        fixture_.frame->View()->ShowPage(12);
        Find<QLineEdit>("formula1Box")->setText(formula1);
        Find<QLineEdit>("formula2Box")->setText(formula2);
        Find(control)->setFocus();
        QTest::keyClick(Find(control), Qt::Key_Return);
    }

  private slots:
    void initTestCase() { testing::PrepareApplication(); }
    void init() { fixture_.Open(); }
    void cleanup() { fixture_.Close(); }

    // One message per run, and no result on the page.
    void outcomes() {
        for (const auto& [control, formula1, formula2, message] : kRuns) {
            fixture_.desktop.messages.clear();
            TypeAndEnterOn(control, formula1, formula2);
            QTRY_COMPARE(fixture_.desktop.messages.size(), 1);
            QCOMPARE(fixture_.desktop.messages.first().text, QString::fromUtf8(message));
        }
        QCOMPARE(Table()->LineCount(), 0u);
    }

    // Enter elsewhere than on a button runs nothing. No refused formula (three
    // messages) nor a stopped search over 2^26 assignments changes a result.
    void resultsLandInTheirPlacesAndStay() {
        for (const char* formula : {"A>B", "A^^B"}) {
            for (const char* control :
                 {"truthTableButton", "conjunctiveButton", "disjunctiveButton", "formula1Box",
                  "truthTableList", "conjunctiveBox"})
                TypeAndEnterOn(control, formula);
        }
        TypeAndEnterOn("conjunctiveButton",
                       "(" + QString("(%1)>").arg(kAll).repeated(18).chopped(1) + ")vAv~A");
        QTRY_COMPARE(Find<QPushButton>("conjunctiveButton")->text(), QStringLiteral("停止"));
        QTest::keyClick(Find("conjunctiveButton"), Qt::Key_Return);
        QTest::qWait(50);
        QCOMPARE(fixture_.desktop.messages.size(), 3);
        QCOMPARE(Table()->LineCount(), 5u);
        QCOMPARE(Table()->Line(0), QStringLiteral("A  B  公式"));
        QCOMPARE(Find<QPlainTextEdit>("conjunctiveBox")->toPlainText(), "(~AvB)");
        QCOMPARE(Find<QPlainTextEdit>("disjunctiveBox")->toPlainText(), "(~A^~B)v(~A^B)v(A^B)");
    }

    void tableOf26VariablesShowsAtOnce() {
        TypeAndEnterOn("truthTableButton", kAll);
        Table()->ScrollToLine(Table()->LineCount());
        QCOMPARE(Table()->FirstVisibleLine() + Table()->LinesPerPage(), (1ull << 26) + 1);
        QCOMPARE(Table()->Line(1), QString("0  ").repeated(26) + "  0");
        QCOMPARE(Table()->Line((1ull << 25) + 1), "1  " + QString("0  ").repeated(25) + "  1");
        QCOMPARE(Table()->Line(1ull << 26), QString("1  ").repeated(26) + "  1");
    }
};

QTEST_MAIN(LogicPageTest)
#include "logic_page_test.moc"
