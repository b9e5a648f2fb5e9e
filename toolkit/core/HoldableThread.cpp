#include "toolkit/core/HoldableThread.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMetaObject>

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
    if (!gate_.checkpoint())
        Execute();
    {
        std::lock_guard lock(endMutex_);
        ended_.store(true, std::memory_order_release);
    }
    endSignal_.notify_all();
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

void HoldableThread::callOnOwnerThread(const std::function<void()>& fn) {
    if (QThread::currentThread() == thread()) {
        fn();
        return;
    }
    // Our own handshake rather than a blocking queued connection, so that the
    // hand-over of the worker's data is visible to thread checkers.
    std::mutex mutex;
    std::condition_variable doneSignal;
    bool done = false;
    std::atomic<bool> published{false};
    published.store(true, std::memory_order_release);
    QMetaObject::invokeMethod(
        this,
        [&] {
            (void)published.load(std::memory_order_acquire);
            fn();
            std::lock_guard lock(mutex);
            done = true;
            doneSignal.notify_all();
        },
        Qt::QueuedConnection);
    std::unique_lock lock(mutex);
    doneSignal.wait(lock, [&] { return done; });
}
