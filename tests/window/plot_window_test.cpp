// The calculus page's picture: opened by its button from the boxes as they
// are, results only where they were computed for those boxes, and exported.
#include <QChart>
#include <QChartView>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "gui_test_support.h"
#include "kit/page_base.h"
#include "shell/zentova_view.h"

class PlotWindowTest : public QObject {
    Q_OBJECT
    zentova::testing::PageFixture fixture_{zentova::testing::PageId::Calculus};

    QPushButton* Button(const QString& name) { return fixture_.Find<QPushButton>(name); }
    QString Titles() {
        const auto* window = fixture_.Find<QWidget>("plotWindow");
        return window->findChild<QChartView*>("integralChart")->chart()->title() + '|' +
               window->findChild<QChartView*>("derivativeChart")->chart()->title();
    }

  private slots:
    void initTestCase() { zentova::testing::PrepareApplication(); }
    void init() { fixture_.Open(); }
    void cleanup() { fixture_.Close(); }

    void plotFollowsTheBoxesAndExports() {
        QVERIFY(Button("plotButton")->focusPolicy() & Qt::TabFocus);
        fixture_.Find<QLineEdit>("integrandBox")->setText("x^2");
        fixture_.Find<QLineEdit>("upperLimitBox")->setText("3");
        fixture_.Find<QLineEdit>("functionBox")->setText("x^2");
        fixture_.Find<QLineEdit>("pointBox")->setText("1");
        Button("integrateButton")->click();
        Button("differentiateButton")->click();
        Button("plotButton")->click();
        QVERIFY(fixture_.Find<QWidget>("plotWindow")->isVisible());
        QVERIFY(Titles().contains("定积分 = 9"));
        QVERIFY(Titles().contains("切线斜率 = "));

        // Inputs changed since the results: drawn anew, without stale values.
        fixture_.Find<QLineEdit>("integrandBox")->setText("x^3");
        fixture_.Find<QLineEdit>("pointBox")->setText("2");
        Button("plotButton")->click();
        QCOMPARE(Titles(), QStringLiteral("y = x^3，x 从 0 到 3|y = x^2，x = 2 附近"));

        QTemporaryDir dir;
        auto& desktop = fixture_.desktop;
        desktop.filesToSave = {dir.filePath("a.png"), dir.filePath("a.svg"),
                               dir.filePath("none/b.png")};
        auto* window = fixture_.Find<QWidget>("plotWindow");
        window->findChild<QPushButton*>("exportPngButton")->click();
        window->findChild<QPushButton*>("exportSvgButton")->click();
        QVERIFY(QFileInfo(dir.filePath("a.png")).size() > 0);
        QVERIFY(QFileInfo(dir.filePath("a.svg")).size() > 0);
        QVERIFY(desktop.messages.isEmpty());
        window->findChild<QPushButton*>("exportPngButton")->click();
        QCOMPARE(desktop.messages.size(), 1);
        QCOMPARE(desktop.messages[0].text, QStringLiteral("无法保存图片"));
        window->findChild<QPushButton*>("exportSvgButton")->click();  // cancelled
        QCOMPARE(desktop.messages.size(), 1);
    }
};

QTEST_MAIN(PlotWindowTest)
#include "plot_window_test.moc"
