// Whether a long computation ends promptly when a stop comes while it runs.
#pragma once

#include <atomic>
#include <chrono>
#include <thread>

#include "common/task_control.h"

namespace zentova::testing {

// ThreadSanitizer runs the same work several times slower. The delay and the
// bound stretch alike, so that the stop still lands in the same stage of the
// work.
#if defined(__SANITIZE_THREAD__)
inline constexpr int kStopTimingStretch = 4;
#else
inline constexpr int kStopTimingStretch = 1;
#endif

// Runs `work` with a control on a second thread and requests a stop `delay`
// later. True when `work` was still running then and returned within 250 ms,
// far above what a stop takes even in the sanitizer build on a busy machine.
template <typename Work>
bool StopsPromptly(Work work, std::chrono::milliseconds delay = std::chrono::milliseconds(20)) {
    using namespace std::chrono;
    delay *= kStopTimingStretch;
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
    return !endedEarly && steady_clock::now() - requested < milliseconds(250) * kStopTimingStretch;
}

}  // namespace zentova::testing
