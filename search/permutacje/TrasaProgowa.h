#pragma once

#include "search/TablicaOdleglosci.h"

#include <functional>
#include <optional>
#include <vector>

struct TrasaProgowa {
    std::vector<int> trasa;
    float dlugosc = 0.0f;
};

// A good real route from city 0, found quickly, whose length bounds a walk
// after the shortest (or the longest) route before the walk meets one:
// either direction of the route found by TrasaPoczatkowa, whichever sums
// better in single precision, with that sum. None when the heuristic gave
// no valid route (a finish asked for in the middle of it, say).
std::optional<TrasaProgowa> ZnajdzTraseProgowa(const TablicaOdleglosci& odleglosci, int iloscMiast, bool dluzsza,
                                               const std::function<bool()>& przerwij);
