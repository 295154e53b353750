// How a long computation on a worker thread is told to stop and shows how far
// it has come. The flag and the counters are independent values read at any
// moment by the user-interface thread; nothing is handed over through them,
// so relaxed order is enough.
#pragma once

#include <atomic>
#include <cstdint>

namespace zentova {

class TaskControl {
  public:
    void RequestStop() { stop_.store(true, std::memory_order_relaxed); }
    bool StopRequested() const { return stop_.load(std::memory_order_relaxed); }

    // The amount of work in whatever unit the computation counts; 0 while
    // unknown.
    void SetTotal(std::uint64_t total) { total_.store(total, std::memory_order_relaxed); }
    void SetDone(std::uint64_t done) { done_.store(done, std::memory_order_relaxed); }

    // done / total, at most 1; 0 while the total is unknown.
    double Fraction() const {
        const std::uint64_t total = total_.load(std::memory_order_relaxed);
        const std::uint64_t done = done_.load(std::memory_order_relaxed);
        if (total == 0) return 0.0;
        return done >= total ? 1.0 : static_cast<double>(done) / static_cast<double>(total);
    }

  private:
    std::atomic<bool> stop_{false};
    std::atomic<std::uint64_t> total_{0};
    std::atomic<std::uint64_t> done_{0};
};

// One computation's report to an optional control: the total when it begins,
// each step, and all of it done when it ends without a stop. Without a
// control every call is a no-op.
class TaskProgress {
  public:
    TaskProgress(TaskControl* control, std::uint64_t total) : control_(control), total_(total) {
        if (control_ == nullptr) return;
        control_->SetTotal(total);
        control_->SetDone(0);
    }
    ~TaskProgress() {
        if (control_ != nullptr && !control_->StopRequested()) control_->SetDone(total_);
    }
    TaskProgress(const TaskProgress&) = delete;
    TaskProgress& operator=(const TaskProgress&) = delete;

    // Counts `steps` more as done; true when the computation should stop.
    bool Step(std::uint64_t steps = 1) {
        if (control_ == nullptr) return false;
        done_ += steps;
        control_->SetDone(done_);
        return control_->StopRequested();
    }
    bool Stopped() const { return control_ != nullptr && control_->StopRequested(); }

  private:
    TaskControl* control_;
    std::uint64_t total_;
    std::uint64_t done_ = 0;
};

// For loops whose steps take too little time to look at the flag each: true
// at every `interval`-th call when a stop was requested.
class StopPoll {
  public:
    StopPoll(const TaskControl* control, unsigned interval)
        : control_(control), interval_(interval), left_(interval) {}

    bool operator()() {
        if (control_ == nullptr || --left_ != 0) return false;
        left_ = interval_;
        return control_->StopRequested();
    }

  private:
    const TaskControl* control_;
    unsigned interval_;
    unsigned left_;
};

}  // namespace zentova
