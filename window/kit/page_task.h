// A page's computation that may take long, run on a worker thread so that the
// window stays responsive, with the page's compute button as its stop button.
//
// A page keeps one task per compute button, as a member declared after
// everything its work uses, so that the task stops and joins before those go.
// The series page's sum, for one:
//
//     void CSeriesPage::Evaluate(Half& half, CPageTask& task) {
//         if (task.StopIfRunning() || !ReadAll()) return;  // the click was a stop
//         ...copy the function, start, end and step, refuse a range that never ends...
//         task.Run(
//             [this, text, start, end, step, box = half.resultBox](TaskControl& control) {
//                 FunctionOfX function;
//                 const Outcome outcome =
//                     ComputeSeries(function, text, start, end, step, '+', &control);
//                 return CPageTask::Deliver([this, outcome, box] { ShowOutcome(outcome, box); });
//             },
//             FunctionWorkMayBeLong(SeriesTermCount(start, end, step), text.size()));
//     }
//
// The work runs on the worker: it may use only copies it owns and the
// control, never a widget or the page's fields. It returns the closure that
// shows its result, which the task calls on the user-interface thread, unless
// the run was stopped or superseded first: then nothing is shown and the page
// keeps its previous result, whatever the work returned.
#pragma once

#include <QKeySequence>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>

#include "common/task_control.h"

class QAbstractButton;
class QProgressBar;

namespace zentova {

class CPageTask : public QObject {
    Q_OBJECT
  public:
    using Deliver = std::function<void()>;
    using Work = std::function<Deliver(TaskControl&)>;

    // The caption of the button while a worker runs.
    static constexpr const char* kStopCaption = "停止";
    // A result that arrives within this time shows without the caption ever
    // changing.
    static constexpr int kCaptionDelayMs = 150;

    CPageTask(QAbstractButton* button, QObject* parent);
    ~CPageTask() override;  // stops and joins a run still going

    // Runs `work` and shows its result. A run still going is stopped first.
    // Unless `mayBeLong`, the work runs here and now and its result shows
    // before Run returns, with no change to the button. Otherwise it runs on
    // a worker; after kCaptionDelayMs the button reads kStopCaption, and a
    // screen reader calls it so (its own key still works), and a slim bar
    // along its bottom edge shows the progress, until the result is shown or
    // the run is stopped.
    void Run(Work work, bool mayBeLong);

    // The caption of the running button instead of kStopCaption. A mnemonic
    // in it is the running button's key; without one the starting key stays.
    void SetRunningCaption(const QString& caption) { runningCaption_ = caption; }

    // From Run with a worker until its result is shown or it is stopped.
    bool Running() const { return running_; }

    // Asks the work to stop and waits for the worker (the core looks at the
    // control within 50 ms). Nothing of the run is shown.
    void Stop();

    // The top of a compute handler: stops a run still going and returns true,
    // so that a click on the button while it works is a stop.
    bool StopIfRunning();

  signals:
    void started();   // a worker began
    void finished();  // a result was shown
    void stopped();   // a worker run ended without showing anything

  private:
    // What a run shares with its worker, which touches nothing else: neither
    // this object nor anything of Qt. The worker writes the result and then
    // raises `ended`; the user-interface thread reads the result only after
    // it has seen `ended` and joined the worker. A stopped or superseded run
    // goes with its result unread.
    struct RunState {
        Work work;
        TaskControl control;
        Deliver deliver;
        bool completed = false;
        std::atomic<bool> ended{false};
    };

    void Collect();
    void EndRun();
    void ShowRunning();
    void ShowProgress();

    QPointer<QAbstractButton> button_;
    QPointer<QProgressBar> bar_;
    QTimer captionDelay_;
    QTimer progressTimer_;
    QTimer resultPoll_;
    std::unique_ptr<RunState> run_;
    std::thread worker_;
    bool running_ = false;
    bool captionSwitched_ = false;
    QString ownCaption_;
    QString ownName_;
    QKeySequence ownShortcut_;
    QString runningCaption_;
};

}  // namespace zentova
