#include "tests/support/ModalHelper.h"
#include "toolkit/core/HoldableThread.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <atomic>

namespace {

// Counts up until asked to finish; every step passes the checkpoint.
class Counter : public HoldableThread {
public:
    ~Counter() override { finishAndWait(); }
    std::atomic<long> steps{0};
    std::atomic<bool> bodyRan{false};

protected:
    void Execute() override {
        bodyRan = true;
        while (!checkpoint())
            steps.fetch_add(1);
    }
};

// Calls back onto the owner thread a given number of times.
class Caller : public HoldableThread {
public:
    ~Caller() override { finishAndWait(); }
    int calls = 0;
    int seenOnOwner = 0;
    int value = 0;

protected:
    void Execute() override {
        for (int i = 0; i < calls && !checkpoint(); ++i) {
            value = i;
            callOnOwnerThread([this] { seenOnOwner += value + 1; });
        }
    }
};

} // namespace

TEST(HoldableThread, IsCreatedHeldAndStartsOnRelease) {
    Counter counter;
    EXPECT_TRUE(counter.isHeld());
    EXPECT_FALSE(counter.isRunning());
    counter.release();
    EXPECT_FALSE(counter.isHeld());
    ASSERT_TRUE(waitUntil([&] { return counter.steps.load() > 0; }));
}

TEST(HoldableThread, BodyRunsOnceReleasedEvenWhenAskedToFinishFirst) {
    Counter counter;
    counter.requestFinish();
    counter.release();
    counter.waitForEnd();
    EXPECT_TRUE(counter.bodyRan);
    EXPECT_EQ(counter.steps.load(), 0);
}

TEST(HoldableThread, HoldsNestAndTheHeldFlagFollowsTheCount) {
    Counter counter;
    counter.release();
    ASSERT_TRUE(waitUntil([&] { return counter.steps.load() > 0; }));

    counter.hold();  // the user's pause
    EXPECT_TRUE(counter.isHeld());
    ASSERT_TRUE(waitUntil([&] { return counter.parkedThreads() == 1; }));
    const long parkedAt = counter.steps.load();
    counter.hold();  // a timer tick inside the pause
    counter.release();
    EXPECT_TRUE(counter.isHeld());
    EXPECT_EQ(counter.parkedThreads(), 1);
    EXPECT_EQ(counter.steps.load(), parkedAt);

    counter.release();
    EXPECT_FALSE(counter.isHeld());
    ASSERT_TRUE(waitUntil([&] { return counter.steps.load() > parkedAt; }));
    EXPECT_EQ(counter.parkedThreads(), 0);
}

TEST(HoldableThread, FinishRequestEndsAHeldWorker) {
    Counter counter;
    counter.release();
    ASSERT_TRUE(waitUntil([&] { return counter.steps.load() > 0; }));
    counter.hold();
    counter.hold();
    counter.finishAndWait();
    EXPECT_TRUE(counter.hasEnded());
    EXPECT_TRUE(counter.isFinished());
}

TEST(HoldableThread, DestroysCleanlyInEveryState) {
    {
        Counter neverStarted;
        neverStarted.finishAndWait();
        EXPECT_FALSE(neverStarted.bodyRan);
    }
    {
        Counter running;
        running.release();
        ASSERT_TRUE(waitUntil([&] { return running.steps.load() > 0; }));
    }  // destroyed while running: must end, not hang
    {
        Counter held;
        held.release();
        ASSERT_TRUE(waitUntil([&] { return held.steps.load() > 0; }));
        held.hold();
    }  // destroyed while held
    {
        Counter ended;
        ended.release();
        ended.finishAndWait();
        ended.hold();  // held after its end, as a progress tick may leave it
        EXPECT_TRUE(ended.hasEnded());
    }
}

TEST(HoldableThread, SynchronousCallsRunOnTheOwnerThreadInOrder) {
    Caller caller;
    caller.calls = 50;
    caller.release();
    caller.waitForEnd();  // keeps serving the calls while it waits
    EXPECT_EQ(caller.seenOnOwner, 50 * 51 / 2);
}

TEST(HoldableThread, FinishWhileTheWorkerWaitsOnTheOwnerDoesNotDeadlock) {
    Caller caller;
    caller.calls = 1000000;
    caller.release();
    ASSERT_TRUE(waitUntil([&] { return caller.seenOnOwner > 0; }));
    caller.finishAndWait();
    EXPECT_TRUE(caller.hasEnded());
}

TEST(HoldableThread, EndNotificationArrivesOnTheOwnerThread) {
    Counter counter;
    bool notified = false;
    QObject::connect(&counter, &QThread::finished, &counter, [&] { notified = true; });
    counter.release();
    counter.finishAndWait();
    ASSERT_TRUE(waitUntil([&] { return notified; }));
}
