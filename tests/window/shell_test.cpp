// The shell's rules: one visible page, creation and destruction order, the
// toolbar sets and their tips, the focus rule, pages keeping their state, the
// fixed window and the About box.
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>

#include "gui_test_support.h"
#include "kit/hyperlink.h"
#include "kit/page_base.h"
#include "kit/page_entry.h"
#include "kit/pictures.h"
#include "kit/tooltips.h"
#include "kit/units.h"
#include "pages/cover_page.h"
#include "shell/about_box.h"
#include "shell/startup_script.h"
#include "shell/zentova_view.h"

using namespace zentova;
using namespace zentova::testing;

namespace {

QList<int> VisiblePages(const CZentovaView& view) {
    QList<int> visible;
    for (int i = 0; i < view.PageCount(); ++i) {
        if (view.Page(i)->isVisible()) visible << i;
    }
    return visible;
}

// The tips of the two sets, left to right.
const char* const kSetATips[] = {
    "其实就是封面：）",       "可直接输入表达式进行计算的计算器，提供了丰富的函数",
    "与矩阵有关的一系列计算", "解行列式，可解2至100阶行列式",
    "求定积分与微分",         "数列求和与求积，可指定步长",
    "解2到100元线性方程组",   "常用的统计计算",
    "自定义表达式计算",       "下一页",
};
const char* const kSetBTips[] = {
    "上一页", "与图论有关的计算", "常用的常数", "多项式相乘", "与命题逻辑有关的计算",
};

}  // namespace

class ShellTest : public QObject {
    Q_OBJECT

  private:
    FrameFixture fixture_;

    CMainFrame& Frame() { return *fixture_.frame; }
    CZentovaView& View() { return *fixture_.frame->View(); }

