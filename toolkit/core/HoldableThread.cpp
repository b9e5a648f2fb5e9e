#include "toolkit/core/HoldableThread.h"

#include "toolkit/core/ExceptionMessage.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMetaObject>

#include <utility>

HoldableThread::HoldableThread() = default;

HoldableThread::~HoldableThread() {
    // Derived classes have already ended the body; this covers a direct
    // HoldableThread whose body needs nothing of a derived part.
    finishAndWait();
}

void HoldableThread::hold() {
    gate_.hold();
}

void HoldableThread::release() {
    gate_.release();
    if (!gate_.isHeld() && !started_.exchange(true))
        start();
}

void HoldableThread::run() {
    // Waits while held; a finish request that came first is the body's to
    // see at its first poll, so the body always runs and reports its end.
    gate_.checkpoint();
    clock_.start();
    try {
        Execute();
        if (epilogue_)
            epilogue_();
    } catch (...) {
        // Turned into a message only when the owner asks: the thread's own
        // memory may be what ran out.
        failure_ = std::current_exception();
    }
    // Notified under the lock: the owner may destroy this object as soon as
    // it sees the flag, and its join is invisible to thread checkers.
    std::lock_guard lock(endMutex_);
    ended_.store(true, std::memory_order_release);
    endSignal_.notify_all();
}

std::optional<BilingualText> HoldableThread::failure() const {
    if (!hasEnded() || !failure_)
        return std::nullopt;
    return describeException(failure_);
}

void HoldableThread::waitForEnd() {
    if (!started_.load(std::memory_order_acquire))
        return;
    if (QCoreApplication::instance() && QThread::currentThread() == thread() && !hasEnded()) {
        QEventLoop loop;
        connect(this, &QThread::finished, &loop, &QEventLoop::quit);
        // The worker can end between the test and exec(); QThread::finished is
        // then already queued and still quits the loop.
        if (!isFinished())
            loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    {
        std::unique_lock lock(endMutex_);
        endSignal_.wait(lock, [this] { return ended_.load(std::memory_order_acquire); });
    }
    wait();
}

void HoldableThread::finishAndWait() {
    gate_.requestFinish();
    waitForEnd();
}
