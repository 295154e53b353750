// Every control a person can reach, by keyboard or by mouse, on every page, in
// the toolbar and in the About box has a name a screen reader can say.
#include <QAbstractButton>
#include <QAccessible>
#include <QLineEdit>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "gui_test_support.h"
#include "kit/hyperlink.h"
#include "kit/page_base.h"
#include "kit/virtual_list.h"
#include "shell/zentova_view.h"

using namespace zentova;
using namespace zentova::testing;

namespace {

bool Reachable(const QWidget& widget) {
    return widget.focusPolicy() != Qt::NoFocus || qobject_cast<const QAbstractButton*>(&widget) ||
           qobject_cast<const CHyperLink*>(&widget);
}

// The reachable controls under `parent` without a name. The parts of a
// control (a list's scroll bars) go by the control's name.
QStringList Unnamed(const QWidget& parent) {
    QStringList unnamed;
    for (QWidget* child : parent.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow()) continue;
        if (!Reachable(*child)) {
            unnamed << Unnamed(*child);
        } else if (child->accessibleName().isEmpty()) {
            unnamed << parent.objectName() + QLatin1Char('/') + child->objectName();
        }
    }
    return unnamed;
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

  private:
    FrameFixture fixture_;

  private slots:
    void initTestCase() { PrepareApplication(); }
    void init() { fixture_.Open(); }
    void cleanup() { fixture_.Close(); }

    void everyPageAndDialogNamesItsControls() {
        QStringList unnamed;
        for (int i = 0; i < fixture_.View().PageCount(); ++i)
            unnamed << Unnamed(*fixture_.View().Page(i));
        fixture_.desktop.onModal = [&unnamed](QDialog& about) {
            unnamed << Unnamed(about);
            return 0;
        };
        fixture_.frame->ShowAboutBox();
        // The custom expression page's name dialog, opened by its add button.
        fixture_.View().ShowPage(Index(PageId::CustomExpr));
        fixture_.frame->findChild<QAbstractButton*>(QStringLiteral("exprAddButton"))->click();
        QCOMPARE(fixture_.desktop.modalTitles.size(), 2);
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
    }

    void toolbarButtonsAreCalledByTheirPagesAndDescribedByTheirTips() {
        for (const ToolbarSet set : {ToolbarSet::A, ToolbarSet::B}) {
            fixture_.frame->ShowToolbarSet(set);
            const QStringList unnamed = Unnamed(*fixture_.frame->ToolBar());
            QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
            for (std::size_t index = 0; index < PageTable().size(); ++index) {
                const PageEntry& entry = PageTable()[index];
                if (entry.set != set) continue;
                QToolButton* button =
                    fixture_.ToolbarButton(QStringLiteral("pageButton%1").arg(index));
                QCOMPARE(button->accessibleName(), QString::fromUtf8(SpokenName(entry)));
                QCOMPARE(button->accessibleDescription(), QString::fromUtf8(entry.tip));
            }
        }
        QCOMPARE(fixture_.frame->Button(0)->accessibleName(), QStringLiteral("上一页"));
    }

    // A table of 26 variables is a list of 2^26 + 1 items read by their text:
    // the header, a middle and the last line. Focusing the last through
    // accessibility scrolls it into view at once; the arrow keys move the
    // focused item with the current line; the selection is reported.
    void truthTableReadsAsAListOfItsLines() {
        fixture_.View().ShowPage(Index(PageId::Logic));
        QWidget* page = fixture_.Page(PageId::Logic);
        page->findChild<QLineEdit*>(QStringLiteral("formula1Box"))
            ->setText(QStringLiteral("AvBvCvDvEvFvGvHvIvJvKvLvMvNvOvPvQvRvSvTvUvVvWvXvYvZ"));
        page->findChild<QAbstractButton*>(QStringLiteral("truthTableButton"))->click();
        auto* list = page->findChild<CVirtualList*>(QStringLiteral("truthTableList"));
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(list);
        QCOMPARE(table->role(), QAccessible::List);
        QCOMPARE(table->text(QAccessible::Name), QStringLiteral("真值表"));
        QCOMPARE(table->childCount(), (1 << 26) + 1);
        QCOMPARE(table->tableInterface()->rowCount(), (1 << 26) + 1);
        QString header;
        for (char letter = 'A'; letter <= 'Z'; ++letter)
            header += QString(letter) + "  ";
        header += "公式";
        const struct {
            int line;
            QString text;
            bool inView;
        } kLines[] = {
            {0, header, true},
            {(1 << 25) + 1, "1  " + QString("0  ").repeated(25) + "  1", false},
            {1 << 26, QString("1  ").repeated(26) + "  1", false},
        };
        for (const auto& [line, text, inView] : kLines) {
            QAccessibleInterface* item = table->child(line);
            QCOMPARE(item->role(), QAccessible::ListItem);
            QCOMPARE(item->text(QAccessible::Name), text);
            QCOMPARE(table->indexOfChild(item), line);
            QCOMPARE(item->tableCellInterface()->rowIndex(), line);
            QCOMPARE(!item->rect().isEmpty(), inView);
            if (inView) QVERIFY(table->rect().contains(item->rect()));
        }

        QAccessibleInterface* last = table->child(1 << 26);
        last->actionInterface()->doAction(QAccessibleActionInterface::setFocusAction());
        QCOMPARE(list->FirstVisibleLine() + list->LinesPerPage(), (1ull << 26) + 1);
        QVERIFY(!last->rect().isEmpty());
        QVERIFY(last->state().focused && last->state().selected);
        QCOMPARE(table->focusChild(), last);
        QTest::keyClick(list, Qt::Key_Up, Qt::ShiftModifier);
        QTest::keyClick(list, Qt::Key_Up, Qt::ShiftModifier);
        // The item a focus event names (the offscreen platform sends none).
        QCOMPARE(table->focusChild()->text(QAccessible::Name),
                 QString("1  ").repeated(24) + "0  1    1");
        QCOMPARE(table->tableInterface()->selectedRowCount(), 3);
        QVERIFY(table->tableInterface()->isRowSelected((1 << 26) - 1));
        QVERIFY(!table->tableInterface()->isRowSelected((1 << 26) - 3));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