    // Clicks the toolbar button of page `index`, switching sets first when
    // the button is not on show. Where each button stands is the tips' test.
    void ClickPageButton(int index) {
        const PageEntry& entry = PageTable()[static_cast<std::size_t>(index)];
        if (Frame().CurrentSet() != entry.set) {
            QToolButton* swap = fixture_.ToolbarButton(Frame().CurrentSet() == ToolbarSet::A
                                                           ? QStringLiteral("nextSetButton")
                                                           : QStringLiteral("previousSetButton"));
            QVERIFY(swap != nullptr);
            QTest::mouseClick(swap, Qt::LeftButton);
        }
        QCOMPARE(Frame().CurrentSet(), entry.set);
        QToolButton* button = fixture_.ToolbarButton(QStringLiteral("pageButton%1").arg(index));
        QVERIFY(button != nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    void ClickPageButton(PageId page) { ClickPageButton(Index(page)); }

  private slots:
    void initTestCase() { PrepareApplication(); }

    void init() { fixture_.Open(); }

    // What Qt itself shows (a box's context menu, file dialogs) reads Chinese.
    void qtTextsAreChinese() {
        QCOMPARE(QCoreApplication::translate("QLineEdit", "&Copy"), QStringLiteral("复制(&C)"));
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Open"), QStringLiteral("打开"));
    }

    void cleanup() { fixture_.Close(); }

    void startsOnTheCoverWithSetA() {
        QCOMPARE(VisiblePages(View()), QList<int>{Index(PageId::Cover)});
        QCOMPARE(Frame().CurrentSet(), ToolbarSet::A);
        QCOMPARE(Frame().ToolBar()->actions().size(), 10);
        QVERIFY(fixture_.Page(PageId::Cover)->hasFocus());
    }

    void windowIsFixedWithoutMenuOrMaximise() {
        QVERIFY(Frame().windowTitle().startsWith(QStringLiteral("Zentova " ZENTOVA_VERSION " ")));
        QVERIFY(Frame().windowTitle().size() > 13);
        QCOMPARE(Frame().minimumSize(), Frame().maximumSize());
        QCOMPARE(Frame().size(), QSize(590, kToolbarHeight + 378));
        const Qt::WindowFlags flags = Frame().windowFlags();
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(flags & Qt::WindowMinimizeButtonHint);
        QVERIFY(Frame().menuWidget() == nullptr);
        QVERIFY(!Frame().ToolBar()->isMovable());
        QCOMPARE(Frame().ToolBar()->iconSize(), QSize(48, 48));
        QCOMPARE(View().size(), kPageSize);
        QCOMPARE(kPageSize, QSize(590, 378));
        // Centred on its screen.
        const QPoint centre = Frame().screen()->availableGeometry().center();
        const QPoint offset = Frame().frameGeometry().center() - centre;
        QVERIFY2(offset.manhattanLength() <= 2,
                 qPrintable(QStringLiteral("off by %1,%2").arg(offset.x()).arg(offset.y())));
    }

    void viewCreatesCoverFirstAndLogicLast() {
        QList<int> order;
        for (QObject* child : View().children()) {
            if (auto* page = qobject_cast<CPageBase*>(child)) {
                order << page->objectName().mid(4).toInt();
            }
        }
        QCOMPARE(order, (QList<int>{11, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12}));
        for (int i = 0; i < View().PageCount(); ++i) {
            QCOMPARE(View().Page(i)->geometry(), QRect(QPoint(0, 0), kPageSize));
        }
    }

    void pageTableHoldsThirteenCommands() {
        const int kCommands[] = {32776, 32778, 32779, 32780, 32781, 32784, 32785,
                                 32786, 32782, 32788, 32791, 32792, 32793};
        QCOMPARE(PageTable().size(), std::size(kCommands));
        for (std::size_t i = 0; i < std::size(kCommands); ++i) {
            const PageEntry& entry = PageTable()[i];
            QCOMPARE(entry.command, kCommands[i]);
            QVERIFY2(!PictureIcon(QString::fromUtf8(entry.icon), {48, 48}).isNull(), entry.icon);
        }
        QCOMPARE(QString::fromUtf8(PageTable()[0].shortName), QStringLiteral("表达式计算"));
        QCOMPARE(QString::fromUtf8(PageTable()[Index(PageId::Logic)].shortName),
                 QStringLiteral("与命题逻辑有关的计算"));
    }

    // `--page` takes the indexes of the table it is given, and no others.
    void pageOptionTakesTheTableIndexes() {
        const int count = View().PageCount();
        const QString refused = QStringLiteral("--page takes 0 to 12");
        for (const auto& [page, error] :
             {std::pair{-1, refused}, {0, QString()}, {count - 1, QString()}, {count, refused}}) {
            const QStringList arguments{"zentova", "--page", QString::number(page)};
            QCOMPARE(ParseStartupScript(arguments, count).error, error);
        }
    }

    void toolbarTipsOfBothSets() {
        for (const ToolbarSet set : {ToolbarSet::A, ToolbarSet::B}) {
            Frame().ShowToolbarSet(set);
            const int count = static_cast<int>(set == ToolbarSet::A ? std::size(kSetATips)
                                                                    : std::size(kSetBTips));
            QCOMPARE(Frame().ToolBar()->actions().size(), count);
            for (int i = 0; i < count; ++i) {
                QToolButton* button = Frame().Button(i);
                QVERIFY(button != nullptr);
                const char* expected = set == ToolbarSet::A ? kSetATips[i] : kSetBTips[i];
                QCOMPARE(WithoutBreaks(button->toolTip()), QString::fromUtf8(expected));
                QCOMPARE(button->toolTipDuration(), 6000);
                QVERIFY2(TipFitsWidth(button->toolTip()), expected);
                QVERIFY(!button->icon().isNull());
            }
        }
    }

    void longTipsWrapWithinTheWidth() {
        const QString longTip = QString::fromUtf8(kSetATips[1]).repeated(3);
        const QString wrapped = WrapTipText(longTip, QToolTip::font());
        QVERIFY(wrapped.count(QLatin1Char('\n')) >= 1);
        QVERIFY(TipFitsWidth(wrapped));
        QCOMPARE(WithoutBreaks(wrapped), longTip);
        // Breaks that a tip already has stay where they are.
        QCOMPARE(WrapTipText(QStringLiteral("a\n\nb"), QToolTip::font()), QStringLiteral("a\n\nb"));
    }

    void everyButtonShowsItsPageOnly_data() {
        QTest::addColumn<int>("index");
        for (int index = 0; index < static_cast<int>(PageTable().size()); ++index) {
            QTest::addRow("page%d", index) << index;
        }
    }

    void everyButtonShowsItsPageOnly() {
        QFETCH(int, index);
        ClickPageButton(index);
        QCOMPARE(VisiblePages(View()), QList<int>{index});
        QCOMPARE(View().VisiblePage(), index);
        CPageBase* page = View().Page(index);
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus == page || page->isAncestorOf(focus));
    }

    void switchingSetsKeepsThePage() {
        ClickPageButton(PageId::Calculator);
        const QList<int> calculator{Index(PageId::Calculator)};
        QTest::mouseClick(Frame().Button(9), Qt::LeftButton);
        QCOMPARE(Frame().CurrentSet(), ToolbarSet::B);
        QCOMPARE(Frame().ToolBar()->actions().size(), 5);
        QCOMPARE(VisiblePages(View()), calculator);
        QTest::mouseClick(Frame().Button(0), Qt::LeftButton);
        QCOMPARE(Frame().CurrentSet(), ToolbarSet::A);
        QCOMPARE(VisiblePages(View()), calculator);
        // The buttons of the set that went away are gone, not just hidden.
        QTRY_VERIFY(Frame().findChild<QToolButton*>(QStringLiteral("previousSetButton")) ==
                    nullptr);
    }

    // The page keys go on (Ctrl+PgDn, Ctrl+Tab) or back (Ctrl+PgUp,
    // Ctrl+Shift+Tab) in toolbar order, round the end and across the sets,
    // from any control, a multi-line box included; the page's button is then
    // checked, for a screen reader too, and the focus is on its first box.
    void pageKeysStepInToolbarOrder_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("focus");  // "": the page itself
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("firstBox");  // "": the page has none
        const int ctrl = Qt::ControlModifier;
        const int ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
        const int cover = Index(PageId::Cover);
        const int calculator = Index(PageId::Calculator);
        const int custom = Index(PageId::CustomExpr);
        const int graph = Index(PageId::Graph);
        const int logic = Index(PageId::Logic);
        QTest::newRow("cover, on")
            << cover << "" << int(Qt::Key_PageDown) << ctrl << calculator << "expressionBox";
        QTest::newRow("end of set A, on")
            << custom << "exprList" << int(Qt::Key_Tab) << ctrl << graph << "matrixBox";
        QTest::newRow("last page, on")
            << logic << "formula2Box" << int(Qt::Key_PageDown) << ctrl << cover << "";
        QTest::newRow("cover, back")
            << cover << "" << int(Qt::Key_PageUp) << ctrl << logic << "formula1Box";
        QTest::newRow("multi-line box, back")
            << Index(PageId::LinearSystem) << "systemCoefficientBox" << int(Qt::Key_Backtab)
            << ctrlShift << Index(PageId::Series) << "sumEndBox";
        QTest::newRow("start of set B, back")
            << graph << "matrixBox" << int(Qt::Key_Tab) << ctrlShift << custom << "exprList";
    }

