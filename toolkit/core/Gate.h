#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>

// The pause switch of a worker. Holds nest: the worker may pass only while no
// hold is in force. A finish request opens the gate for good, so that a held
// worker can still be told to end. Every thread that does a share of one
// search passes the same gate.
class Gate {
public:
    explicit Gate(int initialHolds = 0);

    void hold();
    void release();
    bool isHeld() const;
    // How long the gate has been held in all, the hold in force included:
    // the time a search paused by its user has not worked.
    std::chrono::steady_clock::duration heldTime() const;
    // A wait of the worker's own that its running clock leaves out as it
    // leaves out holds (a step waiting for the user), though the gate stays
    // open. Between beginIdle and endIdle the worker is at no checkpoint.
    void beginIdle();
    void endIdle();
    // Threads stopped at a hold right now: a worker counted here makes no
    // progress until the gate opens.
    int parked() const { return parked_.load(std::memory_order_acquire); }

    void requestFinish();
    bool finishRequested() const { return finish_.load(std::memory_order_acquire); }

    // Called by the worker only where it holds no lock and allocates nothing:
    // waits while held, and tells whether the worker must stop.
    bool checkpoint() {
        if (holds_.load(std::memory_order_acquire) == 0)
            return finishRequested();
        return waitWhileHeld();
    }

    // The same, running beforeWait() first when the worker is about to wait:
    // the last chance to hand out what it has done before a pause.
    template <class BeforeWait>
    bool checkpoint(BeforeWait&& beforeWait) {
        if (holds_.load(std::memory_order_acquire) == 0)
            return finishRequested();
        beforeWait();
        return waitWhileHeld();
    }

private:
    bool waitWhileHeld();

    std::atomic<int> holds_;
    std::atomic<bool> held_;
    std::atomic<bool> finish_{false};
    std::atomic<int> parked_{0};
    mutable std::mutex mutex_;
    std::condition_variable opened_;
    std::chrono::steady_clock::time_point heldSince_;
    // Holds that have ended, in clock ticks: read without the lock while the
    // gate is open, which is every poll of a running search's clock.
    std::atomic<std::chrono::steady_clock::rep> heldTotal_{0};
    // Idle waits that have ended, and the start of the one in progress (0:
    // none); written by the worker only.
    std::atomic<std::chrono::steady_clock::rep> idleTotal_{0};
    std::atomic<std::chrono::steady_clock::rep> idleSince_{0};
};
