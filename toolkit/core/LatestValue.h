#pragma once

#include <array>
#include <atomic>

// Hands the newest of a stream of values from one writer thread to one reader
// thread without either ever waiting for the other (a triple buffer). The
// writer fills back() and publishes it; the reader takes the newest published
// value into front(). Values published between two takes are skipped.
template <class T>
class LatestValue {
public:
    // Writer: the slot to fill before publish(). It holds whatever it held
    // when last published or taken, so a writer may update it in part.
    T& back() { return slots_[back_]; }

    // Writer: makes back() the newest value.
    void publish() { back_ = middle_.exchange(back_ | kFresh, std::memory_order_acq_rel) & kIndex; }

    // Writer: true when the reader has taken the last value published, or
    // nothing was published yet.
    bool taken() const { return (middle_.load(std::memory_order_relaxed) & kFresh) == 0; }

    // Reader: moves a value published since the last take into front();
    // false when there is none.
    bool take() {
        if (taken())
            return false;
        front_ = middle_.exchange(front_, std::memory_order_acq_rel) & kIndex;
        return true;
    }

    // Reader: the value last taken.
    const T& front() const { return slots_[front_]; }

private:
    static constexpr unsigned kIndex = 3;
    static constexpr unsigned kFresh = 4;

    std::array<T, 3> slots_{};
    unsigned back_ = 0;
    std::atomic<unsigned> middle_{1};
    unsigned front_ = 2;
};
