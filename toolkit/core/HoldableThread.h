#pragma once

#include "toolkit/core/BilingualText.h"
#include "toolkit/core/Gate.h"
#include "toolkit/core/RunningClock.h"

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
    // How long the body has run, its holds left out: started as the body
    // starts, 0 before. Readable from any thread.
    const RunningClock& runningClock() const { return clock_; }
    // Threads of this search stopped at a hold right now.
    int parkedThreads() const { return gate_.parked(); }

    void requestFinish() { gate_.requestFinish(); }
    bool finishRequested() const { return gate_.finishRequested(); }

    // True once Execute() has returned or thrown.
    bool hasEnded() const { return ended_.load(std::memory_order_acquire); }

    // Once the body has ended: the text of the error that ended it, as
    // describeException() gives it; none when it returned normally or has
    // not ended yet.
    std::optional<BilingualText> failure() const;

    // Blocks until the body has ended. On the thread that owns this object it
    // keeps serving queued events while it waits (its end notification among
    // them, so that it is delivered before the owner goes on). A thread that
    // was never started counts as ended.
    void waitForEnd();

    // Asks the body to finish, opens every hold and waits for its end.
    void finishAndWait();

    // Shared with helper threads that do a share of the same search.
    Gate& gate() { return gate_; }

    // Work for this thread after the body has returned normally, before the
    // thread counts as ended: what the owner makes of the body's results.
    // Whatever it throws is kept as the body's failure. Set before the
    // first release.
    void setEpilogue(std::function<void()> epilogue) { epilogue_ = std::move(epilogue); }

protected:
    virtual void Execute() = 0;

    // For the body: waits while held; true when the body must stop.
    bool checkpoint() { return gate_.checkpoint(); }
    template <class BeforeWait>
    bool checkpoint(BeforeWait&& beforeWait) {
        return gate_.checkpoint(std::forward<BeforeWait>(beforeWait));
    }

private:
    void run() final;

    Gate gate_{1};
    RunningClock clock_{&gate_};
    std::atomic<bool> started_{false};
    std::atomic<bool> ended_{false};
    std::function<void()> epilogue_;
    // Written by the body's thread before ended_, read only after it.
    std::exception_ptr failure_;
    std::mutex endMutex_;
    std::condition_variable endSignal_;
};
