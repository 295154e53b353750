// Every control a person can reach, by keyboard or by mouse, on every page, in
// the toolbar and in the About box has a name a screen reader can say.
#include <QAbstractButton>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "gui_test_support.h"
#include "kit/hyperlink.h"
#include "kit/page_base.h"
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
        for (int i = 0; i < kPageCount; ++i)
            unnamed << Unnamed(*fixture_.frame->View()->Page(i));
        fixture_.desktop.onModal = [&unnamed](QDialog& about) {
            unnamed << Unnamed(about);
            return 0;
        };
        fixture_.frame->ShowAboutBox();
        // The custom expression page's name dialog, opened by its add button.
        fixture_.frame->View()->ShowPage(7);
        fixture_.frame->findChild<QAbstractButton*>(QStringLiteral("exprAddButton"))->click();
        QCOMPARE(fixture_.desktop.modalTitles.size(), 2);
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
    }

    void toolbarButtonsAreCalledByTheirPagesAndDescribedByTheirTips() {
        for (const ToolbarSet set : {ToolbarSet::A, ToolbarSet::B}) {
            fixture_.frame->ShowToolbarSet(set);
            const QStringList unnamed = Unnamed(*fixture_.frame->ToolBar());
            QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
            for (const PageEntry& entry : PageTable()) {
                if (entry.set != set) continue;
                QToolButton* button = fixture_.frame->Button(entry.button);
                QCOMPARE(button->accessibleName(), QString::fromUtf8(SpokenName(entry)));
                QCOMPARE(button->accessibleDescription(), QString::fromUtf8(entry.tip));
            }
        }
        QCOMPARE(fixture_.frame->Button(0)->accessibleName(), QStringLiteral("上一页"));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
