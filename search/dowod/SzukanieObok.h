#pragma once

#include "search/Metryka.h"
#include "search/lokalne/PrzeszukiwanieLokalne.h"
#include "toolkit/core/RunningClock.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <thread>
#include <vector>

// A local search of its own beside branch and cut, on the processor the LP
// leaves idle. Where the first route is a few units above the optimum the
// bound can reach the optimum and still not close the tree: every better
// route this search finds closes the nodes whose bound has passed it.
// It runs until the object goes (or przerwij or the limit ends it), or
// until kRundyBezPoprawy rounds a city have not shortened its route: it
// shares the machine with the LP, which it slows by a third on two cores.
class SzukanieObok {
public:
    // d and zegar must outlive this object; przerwij is called from its
    // thread (as the local search's own helper threads call it).
    SzukanieObok(const Metryka& d, std::uint64_t ziarno, double limitSekund, const std::function<bool()>& przerwij,
                 const RunningClock& zegar);
    ~SzukanieObok();
    SzukanieObok(const SzukanieObok&) = delete;
    SzukanieObok& operator=(const SzukanieObok&) = delete;

    // The newest route found since the last call; one caller thread only.
    std::optional<std::vector<int>> Wez();

private:
    bool dosc();

    PrzeszukiwanieLokalne szukanie_;
    long long limitRund_;
    // Its thread's own: the best length it has seen and the rounds then.
    double najlepsza_;
    long long rundyPoprawy_ = 0;
    std::atomic<bool> koniec_{false};
    std::function<bool()> przerwij_;
    std::jthread watek_;
};
