#include "toolkit/core/Gate.h"

Gate::Gate(int initialHolds) : holds_(initialHolds), held_(initialHolds > 0) {}

void Gate::hold() {
    std::lock_guard lock(mutex_);
    holds_.fetch_add(1, std::memory_order_acq_rel);
    held_.store(true, std::memory_order_release);
}

void Gate::release() {
    std::lock_guard lock(mutex_);
    // A release without a hold is ignored rather than letting the count go
    // negative, which would make the next hold ineffective.
    if (holds_.load(std::memory_order_acquire) == 0)
        return;
    if (holds_.fetch_sub(1, std::memory_order_acq_rel) == 1) {
        held_.store(false, std::memory_order_release);
        opened_.notify_all();
    }
}

bool Gate::isHeld() const {
    return held_.load(std::memory_order_acquire);
}

void Gate::requestFinish() {
    std::lock_guard lock(mutex_);
    finish_.store(true, std::memory_order_release);
    opened_.notify_all();
}

bool Gate::waitWhileHeld() {
    std::unique_lock lock(mutex_);
    const auto open = [this] {
        return holds_.load(std::memory_order_acquire) == 0 || finish_.load(std::memory_order_acquire);
    };
    if (!open()) {
        parked_.fetch_add(1, std::memory_order_acq_rel);
        opened_.wait(lock, open);
        parked_.fetch_sub(1, std::memory_order_acq_rel);
    }
    return finish_.load(std::memory_order_acquire);
}
