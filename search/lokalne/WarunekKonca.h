#pragma once

#include <atomic>
#include <chrono>
#include <functional>

// One search thread's test whether to stop: the caller's callback (which may
// block while the search is held), the time limit, or another thread of the
// same search having stopped. Time spent held inside the callback does not
// count against the limit.
class WarunekKonca {
public:
    using Zegar = std::chrono::steady_clock;

    WarunekKonca(const std::function<bool()>& przerwij, Zegar::time_point poczatek, double limitSekund,
                 std::atomic<bool>& koniec)
        : przerwij_(przerwij), poczatek_(poczatek), limitSekund_(limitSekund), koniec_(koniec) {}

    bool operator()();

    // This thread's own running time since the start of the search.
    double Sekundy() const { return Sekundy(Zegar::now()); }

private:
    double Sekundy(Zegar::time_point teraz) const {
        return std::chrono::duration<double>(teraz - poczatek_ - wstrzymanie_).count();
    }

    const std::function<bool()>& przerwij_;
    Zegar::time_point poczatek_;
    double limitSekund_;
    std::atomic<bool>& koniec_;
    Zegar::duration wstrzymanie_{};
};