    void pageKeysStepInToolbarOrder() {
        QFETCH(int, from);
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, to);
        QFETCH(QString, firstBox);
        ClickPageButton(from);
        QWidget* start = View().Page(from);
        if (!focus.isEmpty()) start = start->findChild<QWidget*>(focus);
        start->setFocus();
        QTest::keyClick(start, static_cast<Qt::Key>(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(VisiblePages(View()), QList<int>{to});
        const PageEntry& entry = PageTable()[static_cast<std::size_t>(to)];
        QCOMPARE(Frame().CurrentSet(), entry.set);
        const QString name = QStringLiteral("pageButton%1").arg(to);
        QVERIFY(
            QAccessible::queryAccessibleInterface(fixture_.ToolbarButton(name))->state().checked);
        for (int position = 0; position < Frame().ToolBar()->actions().size(); ++position) {
            QToolButton* button = Frame().Button(position);
            QCOMPARE(button->isChecked(), button->objectName() == name);
        }
        QWidget* focused = QApplication::focusWidget();
        if (firstBox.isEmpty()) {
            QVERIFY(focused == View().Page(to) || View().Page(to)->isAncestorOf(focused));
        } else {
            QCOMPARE(focused->objectName(), firstBox);
        }
        if (!focus.isEmpty()) {  // the box did not take the key as its own
            auto* box = View().Page(from)->findChild<QPlainTextEdit*>(focus);
            if (box != nullptr) QVERIFY(box->toPlainText().isEmpty());
        }
    }

    void showingTheVisiblePageAgainKeepsItAndFocusesIt() {
        ClickPageButton(PageId::Calculator);
        auto* result =
            fixture_.Page(PageId::Calculator)->findChild<QLineEdit*>(QStringLiteral("resultBox"));
        result->setFocus();
        ClickPageButton(PageId::Calculator);
        QCOMPARE(VisiblePages(View()), QList<int>{Index(PageId::Calculator)});
        QCOMPARE(QApplication::focusWidget(), result);
    }

    void focusGoesToTheFirstControlThenTheLastUsedOne() {
        ClickPageButton(PageId::Calculator);
        CPageBase* page = fixture_.Page(PageId::Calculator);
        QCOMPARE(QApplication::focusWidget(),
                 page->findChild<QLineEdit*>(QStringLiteral("expressionBox")));
        auto* history = page->findChild<QListWidget*>(QStringLiteral("historyList"));
        history->setFocus();
        ClickPageButton(PageId::Cover);
        QVERIFY(fixture_.Page(PageId::Cover)->hasFocus());
        ClickPageButton(PageId::Calculator);
        QCOMPARE(QApplication::focusWidget(), history);
    }

    void pagesKeepTheirStateWhileHidden() {
        ClickPageButton(PageId::Calculator);
        CPageBase* page = fixture_.Page(PageId::Calculator);
        auto* box = page->findChild<QLineEdit*>(QStringLiteral("expressionBox"));
        auto* result = page->findChild<QLineEdit*>(QStringLiteral("resultBox"));
        auto* history = page->findChild<QListWidget*>(QStringLiteral("historyList"));
        QTest::mouseClick(page->findChild<QRadioButton*>(QStringLiteral("degreesRadio")),
                          Qt::LeftButton, {}, QPoint(6, 8));
        QTest::keyClicks(box, QStringLiteral("sin(30)"));
        QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClicks(box, QStringLiteral("+1"));
        for (const PageId other : {PageId::Cover, PageId::Graph, PageId::Logic, PageId::Calculus})
            ClickPageButton(other);
        ClickPageButton(PageId::Calculator);
        QCOMPARE(box->text(), QStringLiteral("sin(30)+1"));
        QCOMPARE(result->text(), QStringLiteral("0.5"));
        QCOMPARE(history->count(), 1);
        // The angle mode stayed as well.
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(result->text(), QStringLiteral("1.5"));
    }

    void escapeAndEnterNeverHideAPage_data() {
        QTest::addColumn<int>("index");
        for (int index = 0; index < static_cast<int>(PageTable().size()); ++index) {
            QTest::addRow("page%d", index) << index;
        }
    }

    void escapeAndEnterNeverHideAPage() {
        QFETCH(int, index);
        ClickPageButton(index);
        for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
            QTest::keyClick(QApplication::focusWidget(), key);
            QCOMPARE(VisiblePages(View()), QList<int>{index});
        }
    }

