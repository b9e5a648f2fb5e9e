#include "toolkit/core/RunningClock.h"

#include <algorithm>

void RunningClock::start() {
    heldAtStart_.store(gate_ ? gate_->heldTime().count() : 0, std::memory_order_relaxed);
    start_.store(Clock::now().time_since_epoch().count(), std::memory_order_relaxed);
    started_.store(true, std::memory_order_release);
}

double RunningClock::seconds() const {
    if (!started_.load(std::memory_order_acquire))
        return 0.0;
    const Clock::duration held = gate_ ? gate_->heldTime() - Clock::duration(heldAtStart_.load(std::memory_order_relaxed))
                                       : Clock::duration::zero();
    const Clock::duration ran =
        Clock::now().time_since_epoch() - Clock::duration(start_.load(std::memory_order_relaxed)) - held;
    return std::max(0.0, std::chrono::duration<double>(ran).count());
}
