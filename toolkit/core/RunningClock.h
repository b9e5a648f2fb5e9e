#pragma once

#include "toolkit/core/Gate.h"

#include <atomic>
#include <chrono>

// The time a worker has run: wall time since start() less the time its gate
// has been held since then. Every reader (the worker's threads, its limit,
// the window's labels and chart, the summary) reads this one figure, which
// stands still exactly while the gate is held, whatever the worker's threads
// are doing meanwhile. Without a gate it is plain wall time.
class RunningClock {
public:
    using Clock = std::chrono::steady_clock;

    explicit RunningClock(const Gate* gate = nullptr) : gate_(gate) {}

    // May be called again to start afresh; readers on other threads see
    // either the old start or the new one.
    void start();
    // 0 until started.
    double seconds() const;

private:
    const Gate* gate_;
    std::atomic<Clock::rep> heldAtStart_{0};
    std::atomic<Clock::rep> start_{0};
    std::atomic<bool> started_{false};
};