    void controlsLieInsideTheirPageWithoutOverlapping_data() {
        QTest::addColumn<int>("index");
        for (int index = 0; index < static_cast<int>(PageTable().size()); ++index) {
            QTest::addRow("page%d", index) << index;
        }
    }

    void controlsLieInsideTheirPageWithoutOverlapping() {
        QFETCH(int, index);
        CPageBase* page = View().Page(index);
        QList<QWidget*> controls;
        for (QWidget* child : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!child->property("controlId").isValid()) continue;
            QVERIFY2(page->rect().contains(child->geometry()), qPrintable(child->objectName()));
            QVERIFY2(!child->objectName().isEmpty(), "every control has an object name");
            QVERIFY2(!child->accessibleName().isEmpty(), qPrintable(child->objectName()));
            for (QWidget* other : controls) {
                // A group frame comes before the controls it holds, beneath them.
                if (qobject_cast<QGroupBox*>(other) &&
                    other->geometry().contains(child->geometry()))
                    continue;
                QVERIFY2(
                    !child->geometry().intersects(other->geometry()),
                    qPrintable(child->objectName() + QStringLiteral(" / ") + other->objectName()));
            }
            controls << child;
        }
    }

    void closingDestroysEveryPageInIndexOrder() {
        QStringList destroyed;
        const int count = View().PageCount();
        for (int i = 0; i < count; ++i) {
            connect(View().Page(i), &QObject::destroyed, this,
                    [&destroyed, i] { destroyed << QStringLiteral("page%1").arg(i); });
        }
        Frame().setAttribute(Qt::WA_DeleteOnClose);
        CMainFrame* frame = fixture_.frame.release();
        QVERIFY(frame->close());
        QTRY_COMPARE(destroyed.size(), count);
        QStringList expected;
        for (int i = 0; i < count; ++i)
            expected << QStringLiteral("page%1").arg(i);
        QCOMPARE(destroyed, expected);
    }

    void f1OpensTheAboutBox() {
        ClickPageButton(PageId::Calculator);
        QStringList texts;
        QStringList links;
        fixture_.desktop.onModal = [&](QDialog& dialog) {
            for (QLabel* label : dialog.findChildren<QLabel*>())
                texts << label->text();
            for (CHyperLink* link : dialog.findChildren<CHyperLink*>())
                links << link->link();
            auto* ok = dialog.findChild<QAbstractButton*>(QStringLiteral("okButton"));
            if (ok == nullptr) return -1;
            ok->click();
            return dialog.result();
        };
        int result = -1;
        auto inspect = fixture_.desktop.onModal;
        fixture_.desktop.onModal = [&](QDialog& dialog) { return result = inspect(dialog); };
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        QCOMPARE(result, static_cast<int>(QDialog::Accepted));
        QCOMPARE(fixture_.desktop.modalTitles, QStringList{QStringLiteral("关于 Zentova")});
        QVERIFY(texts.contains(QStringLiteral("Zentova " ZENTOVA_VERSION " 版")));
        QVERIFY(texts.contains(QString::fromUtf8(credit::kEmailLabel)));
        QVERIFY(texts.contains(QString::fromUtf8(credit::kHomePageLabel)));
        QCOMPARE(links.size(), 2);
        QVERIFY(links[0].startsWith(QStringLiteral("mailto:")));
        QVERIFY(links[1].startsWith(QStringLiteral("https://")));
        // F1 leaves the page where it was.
        QCOMPARE(VisiblePages(View()), QList<int>{Index(PageId::Calculator)});
    }
};

QTEST_MAIN(ShellTest)
#include "shell_test.moc"
