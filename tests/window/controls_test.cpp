// The control factory and the virtual list: what each kind of row promises
// beyond being a widget, on a form made for the test.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>
#include <QTreeView>
#include <QWheelEvent>
#include <array>

#include "gui_test_support.h"
#include "kit/control_factory.h"
#include "kit/result_box.h"
#include "kit/virtual_list.h"

using namespace zentova;
using namespace zentova::testing;

namespace {

using K = ControlKind;
constexpr ListColumn kColumns[] = {{"名称", 150}, {"表达式", 390}};
constexpr FontSpec kListFont = ArialFont(20, 8);
constexpr FontSpec kResultFont = ArialFont(30, 10);

constexpr std::array<ControlRow, 10> kRows{{
    {1, K::DigitsEdit, "digits", "", 0, 0, 40, 9, "n"},
    {2, K::UpDown, "node%1", "", 0, 12, 40, 12, "node"},
    {3, K::Combo, "kind", "", 0, 30, 130, 152, "kind"},
    ControlRow{4, K::MultiLineEdit, "input", "", 0, 50, 60, 30, "input"}.WithLimit(5),
    ControlRow{5, K::MultiLineEdit, "data", "", 70, 50, 60, 30, "data"}.WithOptions(option::kWrap),
    ControlRow{6, K::Edit, "hidden", "", 0, 0, 40, 14, "hidden"}.WithOptions(option::kHidden),
    ControlRow{7, K::ListView, "list", "", 140, 0, 200, 80, "list"}.WithColumns(kColumns),
    ControlRow{8, K::VirtualList, "table", "", 0, 90, 200, 100, "table"}.WithFont(kListFont),
    ControlRow{9, K::ReadOnlyEdit, "result", "", 210, 90, 102, 21, "积分值"}.WithFont(kResultFont),
    {10, K::ReadOnlyMultiLine, "forms", "", 210, 120, 102, 40, "范式"},
}};

// Qt Test has no helper for wheel events.
void SendWheel(QWidget* widget, QPoint at, QPoint angle) {
    QWheelEvent event(at, widget->mapToGlobal(at), {}, angle, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &event);
}

}  // namespace

class ControlsTest : public QObject {
    Q_OBJECT

  private:
    RecordingDesktop desktop_;
    std::unique_ptr<QWidget> form_;
    ControlMap controls_;

    template <class T>
    T* At(int id) {
        return qobject_cast<T*>(controls_.value(id));
    }

  private slots:
    void initTestCase() { PrepareApplication(); }

    void init() {
        form_ = std::make_unique<QWidget>();
        form_->resize(600, 400);
        controls_ = CreateControls(*form_, kRows, desktop_);
        form_->show();
        QApplication::setActiveWindow(form_.get());
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    }

    void cleanup() { form_.reset(); }

