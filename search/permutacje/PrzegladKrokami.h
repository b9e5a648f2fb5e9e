#pragma once

#include "search/TablicaOdleglosci.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

class BramkaKrokow;

struct WynikPrzegladuKrokami {
    std::vector<int> trasa;
    float najkrotsza = 0.0f;
    float najdluzsza = 0.0f;
};

// The permutation search in step mode: every route from city 0 in
// lexicographic order, each route evaluated and each branch the simplest
// bound cuts off being one step. The same results as the full-speed search
// (the first shortest route, its single-precision sum, the greatest sum),
// by a walk slow enough to be watched. Stops with what it has met when a
// step or przerwij says so; nrPermutacji counts the routes covered.
WynikPrzegladuKrokami PrzegladKrokami(const TablicaOdleglosci& odleglosci, int iloscMiast, BramkaKrokow& kroki,
                                       const std::function<bool()>& przerwij,
                                       std::atomic<std::uint32_t>& nrPermutacji);
