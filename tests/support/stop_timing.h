// Whether a long computation ends promptly when a stop comes while it runs.
#pragma once

#include <atomic>
#include <chrono>
#include <thread>

#include "common/task_control.h"

namespace zentova::testing {

// Runs `work` with a control on a second thread and requests a stop `delay`
// later. True when `work` was still running then and returned within 250 ms,
// far above what a stop takes even in the sanitizer build on a busy machine.
template <typename Work>
bool StopsPromptly(Work work, std::chrono::milliseconds delay = std::chrono::milliseconds(20)) {
    using namespace std::chrono;
    TaskControl control;
    std::atomic<bool> ended{false};
    std::thread worker([&] {
        work(control);
        ended = true;
    });
    std::this_thread::sleep_for(delay);
    const bool endedEarly = ended;
    const auto requested = steady_clock::now();
    control.RequestStop();
    worker.join();
    return !endedEarly && steady_clock::now() - requested < milliseconds(250);
}

}  // namespace zentova::testing
