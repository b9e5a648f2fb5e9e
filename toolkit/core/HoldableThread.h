#pragma once

#include "toolkit/core/Gate.h"

#include <QString>
#include <QThread>

#include <atomic>
#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <optional>
#include <utility>

// A worker thread that is created held, can be held and released any number
// of times (holds nest), asked to finish, and waited for. The thread starts
// the first time its holds are all released, and its body then runs even if
// a finish was requested before.
//
// Derived classes put their body in Execute() and must call finishAndWait()
// first thing in their own destructor: the body uses the derived members, so
// it must have ended before they are destroyed. Whatever the body throws ends
// it and is kept for the owner (failure()); nothing leaves the thread.
class HoldableThread : public QThread {
    Q_OBJECT

public:
    HoldableThread();
    ~HoldableThread() override;

    HoldableThread(const HoldableThread&) = delete;
    HoldableThread& operator=(const HoldableThread&) = delete;

    void hold();
    void release();
    bool isHeld() const { return gate_.isHeld(); }
    std::chrono::steady_clock::duration heldTime() const { return gate_.heldTime(); }
    // Threads of this search stopped at a hold right now.
    int parkedThreads() const { return gate_.parked(); }

    void requestFinish() { gate_.requestFinish(); }
    bool finishRequested() const { return gate_.finishRequested(); }

    // True once Execute() has returned or thrown.
    bool hasEnded() const { return ended_.load(std::memory_order_acquire); }

    // Once the body has ended: the message of the error that ended it, as
    // the standard error box shows errors; none when it returned normally
    // or has not ended yet.
    std::optional<QString> failure() const;

    // Blocks until the body has ended. On the thread that owns this object it
    // keeps serving queued calls (the worker's synchronous calls and its end
    // notification) while it waits, so a worker blocked on such a call can
    // still reach its end. A thread that was never started counts as ended.
    void waitForEnd();

    // Asks the body to finish, opens every hold and waits for its end.
    void finishAndWait();

    // Shared with helper threads that do a share of the same search.
    Gate& gate() { return gate_; }

protected:
    virtual void Execute() = 0;

    // For the body: waits while held; true when the body must stop.
    bool checkpoint() { return gate_.checkpoint(); }
    template <class BeforeWait>
    bool checkpoint(BeforeWait&& beforeWait) {
        return gate_.checkpoint(std::forward<BeforeWait>(beforeWait));
    }

    // For the body: runs fn on the thread that owns this object and waits
    // until it has returned. While fn runs the body is stopped, so fn may read
    // the worker's members freely. Runs fn directly when called on that thread.
    void callOnOwnerThread(const std::function<void()>& fn);

private:
    void run() final;
    // Runs the call queued by callOnOwnerThread() and signals its end.
    Q_INVOKABLE void runPendingCall();

    Gate gate_{1};
    std::atomic<bool> started_{false};
    std::atomic<bool> ended_{false};
    // Written by the body's thread before ended_, read only after it.
    std::exception_ptr failure_;
    std::mutex endMutex_;
    std::condition_variable endSignal_;
    std::mutex callMutex_;
    std::condition_variable callDoneSignal_;
    const std::function<void()>* pendingCall_ = nullptr;
    bool callDone_ = false;
};
