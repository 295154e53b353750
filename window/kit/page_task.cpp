#include "kit/page_task.h"

#include <QAbstractButton>
#include <QProgressBar>
#include <utility>

#include "kit/control_factory.h"
#include "kit/core_text.h"

namespace zentova {
namespace {

constexpr int kBarHeight = 4;
constexpr int kBarSteps = 1000;
constexpr int kProgressIntervalMs = 100;
// How often the window looks whether the worker is done. The worker does not
// post its result: an event posted from it would be made on the worker and
// read on this thread through Qt's own locking alone, which the race
// detector cannot follow, so nothing would prove the hand-over sound.
constexpr int kResultPollMs = 10;

}  // namespace

CPageTask::CPageTask(QAbstractButton* button, QObject* parent) : QObject(parent), button_(button) {
    captionDelay_.setSingleShot(true);
    captionDelay_.setInterval(kCaptionDelayMs);
    connect(&captionDelay_, &QTimer::timeout, this, &CPageTask::ShowRunning);
    progressTimer_.setInterval(kProgressIntervalMs);
    connect(&progressTimer_, &QTimer::timeout, this, &CPageTask::ShowProgress);
    resultPoll_.setInterval(kResultPollMs);
    connect(&resultPoll_, &QTimer::timeout, this, &CPageTask::Collect);

    // The bar lies inside the button, so that no page layout has to make room
    // for it; clicks go through it to the button.
    auto* bar = new QProgressBar(button);
    bar->setObjectName(QStringLiteral("taskProgress"));
    bar->setAccessibleName(QStringLiteral("进度"));
    bar->setRange(0, kBarSteps);
    bar->setTextVisible(false);
    bar->setFocusPolicy(Qt::NoFocus);
    bar->setAttribute(Qt::WA_TransparentForMouseEvents);
    bar->setStyleSheet(
        QStringLiteral("QProgressBar { border: none; background: transparent; }"
                       "QProgressBar::chunk { background: palette(highlight); }"));
    bar->hide();
    bar_ = bar;
}

CPageTask::~CPageTask() {
    if (running_) {
        run_->control.RequestStop();
        worker_.join();
        EndRun();
    }
    delete bar_.data();
}

void CPageTask::Run(Work work, bool mayBeLong) {
    if (running_) Stop();
    if (!mayBeLong) {
        TaskControl control;
        const Deliver deliver = work(control);
        const QPointer<CPageTask> alive(this);
        if (deliver) deliver();
        if (alive) emit finished();
        return;
    }

    // The work and the closure it returns are destroyed on this thread,
    // whether or not the run shows; the worker only calls the work.
    run_ = std::make_unique<RunState>();
    run_->work = std::move(work);
    worker_ = std::thread([run = run_.get()] {
        try {
            run->deliver = run->work(run->control);
            run->completed = true;
        } catch (...) {
            // An exception may not leave the thread; the run shows nothing,
            // as a stopped one.
        }
        run->ended.store(true, std::memory_order_release);
    });
    running_ = true;
    captionDelay_.start();
    resultPoll_.start();
    emit started();
}

void CPageTask::Stop() {
    if (!running_) return;
    run_->control.RequestStop();
    worker_.join();
    EndRun();
    emit stopped();
}

bool CPageTask::StopIfRunning() {
    if (!running_) return false;
    Stop();
    return true;
}

void CPageTask::Collect() {
    if (!running_ || !run_->ended.load(std::memory_order_acquire)) return;
    worker_.join();  // raising the flag was its last act
    Deliver deliver = std::move(run_->deliver);
    const bool completed = run_->completed;
    // The run ends before its result shows, so that the closure may show a
    // message box or start the next run.
    EndRun();
    if (!completed) {
        emit stopped();
        return;
    }
    const QPointer<CPageTask> alive(this);
    if (deliver) deliver();
    if (alive) emit finished();
}

void CPageTask::EndRun() {
    running_ = false;
    run_.reset();
    captionDelay_.stop();
    progressTimer_.stop();
    resultPoll_.stop();
    if (bar_) {
        bar_->hide();
        bar_->setValue(0);
    }
    if (captionSwitched_ && button_) {
        // The caption brings its mnemonic back; a shortcut set apart from the
        // caption comes back with the second call.
        SetCaption(*button_, ownCaption_, ownName_);
        button_->setShortcut(ownShortcut_);
    }
    captionSwitched_ = false;
}

void CPageTask::ShowRunning() {
    if (!running_ || !button_) return;
    ownCaption_ = button_->text();
    ownName_ = button_->accessibleName();
    ownShortcut_ = button_->shortcut();
    if (runningCaption_.isEmpty()) {
        SetCaption(*button_, CoreText(kStopCaption));
        // The caption has no mnemonic of its own: the key that started the
        // run stops it.
        button_->setShortcut(ownShortcut_);
    } else {
        // The caption gives the button its own mnemonic, if any.
        SetCaption(*button_, runningCaption_);
        if (button_->shortcut().isEmpty()) button_->setShortcut(ownShortcut_);
    }
    captionSwitched_ = true;
    ShowProgress();
    if (bar_) bar_->show();
    progressTimer_.start();
}

void CPageTask::ShowProgress() {
    if (!running_ || !bar_ || !button_) return;
    bar_->setGeometry(0, button_->height() - kBarHeight, button_->width(), kBarHeight);
    bar_->setValue(static_cast<int>(run_->control.Fraction() * kBarSteps));
}

}  // namespace zentova
