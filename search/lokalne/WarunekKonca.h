#pragma once

#include "toolkit/core/RunningClock.h"

#include <atomic>
#include <functional>

// Whether a search must end, asked by each of its threads between moves:
// the caller's callback said so (it may block while the search is held),
// the time limit has passed on the search's running clock, or another
// thread of the same search has ended it. Once true it stays true for all.
class WarunekKonca {
public:
    WarunekKonca(const std::function<bool()>& przerwij, const RunningClock& zegar, double limitSekund)
        : przerwij_(przerwij), zegar_(zegar), limitSekund_(limitSekund) {}

    bool operator()();
    // Ends the search for every thread, as when one of them fails.
    void Zakoncz() { koniec_.store(true, std::memory_order_relaxed); }
    bool Zakonczone() const { return koniec_.load(std::memory_order_relaxed); }

    double Sekundy() const { return zegar_.seconds(); }

private:
    const std::function<bool()>& przerwij_;
    const RunningClock& zegar_;
    double limitSekund_;
    std::atomic<bool> koniec_{false};
};
