#include "tests/support/ModalHelper.h"
#include "toolkit/core/HoldableThread.h"
#include "toolkit/core/UserError.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <new>
#include <stdexcept>
#include <utility>
#include <vector>

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

// Runs a body given by the test.
class Runner : public HoldableThread {
public:
    explicit Runner(std::function<void()> body) : body_(std::move(body)) {}
    ~Runner() override { finishAndWait(); }

protected:
    void Execute() override { body_(); }

private:
    std::function<void()> body_;
};

} // namespace

TEST(HoldableThread, WhatTheBodyThrowsEndsItAndIsKeptInTheWindowsAndTheCommandLinesWords) {
    const std::vector<std::pair<std::function<void()>, BilingualText>> przypadki{
        {[] { throw UserError("Zbyt duża liczba punktów"); },
         {"Zbyt duża liczba punktów", "Zbyt duża liczba punktów"}},
        {[] { throw UserError(BilingualText{"Brak miast", "no cities"}); }, {"Brak miast", "no cities"}},
        {[] { throw std::bad_alloc(); }, {"Za mało pamięci", "out of memory"}},
        {[] { throw std::runtime_error("disk full"); }, {"disk full", "disk full"}},
        {[] { throw 42; }, {"Nieznany błąd", "unknown error"}},
    };
    for (const auto& [body, message] : przypadki) {
        Runner runner(body);
        bool notified = false;
        QObject::connect(&runner, &QThread::finished, &runner, [&] { notified = true; });
        EXPECT_EQ(runner.failure(), std::nullopt);
        runner.release();
        runner.waitForEnd();
        EXPECT_TRUE(runner.hasEnded());
        EXPECT_EQ(runner.failure(), message);
        ASSERT_TRUE(waitUntil([&] { return notified; }));
    }
    Runner fine([] {});
    fine.release();
    fine.waitForEnd();
    EXPECT_EQ(fine.failure(), std::nullopt);
}

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

    const auto wPauzie = counter.heldTime();
    counter.release();
    EXPECT_FALSE(counter.isHeld());
    const auto poPauzie = counter.heldTime();
    EXPECT_GE(poPauzie, wPauzie);
    ASSERT_TRUE(waitUntil([&] { return counter.steps.load() > parkedAt; }));
    EXPECT_EQ(counter.parkedThreads(), 0);
    // Working time is not held time.
    EXPECT_EQ(counter.heldTime(), poPauzie);
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

TEST(HoldableThread, EndNotificationArrivesOnTheOwnerThread) {
    Counter counter;
    bool notified = false;
    QObject::connect(&counter, &QThread::finished, &counter, [&] { notified = true; });
    counter.release();
    counter.finishAndWait();
    ASSERT_TRUE(waitUntil([&] { return notified; }));
}
