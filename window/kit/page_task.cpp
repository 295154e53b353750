#include "kit/page_task.h"

#include <QAbstractButton>
#include <QProgressBar>
#include <utility>

namespace zentova {
namespace {

constexpr int kBarHeight = 4;
constexpr int kBarSteps = 1000;
constexpr int kProgressIntervalMs = 100;

}  // namespace

CPageTask::CPageTask(QAbstractButton* button, QObject* parent) : QObject(parent), button_(button) {
    captionDelay_.setSingleShot(true);
    captionDelay_.setInterval(kCaptionDelayMs);
    connect(&captionDelay_, &QTimer::timeout, this, &CPageTask::ShowRunning);
    progressTimer_.setInterval(kProgressIntervalMs);
    connect(&progressTimer_, &QTimer::timeout, this, &CPageTask::ShowProgress);

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
        control_->RequestStop();
        ++generation_;
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

    control_ = std::make_unique<TaskControl>();
    const std::uint64_t generation = ++generation_;
    worker_ = std::thread([this, work = std::move(work), control = control_.get(), generation] {
        Deliver deliver;
        bool completed = true;
        try {
            deliver = work(*control);
        } catch (...) {
            // An exception may not leave the thread; the run shows nothing,
            // as a stopped one.
            completed = false;
        }
        // Posting is safe from any thread, and the destructor joins this
        // thread before the object goes, which drops whatever is still queued.
        QMetaObject::invokeMethod(
            this,
            [this, generation, completed, deliver = std::move(deliver)]() mutable {
                Finish(generation, completed, std::move(deliver));
            },
            Qt::QueuedConnection);
    });
    running_ = true;
    captionDelay_.start();
    emit started();
}

void CPageTask::Stop() {
    if (!running_) return;
    control_->RequestStop();
    ++generation_;
    worker_.join();
    EndRun();
    emit stopped();
}

bool CPageTask::StopIfRunning() {
    if (!running_) return false;
    Stop();
    return true;
}

void CPageTask::Finish(std::uint64_t generation, bool completed, Deliver deliver) {
    if (!running_ || generation != generation_) return;
    worker_.join();  // it posted this as its last act
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
    control_.reset();
    captionDelay_.stop();
    progressTimer_.stop();
    if (bar_) {
        bar_->hide();
        bar_->setValue(0);
    }
    if (captionSwitched_ && button_) {
        // setText takes the mnemonic of the caption; a shortcut set apart
        // from the caption comes back with the second call.
        button_->setText(ownCaption_);
        button_->setShortcut(ownShortcut_);
    }
    captionSwitched_ = false;
}

void CPageTask::ShowRunning() {
    if (!running_ || !button_) return;
    ownCaption_ = button_->text();
    ownShortcut_ = button_->shortcut();
    if (runningCaption_.isEmpty()) {
        button_->setText(QString::fromUtf8(kStopCaption));
        // The caption has no mnemonic of its own: the key that started the
        // run stops it.
        button_->setShortcut(ownShortcut_);
    } else {
        // setText gives the button the caption's own mnemonic, if any.
        button_->setText(runningCaption_);
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
    bar_->setValue(static_cast<int>(control_->Fraction() * kBarSteps));
}

}  // namespace zentova
