// The cover page and its hyperlink labels.
#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include "gui_test_support.h"
#include "kit/hyperlink.h"
#include "pages/cover_page.h"
#include "shell/zentova_view.h"

using namespace zentova;
using namespace zentova::testing;

namespace {

void SendMouse(QWidget* widget, QEvent::Type type, QPoint at) {
    const QPointF local(at);
    QMouseEvent event(type, local, widget->mapToGlobal(local),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void SendLeave(QWidget* widget) {
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(widget, &leave);
}

}  // namespace

class CoverTest : public QObject {
    Q_OBJECT

  private:
    FrameFixture fixture_;

    CPageBase* Cover() { return fixture_.Page(PageId::Cover); }
    CHyperLink* Link(const char* name) {
        return Cover()->findChild<CHyperLink*>(QString::fromUtf8(name));
    }

  private slots:
    void initTestCase() { PrepareApplication(); }

    void init() { fixture_.Open(); }

    void cleanup() { fixture_.Close(); }

    void showsVersionAuthorAndLinks() {
        auto text = [this](int id) {
            auto* label = qobject_cast<QLabel*>(Cover()->Control(id));
            return label != nullptr ? label->text() : QString();
        };
        QCOMPARE(text(1143), QStringLiteral(ZENTOVA_VERSION "版 最后更新于2002年6月27日"));
        QVERIFY(text(1144).startsWith(QStringLiteral("作者：")));
        QVERIFY(text(1127).startsWith(QStringLiteral("EMAIL:")));
        QVERIFY(text(1128).startsWith(QStringLiteral("HOMEPAGE:")));
        QCOMPARE(Link("emailLink")->link(), QString::fromUtf8(credit::kEmailLink));
        QCOMPARE(Link("homePageLink")->link(), QString::fromUtf8(credit::kHomePageLink));
        // The picture holds every glyph of the Chinese lines.
        const QFontMetrics metrics(Cover()->font());
        for (const QChar c : QStringLiteral("版最后更新于年月日作者"))
            QVERIFY(metrics.inFont(c));
    }

    void hoverTurnsRedAndLeavingTurnsBlue_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("email") << QStringLiteral("emailLink");
        QTest::newRow("homePage") << QStringLiteral("homePageLink");
    }

    void hoverTurnsRedAndLeavingTurnsBlue() {
        QFETCH(QString, name);
        CHyperLink* link = Link(name.toUtf8().constData());
        QVERIFY(link != nullptr);
        QCOMPARE(link->currentColour(), QColor(0, 0, 255));
        SendMouse(link, QEvent::MouseMove, link->rect().center());
        QVERIFY(link->hovering());
        QCOMPARE(link->currentColour(), QColor(255, 0, 0));
        QCOMPARE(link->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        // A move outside the label, as a grabbing label would see it.
        SendMouse(link, QEvent::MouseMove, link->rect().bottomRight() + QPoint(5, 5));
        QVERIFY(!link->hovering());
        QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        SendMouse(link, QEvent::MouseMove, link->rect().center());
        SendLeave(link);
        QVERIFY(!link->hovering());
        QVERIFY(QWidget::mouseGrabber() == nullptr);
        QCOMPARE(link->cursor().shape(), Qt::BitmapCursor);
    }

    void clickOpensTheLinkOnce() {
        SendMouse(Link("emailLink"), QEvent::MouseButtonPress, {2, 2});
        QCOMPARE(fixture_.desktop.links, QStringList{QString::fromUtf8(credit::kEmailLink)});
        SendMouse(Link("homePageLink"), QEvent::MouseButtonPress, {2, 2});
        QCOMPARE(fixture_.desktop.links.size(), 2);
        QCOMPARE(fixture_.desktop.links[1], QString::fromUtf8(credit::kHomePageLink));
    }

    void noLinkOnlyChangesColour() {
        CHyperLink* link = Link("emailLink");
        QVERIFY(link->Attach(QColor(0, 0, 255), QColor(255, 0, 0), QString::fromUtf8(kNoLink)));
        QVERIFY(link->link().isEmpty());
        SendMouse(link, QEvent::MouseButtonPress, link->rect().center());
        QVERIFY(fixture_.desktop.links.isEmpty());
        SendMouse(link, QEvent::MouseMove, link->rect().center());
        QCOMPARE(link->currentColour(), QColor(255, 0, 0));
    }

    void attachNeedsAParent() {
        CHyperLink orphan(fixture_.desktop);
        QVERIFY(!orphan.Attach(Qt::blue, Qt::red, QStringLiteral("https://x.example/")));
        QVERIFY(orphan.link().isEmpty());
    }

    void enterAndEscapeLeaveTheCoverVisible() {
        QVERIFY(Cover()->hasFocus());
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Enter}) {
            QTest::keyClick(Cover(), key);
            QVERIFY(Cover()->isVisible());
            QCOMPARE(fixture_.View().VisiblePage(), Index(PageId::Cover));
        }
        QVERIFY(fixture_.desktop.links.isEmpty());
    }
};

QTEST_MAIN(CoverTest)
#include "cover_test.moc"
