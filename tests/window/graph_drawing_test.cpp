// The drawing button of the graph page: the window it opens, the mark of the
// last answer, a refusal, and the two saves through the file dialog; a slow
// layout that leaves the window answering.
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <chrono>
#include <thread>

#include "gui_test_support.h"
#include "kit/page_base.h"
#include "pages/graph_drawing_window.h"
#include "shell/zentova_view.h"

class GraphDrawingTest : public QObject {
    Q_OBJECT
    zentova::testing::PageFixture fixture_{zentova::testing::PageId::Graph};
    void Click(const char* name) { QTest::mouseClick(fixture_.Find(name), Qt::LeftButton); }

  private slots:
    void initTestCase() { zentova::testing::PrepareApplication(); }
    void init() { fixture_.Open(); }
    void cleanup() { fixture_.Close(); }

    void drawsMarksAndSaves() {
        Click("drawButton");  // no node count yet: the commands' own refusal
        QCOMPARE(fixture_.desktop.messages.size(), 1);
        QVERIFY(fixture_.Find("graphDrawingWindow") == nullptr);

        fixture_.Find<QLineEdit>("nodeCountBox")->setText(QStringLiteral("3"));
        fixture_.Find<QPlainTextEdit>("matrixBox")
            ->setPlainText(QStringLiteral("0 1 5\n1 0 1\n5 1 0"));
        fixture_.Find<QSpinBox>("toBox")->setValue(2);
        Click("shortestPathButton");
        Click("drawButton");
        auto* window = fixture_.Find<zentova::CGraphDrawingWindow>("graphDrawingWindow");
        QVERIFY(window != nullptr && window->isVisible());
        // The layout arrives from its worker a moment later.
        QTRY_VERIFY(!window->LayingOut());
        QVERIFY(window->Svg().contains("#d62728"));
        auto* caption = window->findChild<QWidget*>("drawingCaption");
        QCOMPARE(caption->property("text").toString(),
                 QStringLiteral("红色：点 0 到点 2 的最短路径"));
        QCOMPARE(caption->accessibleName(), QStringLiteral("红色：点 0 到点 2 的最短路径"));

        // Another matrix has no answer yet: nothing is marked.
        fixture_.Find<QPlainTextEdit>("matrixBox")
            ->setPlainText(QStringLiteral("0 2 5\n2 0 1\n5 1 0"));
        Click("drawButton");
        QTRY_VERIFY(!window->LayingOut());
        QVERIFY(!window->Svg().isEmpty() && !window->Svg().contains("#d62728"));

        // The picture saved through a link replaces the link's target.
        QTemporaryDir dir;
        QVERIFY(QFile::link(dir.filePath("target.svg"), dir.filePath("g.SVG")));
        fixture_.desktop.filesToSave << dir.filePath("g") << dir.filePath("g.SVG");
        QTest::mouseClick(window->findChild<QPushButton*>("savePngButton"), Qt::LeftButton);
        QTest::mouseClick(window->findChild<QPushButton*>("saveSvgButton"), Qt::LeftButton);
        QVERIFY(QFileInfo(dir.filePath("g.png")).size() > 0);
        QVERIFY(QFileInfo(dir.filePath("g.SVG")).isSymLink());
        QVERIFY(QFileInfo(dir.filePath("target.svg")).size() > 0);
        QCOMPARE(fixture_.desktop.messages.size(), 1);
    }

    // While a layout runs the window is open, says so and answers; drawing
    // again drops the running layout's result, closing drops the newest.
    void slowLayoutRunsAside() {
        std::atomic<bool> open{false};
        std::atomic<int> started{0}, ended{0};
        zentova::DrawingWorker slow([&] {
            return [&](const zentova::DrawingJob& job) {
                ++started;
                while (!open)
                    std::this_thread::sleep_for(std::chrono::milliseconds(1));
                ++ended;
                // The DOT text, edgeless here, goes in a comment.
                const std::string svg =
                    "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"9\" height=\"9\"><!--" +
                    job.dot + "--></svg>";
                return zentova::LaidOutDrawing{QByteArray::fromStdString(svg), QImage()};
            };
        });
        zentova::CGraphDrawingWindow window(fixture_.desktop, nullptr, slow);
        auto* caption = window.findChild<QWidget*>("drawingCaption");
        zentova::GraphDrawing three, two;
        three.nodeCount = 3;
        three.markedNodes.assign(3, false);
        two.nodeCount = 2;
        two.markedNodes.assign(2, false);

        window.Show(three, QStringLiteral("三"));
        QVERIFY(window.isVisible());
        QCOMPARE(caption->property("text").toString(), QStringLiteral("正在布局…"));
        QTRY_COMPARE(started.load(), 1);
        bool answered = false;
        QTimer::singleShot(20, &window, [&] { answered = true; });
        QTRY_VERIFY(answered);
        QVERIFY(window.LayingOut());

        window.Show(two, QStringLiteral("二"));
        open = true;
        QTRY_VERIFY(!window.LayingOut());
        QCOMPARE(started.load(), 2);
        QVERIFY(window.Svg().contains(" 1;") && !window.Svg().contains(" 2;"));  // two nodes
        QCOMPARE(caption->property("text").toString(), QStringLiteral("二"));

        open = false;
        window.Show(three, QStringLiteral("三"));
        QTRY_COMPARE(started.load(), 3);
        window.close();
        open = true;
        QTRY_COMPARE(ended.load(), 3);
        QTest::qWait(30);
        QVERIFY(!window.LayingOut() && window.Svg().isEmpty());
    }
};

QTEST_MAIN(GraphDrawingTest)
#include "graph_drawing_test.moc"
