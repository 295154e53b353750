// The logic page through its widgets: Enter, messages, the table, the forms.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
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
    testing::PageFixture fixture_{testing::PageId::Logic};
    CVirtualList* Table() { return fixture_.Find<CVirtualList>("truthTableList"); }
    void Trigger(const char* action) {
        Table()->findChild<QAction*>(QString::fromLatin1(action))->trigger();
    }
    void ClickLine(std::uint64_t line, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(Table()->viewport(), Qt::LeftButton, modifiers,
                          Table()->LineRect(line).center());
    }
    void TypeAndEnterOn(const char* control, const QString& formula1,
                        const QString& formula2 = {}) {
        fixture_.Find<QLineEdit>("formula1Box")->setText(formula1);
        fixture_.Find<QLineEdit>("formula2Box")->setText(formula2);
        fixture_.Find(control)->setFocus();
        QTest::keyClick(fixture_.Find(control), Qt::Key_Return);
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
        // The search over 2^26 assignments takes a few hundred milliseconds,
        // about as long as the button takes to turn into 停止; on a fast run
        // it ends first, and then its whole result (no clause) lands instead.
        auto* button = fixture_.Find<QPushButton>("conjunctiveButton");
        auto* conjunctive = fixture_.Find<QPlainTextEdit>("conjunctiveBox");
        QTRY_VERIFY(button->text() == QStringLiteral("停止") ||
                    conjunctive->toPlainText().isEmpty());
        const bool stopped = button->text() == QStringLiteral("停止");
        if (stopped) {
            QTest::keyClick(button, Qt::Key_Return);
            QTest::qWait(50);
        }
        QCOMPARE(fixture_.desktop.messages.size(), 3);
        QCOMPARE(Table()->LineCount(), 5u);
        QCOMPARE(Table()->Line(0), QStringLiteral("A  B  公式"));
        QCOMPARE(conjunctive->toPlainText(), stopped ? QStringLiteral("(~AvB)") : QString());
        QCOMPARE(fixture_.Find<QPlainTextEdit>("disjunctiveBox")->toPlainText(),
                 "(~A^~B)v(~A^B)v(A^B)");
    }

    void tableOf26VariablesShowsAtOnce() {
        TypeAndEnterOn("truthTableButton", kAll);
        Table()->ScrollToLine(Table()->LineCount());
        QCOMPARE(Table()->FirstVisibleLine() + Table()->LinesPerPage(), (1ull << 26) + 1);
        QCOMPARE(Table()->Line(1), QString("0  ").repeated(26) + "  0");
        QCOMPARE(Table()->Line((1ull << 25) + 1), "1  " + QString("0  ").repeated(25) + "  1");
        QCOMPARE(Table()->Line(1ull << 26), QString("1  ").repeated(26) + "  1");
    }

    // Clicks and keys select one run of lines, which Ctrl+C copies; with no
    // selection the whole table is copied, with more than 50,000 lines
    // nothing is.
    void selectedLinesAreCopied() {
        TypeAndEnterOn("truthTableButton", "A>B");
        CVirtualList* table = Table();
        table->setFocus();
        const QString all = "A  B  公式\n0  0    1\n0  1    1\n1  0    0\n1  1    1";
        const struct {
            const char* name;
            std::function<void()> select;
            QString copied;
        } kRows[] = {
            {"nothing selected", [] {}, all},
            {"click", [&] { ClickLine(2); }, "0  1    1"},
            {"shift+click", [&] { ClickLine(4, Qt::ShiftModifier); },
             "0  1    1\n1  0    0\n1  1    1"},
            {"shift+up from there", [&] { QTest::keyClick(table, Qt::Key_Up, Qt::ShiftModifier); },
             "0  1    1\n1  0    0"},
            {"down alone", [&] { QTest::keyClick(table, Qt::Key_Down); }, "1  1    1"},
            {"shift+home", [&] { QTest::keyClick(table, Qt::Key_Home, Qt::ShiftModifier); }, all},
            {"ctrl+a",
             [&] {
                 QTest::keyClick(table, Qt::Key_Down);
                 QTest::keyClick(table, Qt::Key_A, Qt::ControlModifier);
             },
             all},
        };
        for (const auto& [name, select, copied] : kRows) {
            select();
            fixture_.desktop.clipboard.clear();
            QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
            QVERIFY2(fixture_.desktop.clipboard == copied, name);
        }
        TypeAndEnterOn("truthTableButton", kAll);
        Table()->SelectAll();
        fixture_.desktop.clipboard.clear();
        Trigger("copyTableAction");
        QVERIFY(fixture_.desktop.clipboard.isEmpty());
        QVERIFY(fixture_.desktop.messages.last().text.startsWith("要复制的 67,108,865 行太多"));
    }

    // The saved file is the command line's text; a large one is asked for
    // first; a stopped save leaves nothing in the folder, not even its
    // temporary file.
    void tableIsSavedWholeOrNotAtAll() {
        QTemporaryDir folder;
        const QString file = folder.filePath("table.txt");
        TypeAndEnterOn("truthTableButton", "A>B");
        fixture_.desktop.filesToSave << file;
        Trigger("saveTableAction");
        QTRY_VERIFY(QFile::exists(file));
        // Done once the menu offers the save again.
        QTRY_VERIFY(Table()->findChild<QAction*>("saveTableAction")->isEnabled());
        QFile saved(file);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(saved.readAll()),
                 "A  B  公式\n0  0    1\n0  1    1\n1  0    0\n1  1    1\n");
        QVERIFY(fixture_.desktop.messages.isEmpty());
        QVERIFY(QFile::remove(file));

        TypeAndEnterOn("truthTableButton", kAll);
        Trigger("saveTableAction");  // declined: no file dialog
        QCOMPARE(fixture_.desktop.fileDialogs, 1);
        QVERIFY(fixture_.desktop.messages.last().question);
        QVERIFY(fixture_.desktop.messages.last().text.contains("约 5.5 GB"));
        fixture_.desktop.answer = true;
        fixture_.desktop.filesToSave << file;
        Trigger("saveTableAction");
        auto entries = [&folder] {
            return QDir(folder.path(), {}, QDir::Name, QDir::Files | QDir::Hidden).entryList();
        };
        QTRY_COMPARE(entries().size(), 1);  // the file being written
        QTest::keyClick(fixture_.Find("truthTableButton"), Qt::Key_Return);  // stops
        QCOMPARE(entries(), QStringList());
        QCOMPARE(Table()->LineCount(), (1ull << 26) + 1);
        QCOMPARE(fixture_.Find<QPushButton>("truthTableButton")->text(),
                 QStringLiteral("公式一的真值表(&T)"));
    }
};

QTEST_MAIN(LogicPageTest)
#include "logic_page_test.moc"
