// The page task on a button made here; shown_ lists the runs that showed.
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <random>
#include <set>
#include <thread>

#include "expr/function_of_x.h"
#include "gui_test_support.h"
#include "kit/page_task.h"

using namespace zentova;
using namespace std::chrono_literals;

class PageTaskTest : public QObject {
    Q_OBJECT
    const QString own_ = QStringLiteral("计算(&P)");
    std::unique_ptr<QWidget> window_;
    QPushButton* button_ = nullptr;
    std::unique_ptr<CPageTask> task_;
    std::vector<int> shown_;

    // Gives up at a stop but returns its result all the same: the task must
    // drop it.
    CPageTask::Work Shows(int id, std::chrono::milliseconds length) {
        return [this, id, length](TaskControl& control) {
            for (auto end = std::chrono::steady_clock::now() + length;
                 std::chrono::steady_clock::now() < end && !control.StopRequested();)
                std::this_thread::sleep_for(1ms);
            return CPageTask::Deliver([this, id] { shown_.push_back(id); });
        };
    }
    QProgressBar* Bar() const { return button_->findChild<QProgressBar*>(); }
    bool Idle() const {
        return !task_->Running() && button_->text() == own_ && !Bar()->isVisible() &&
               button_->shortcut() == QKeySequence(Qt::ALT | Qt::Key_P);
    }

  private slots:
    void initTestCase() { testing::PrepareApplication(); }
    void init() {
        window_ = std::make_unique<QWidget>();
        button_ = new QPushButton(own_, window_.get());
        task_ = std::make_unique<CPageTask>(button_, nullptr);
        shown_.clear();
        window_->show();
    }
    void cleanup() {
        task_.reset();
        window_.reset();
    }

    void onlyLongRunsChangeTheButton() {
        task_->Run(Shows(1, 0ms), false);
        QCOMPARE(shown_, std::vector<int>{1});
        for (task_->Run(Shows(2, 0ms), true); task_->Running(); QTest::qWait(1))
            QCOMPARE(button_->text(), own_);
        task_->Run(Shows(3, 800ms), true);
        QTRY_COMPARE(button_->text(), QStringLiteral("停止"));
        QVERIFY(Bar()->isVisible() && button_->shortcut() == QKeySequence(Qt::ALT | Qt::Key_P));
        QTRY_COMPARE(shown_, (std::vector<int>{1, 2, 3}));
        QVERIFY(Idle());
    }

    // A depth-30 integral ends within 50 ms of a click and shows nothing, nor
    // do stopped or superseded runs whose results are already queued.
    void stopShowsNothing() {
        task_->Run(
            [](TaskControl& c) {
                FunctionOfX f;
                f.SetFunctionText("x*sin(x)");
                f.DefiniteIntegral(0, 1, 0, 30, &c);
                return CPageTask::Deliver([] { QFAIL("a stopped run showed"); });
            },
            true);
        QTRY_VERIFY(Bar()->isVisible());
        QElapsedTimer clock;
        clock.start();
        QVERIFY(task_->StopIfRunning() && Idle());
        QVERIFY2(clock.elapsed() < 50, qPrintable(QString::number(clock.elapsed())));
        task_->Run(Shows(1, 0ms), true);
        std::this_thread::sleep_for(50ms);  // its result is ready, not yet shown
        task_->Run(Shows(2, 0ms), true);
        std::this_thread::sleep_for(50ms);
        task_->Stop();
        QTest::qWait(50);
        QVERIFY(shown_.empty() && Idle());
    }

    // Runs finish, are stopped at random moments, superseded, or lose their
    // task: each shows, in order, unless it was cancelled first.
    void soak() {
        std::mt19937 random(20240611);
        std::set<int> cancelled;
        std::vector<int> expected;
        for (int id = 1; id <= 200; ++id) {
            if (task_->Running()) cancelled.insert(id - 1);
            task_->Run(Shows(id, std::chrono::milliseconds(random() % 20)), random() % 8 != 0);
            const unsigned action = random() % 4;
            for (QDeadlineTimer end(5000); action == 0 && task_->Running() && !end.hasExpired();)
                QTest::qWait(1);
            if (action < 2) continue;
            QTest::qWait(static_cast<int>(random() % 25));
            if (task_->Running()) cancelled.insert(id);
            if (action == 2) task_->Stop();
            if (action == 3) task_ = std::make_unique<CPageTask>(button_, nullptr);
            QVERIFY(Idle());
        }
        QTRY_VERIFY(!task_->Running());
        for (int id = 1; id <= 200; ++id) {
            if (!cancelled.contains(id)) expected.push_back(id);
        }
        QCOMPARE(shown_, expected);
        task_->Run(Shows(0, 60s), true);
        window_.reset();  // the button goes first, then the task mid-run
    }
};

QTEST_MAIN(PageTaskTest)
#include "page_task_test.moc"
