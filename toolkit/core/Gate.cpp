#include "toolkit/core/Gate.h"

Gate::Gate(int initialHolds)
    : holds_(initialHolds), held_(initialHolds > 0), heldSince_(std::chrono::steady_clock::now()) {}

void Gate::hold() {
    std::lock_guard lock(mutex_);
    if (holds_.fetch_add(1, std::memory_order_acq_rel) == 0)
        heldSince_ = std::chrono::steady_clock::now();
    held_.store(true, std::memory_order_release);
}

void Gate::release() {
    std::lock_guard lock(mutex_);
    // A release without a hold is ignored rather than letting the count go
    // negative, which would make the next hold ineffective.
    if (holds_.load(std::memory_order_acquire) == 0)
        return;
    if (holds_.load(std::memory_order_acquire) == 1) {
        // Added before the count drops: a reader that sees the gate open
        // sees the hold that just ended too.
        heldTotal_.fetch_add((std::chrono::steady_clock::now() - heldSince_).count(), std::memory_order_release);
        holds_.store(0, std::memory_order_release);
        held_.store(false, std::memory_order_release);
        opened_.notify_all();
        return;
    }
    holds_.fetch_sub(1, std::memory_order_acq_rel);
}

bool Gate::isHeld() const {
    return held_.load(std::memory_order_acquire);
}

std::chrono::steady_clock::duration Gate::heldTime() const {
    using Duration = std::chrono::steady_clock::duration;
    // An idle wait ending meanwhile may count twice for a moment: the clock
    // then reads a little low, never high.
    Duration idle(idleTotal_.load(std::memory_order_acquire));
    if (const auto since = idleSince_.load(std::memory_order_acquire); since != 0)
        idle += std::chrono::steady_clock::now().time_since_epoch() - Duration(since);
    if (holds_.load(std::memory_order_acquire) == 0)
        return idle + Duration(heldTotal_.load(std::memory_order_acquire));
    std::lock_guard lock(mutex_);
    const Duration total(heldTotal_.load(std::memory_order_relaxed));
    if (holds_.load(std::memory_order_acquire) == 0)
        return idle + total;
    return idle + total + (std::chrono::steady_clock::now() - heldSince_);
}

void Gate::beginIdle() {
    idleSince_.store(std::chrono::steady_clock::now().time_since_epoch().count(), std::memory_order_release);
}

void Gate::endIdle() {
    const auto since = idleSince_.load(std::memory_order_relaxed);
    if (since == 0)
        return;
    idleTotal_.fetch_add(std::chrono::steady_clock::now().time_since_epoch().count() - since,
                         std::memory_order_release);
    idleSince_.store(0, std::memory_order_release);
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
