// The drawing button of the graph page: the window it opens, the mark of the
// last answer, a refusal, and the two saves through the file dialog.
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include "gui_test_support.h"
#include "kit/page_base.h"
#include "pages/graph_drawing_window.h"
#include "shell/zentova_view.h"

class GraphDrawingTest : public QObject {
    Q_OBJECT
    zentova::testing::FrameFixture fixture_;

    template <class T = QWidget>
    T* Find(const char* name) {
        return fixture_.frame->View()->Page(8)->findChild<T*>(QString::fromUtf8(name));
    }
    void Click(const char* name) { QTest::mouseClick(Find(name), Qt::LeftButton); }

  private slots:
    void initTestCase() { zentova::testing::PrepareApplication(); }
    void init() {
        fixture_.Open();
        fixture_.frame->View()->ShowPage(8);
    }
    void cleanup() { fixture_.Close(); }

    void drawsMarksAndSaves() {
        Click("drawButton");  // no node count yet: the commands' own refusal
        QCOMPARE(fixture_.desktop.messages.size(), 1);
        QVERIFY(Find("graphDrawingWindow") == nullptr);

        Find<QLineEdit>("nodeCountBox")->setText(QStringLiteral("3"));
        Find<QPlainTextEdit>("matrixBox")->setPlainText(QStringLiteral("0 1 5\n1 0 1\n5 1 0"));
        Find<QSpinBox>("toBox")->setValue(2);
        Click("shortestPathButton");
        Click("drawButton");
        auto* window = Find<zentova::CGraphDrawingWindow>("graphDrawingWindow");
        QVERIFY(window != nullptr && window->isVisible());
        QVERIFY(window->Svg().contains("#d62728"));
        QCOMPARE(window->findChild<QWidget*>("drawingCaption")->property("text").toString(),
                 QStringLiteral("红色：点 0 到点 2 的最短路径"));

        // Another matrix has no answer yet: nothing is marked.
        Find<QPlainTextEdit>("matrixBox")->setPlainText(QStringLiteral("0 2 5\n2 0 1\n5 1 0"));
        Click("drawButton");
        QVERIFY(!window->Svg().contains("#d62728"));

        QTemporaryDir dir;
        fixture_.desktop.filesToSave << dir.filePath("g") << dir.filePath("g.SVG");
        QTest::mouseClick(window->findChild<QPushButton*>("savePngButton"), Qt::LeftButton);
        QTest::mouseClick(window->findChild<QPushButton*>("saveSvgButton"), Qt::LeftButton);
        QVERIFY(QFileInfo(dir.filePath("g.png")).size() > 0);
        QVERIFY(QFileInfo(dir.filePath("g.SVG")).size() > 0);
        QCOMPARE(fixture_.desktop.messages.size(), 1);
    }
};

QTEST_MAIN(GraphDrawingTest)
#include "graph_drawing_test.moc"
