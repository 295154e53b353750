// The statistics page through its widgets: where Enter goes, the refusal of
// data without numbers, the kind from the drop-down list, the result box.
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "gui_test_support.h"
#include "kit/page_base.h"
#include "shell/zentova_view.h"

using namespace zentova;
using namespace zentova::testing;

class StatisticsPageTest : public QObject {
    Q_OBJECT
    FrameFixture fixture_;
    QPlainTextEdit* data_ = nullptr;
    QComboBox* kinds_ = nullptr;
    QLineEdit* result_ = nullptr;

  private slots:
    void initTestCase() { PrepareApplication(); }
    void init() {
        fixture_.Open();
        fixture_.frame->View()->ShowPage(6);
        CPageBase* page = fixture_.frame->View()->Page(6);
        data_ = page->findChild<QPlainTextEdit*>("statsDataBox");
        kinds_ = page->findChild<QComboBox*>("statsKindCombo");
        result_ = page->findChild<QLineEdit*>("statsResultBox");
    }
    void cleanup() { fixture_.Close(); }

    // A result that is no number is not read back as a number box would be.
    void enterRoutesAndDataWithoutNumbersIsRefused() {
        QTest::keyClicks(data_, "1 2");
        QTest::keyClick(data_, Qt::Key_Return);  // a line break: 1 2 and 3 4, not 23
        QTest::keyClicks(data_, "3 4");
        QTest::keyClick(kinds_, Qt::Key_Return);
        QCOMPARE(result_->text(), QStringLiteral("0"));  // nothing chosen
        kinds_->setCurrentIndex(2);
        QTest::keyClick(fixture_.frame->findChild<QPushButton*>("statsComputeButton"),
                        Qt::Key_Return);
        QCOMPARE(result_->text(), QStringLiteral("10"));
        kinds_->setCurrentIndex(7);
        for (const char* text : {"5", "", " ,\n", "5"}) {
            data_->setPlainText(QString::fromUtf8(text));
            fixture_.frame->findChild<QPushButton*>("statsComputeButton")->click();
            QVERIFY(result_->text().endsWith(QStringLiteral("nan")));
        }
        QCOMPARE(fixture_.desktop.messages.size(), 2);
        QCOMPARE(fixture_.desktop.messages[1].text, QStringLiteral("请输入要统计的数据。"));
    }
};

QTEST_MAIN(StatisticsPageTest)
#include "statistics_page_test.moc"
