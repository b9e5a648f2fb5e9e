#pragma once

#include "search/Metryka.h"

#include <cstdint>
#include <vector>

// A plain iterated local search, the yardstick for the project's own: one
// thread, an array route with each city's position, 2-opt and Or-opt moves
// (one to three cities, either way round) over the ten nearest neighbours
// with an active queue, and kicks that swap two adjacent stretches of up to
// fifty cities; a kicked route is kept when it came out no longer, and taken
// back otherwise. It starts from the same greedy route as the project's
// search, and its time counts from the call, set-up included.
class PrzeszukiwanieProste {
public:
    struct Wynik {
        std::vector<int> trasa;
        double dlugosc = 0.0;
        long long kopniecia = 0;
    };

    // czasWatku: sekundy of this thread's processor time instead of wall
    // time, for trials on a machine that other work shares.
    static Wynik Szukaj(const Metryka& d, double sekundy, std::uint64_t ziarno, bool czasWatku = false);
};