    void boxesTakeOnlyWhatTheirKindAllows() {
        QTest::keyClicks(At<QLineEdit>(1), QStringLiteral("-1a2"));
        QCOMPARE(At<QLineEdit>(1)->text(), QStringLiteral("12"));

        auto* node = At<QSpinBox>(2);
        QCOMPARE(node->objectName(), QStringLiteral("node2"));
        node->setRange(0, 3);
        node->setFocus();
        QTest::keyClicks(node, QStringLiteral("2"));
        QCOMPARE(node->value(), 0);
        QTest::keyClick(node, Qt::Key_Up);
        QCOMPARE(node->value(), 1);

        QTest::keyClicks(At<QPlainTextEdit>(4), QStringLiteral("abc"));
        QTest::keyClick(At<QPlainTextEdit>(4), Qt::Key_Return);
        QTest::keyClicks(At<QPlainTextEdit>(4), QStringLiteral("defg"));
        QCOMPARE(At<QPlainTextEdit>(4)->toPlainText(), QStringLiteral("abc\nd"));
        QCOMPARE(At<QPlainTextEdit>(4)->lineWrapMode(), QPlainTextEdit::NoWrap);
        QCOMPARE(At<QPlainTextEdit>(5)->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    }

    void rowsShapeHiddenBoxesCombosAndListViews() {
        QVERIFY(!controls_.value(6)->isVisible());
        auto* combo = At<QComboBox>(3);
        QCOMPARE(combo->height(), combo->sizeHint().height());
        // 152 units are 228 pixels: room for the ten statistics.
        QVERIFY(combo->maxVisibleItems() >= 10);
        auto* list = At<QTreeView>(7);
        QCOMPARE(list->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("表达式"));
        QCOMPARE(list->columnWidth(0), 150);
        QCOMPARE(list->columnWidth(1), 390);
        QVERIFY(!list->rootIsDecorated());
    }

    // A result shrinks until it fits, down to 8 pixels; beyond that the box
    // shows its start, with the whole text in its tooltip and spoken name.
    // Ctrl+C copies the selection, or the whole text when there is none.
    void resultBoxesShowAndCopyTheWholeResult() {
        auto* box = At<CResultBox>(9);
        const int full = box->font().pixelSize();
        const QString number = QStringLiteral("-5.77666752446856e-300");
        box->setText(number);
        QVERIFY(box->ShowsWhole() && box->font().pixelSize() < full);
        QVERIFY(box->fontMetrics().horizontalAdvance(number) < box->width());
        const QString message = QStringLiteral("所求的定积分在指定精度和深度下无意义").repeated(2);
        box->setText(message);
        QVERIFY(!box->ShowsWhole() && box->cursorPosition() == 0);
        QCOMPARE(box->font().pixelSize(), CResultBox::kSmallestPixelSize);
        QCOMPARE(WithoutBreaks(box->toolTip()), message);
        QCOMPARE(box->accessibleName(), QStringLiteral("积分值：") + message);
        box->setText(QStringLiteral("1"));
        QVERIFY(box->ShowsWhole() && box->font().pixelSize() == full && box->toolTip().isEmpty());
        QCOMPARE(box->accessibleName(), QStringLiteral("积分值"));

        box->setText(number);
        box->setFocus();
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(desktop_.clipboard, number);
        box->setSelection(1, 4);
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(desktop_.clipboard, QStringLiteral("5.77"));
        auto* forms = At<QPlainTextEdit>(10);
        forms->setPlainText(QStringLiteral("(A∨B)\n∧(¬A∨B)"));
        forms->setFocus();
        QTest::keyClick(forms, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(desktop_.clipboard, forms->toPlainText());
    }

    // 2^26 + 1 lines: a line is made only when shown or asked for.
    void virtualListMakesOnlyTheLinesItShows_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<qint64>("first");  // -1: the last page
        QTest::newRow("end") << int(Qt::Key_End) << qint64(-1);
        // The keys move the current line, which the list keeps in view: Down
        // stays within the first page, Page Down makes line `page` the last
        // one shown (they scrolled the view itself while the list had no
        // current line).
        QTest::newRow("down") << int(Qt::Key_Down) << qint64(0);
        QTest::newRow("page down") << int(Qt::Key_PageDown) << qint64(1);
        QTest::newRow("home") << int(Qt::Key_Home) << qint64(0);
        QTest::newRow("wheel") << 0 << qint64(QApplication::wheelScrollLines());
    }

    void virtualListMakesOnlyTheLinesItShows() {
        QFETCH(int, key);
        QFETCH(qint64, first);
        constexpr std::uint64_t kCount = (std::uint64_t{1} << 26) + 1;
        auto* table = At<CVirtualList>(8);
        int made = 0;
        table->SetLines(kCount, [&made](std::uint64_t i) {
            ++made;
            return std::to_string(i) + "  1";
        });
        QCOMPARE(table->font().pixelSize(), 18);
        const auto page = static_cast<std::uint64_t>(table->LinesPerPage());
        if (first == -1) first = static_cast<qint64>(kCount - page);
        table->setFocus();
        if (key == 0) {
            SendWheel(table->viewport(), {5, 5}, QPoint(0, -120));
        } else {
            QTest::keyClick(table, static_cast<Qt::Key>(key));
        }
        QTRY_COMPARE(table->FirstVisibleLine(), static_cast<std::uint64_t>(first));
        table->repaint();
        QVERIFY2(made <= 4 * static_cast<int>(page) + 4, qPrintable(QString::number(made)));
        QCOMPARE(table->Line(kCount - 1), QStringLiteral("67108864  1"));
        // The scroll bar reaches the last line too.
        table->verticalScrollBar()->setValue(table->verticalScrollBar()->maximum());
        QCOMPARE(table->FirstVisibleLine(), kCount - page);
    }
};

QTEST_MAIN(ControlsTest)
#include "controls_test.moc"
