// The statistics page through its widgets: where Enter goes, and which text
// lands in the result box or in a message box.
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "gui_test_support.h"
#include "input_method.h"
#include "shell/zentova_view.h"

using namespace zentova;
using namespace zentova::testing;

class StatisticsPageTest : public QObject {
    Q_OBJECT
    PageFixture fixture_{PageId::Statistics};

  private slots:
    void initTestCase() { PrepareApplication(); }
    void init() { fixture_.Open(); }
    void cleanup() { fixture_.Close(); }

    // A result that is no number is only written, never read back as a number.
    void enterRoutesAndDataWithoutNumbersIsRefused() {
        auto* data = fixture_.Find<QPlainTextEdit>("statsDataBox");
        auto* kinds = fixture_.Find<QComboBox>("statsKindCombo");
        auto* result = fixture_.Find<QLineEdit>("statsResultBox");
        QTest::keyClicks(data, "1 2");
        QTest::keyClick(data, Qt::Key_Return);  // a line break: 1 2 and 3 4, not 23
        QTest::keyClicks(data, "3 4");
        QTest::keyClick(kinds, Qt::Key_Return);
        QCOMPARE(result->text(), QStringLiteral("0"));  // nothing chosen
        kinds->setCurrentIndex(2);
        QTest::keyClick(kinds, Qt::Key_Return);
        QCOMPARE(result->text(), QStringLiteral("10"));
        kinds->setCurrentIndex(7);
        for (const char* text : {"5", " ,\n", "5"}) {
            data->setPlainText(QString::fromUtf8(text));
            QTest::keyClick(fixture_.Find<QPushButton>("statsComputeButton"), Qt::Key_Return);
            QVERIFY(result->text().endsWith(QStringLiteral("nan")));
        }
        QCOMPARE(fixture_.desktop.messages.size(), 1);
        QCOMPARE(fixture_.desktop.messages[0].text, QStringLiteral("请输入要统计的数据。"));
    }

    // Full-width digits, blank and comma from an input method are numbers.
    void inputMethodData() {
        auto* data = fixture_.Find<QPlainTextEdit>("statsDataBox");
        fixture_.Find<QComboBox>("statsKindCombo")->setCurrentIndex(2);
        CommitText(data, QStringLiteral("１　２，３"));
        QTest::mouseClick(fixture_.Find<QPushButton>("statsComputeButton"), Qt::LeftButton);
        QCOMPARE(fixture_.Find<QLineEdit>("statsResultBox")->text(), "6");
        QCOMPARE(data->toPlainText(), QStringLiteral("１　２，３"));
    }
};

QTEST_MAIN(StatisticsPageTest)
#include "statistics_page_test.moc"
