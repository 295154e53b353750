// The constants page through its widgets: a selection, by mouse or arrow key,
// copies the value's "%.15g" text, and the values stand in one column.
#include <QFontMetrics>
#include <QListWidget>
#include <QTest>

#include "exprtools/constants.h"
#include "gui_test_support.h"
#include "kit/page_base.h"
#include "shell/zentova_view.h"

using namespace zentova;
using namespace zentova::testing;

class ConstantsPageTest : public QObject {
    Q_OBJECT
    PageFixture fixture_{PageId::Constants};

    QListWidget* List() { return fixture_.Find<QListWidget>("constantsList"); }

  private slots:
    void initTestCase() { PrepareApplication(); }
    void init() { fixture_.Open(); }
    void cleanup() { fixture_.Close(); }

    void aSelectionCopiesTheValueTextAndValuesLineUp() {
        List()->setCurrentRow(3);
        QCOMPARE(fixture_.desktop.clipboard, QStringLiteral("0.0224141"));
        QTest::keyClick(List(), Qt::Key_Down);
        QCOMPARE(fixture_.desktop.clipboard, QStringLiteral("1.60217733e-19"));
        // The values stand in one column.
        const QFontMetrics metrics(List()->font());
        for (int i = 0; i < List()->count(); ++i) {
            const QString line = List()->item(i)->text();
            const std::string_view value = Constants()[static_cast<std::size_t>(i)].valueText;
            QCOMPARE(metrics.horizontalAdvance(line.left(line.indexOf(value.data()))),
                     metrics.horizontalAdvance(QString(37, QLatin1Char(' '))));
        }
    }
};

QTEST_MAIN(ConstantsPageTest)
#include "constants_page_test.moc"
