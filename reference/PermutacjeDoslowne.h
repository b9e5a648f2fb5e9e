#pragma once

#include "search/TablicaOdleglosci.h"

#include <cstdint>
#include <functional>
#include <vector>

struct WynikDoslowny {
    std::vector<int> trasa;
    float najkrotsza = 0.0f;
    float najdluzsza = 0.0f;
    std::uint32_t nrPermutacji = 0;
};

// Closed route length summed afresh, one single-precision addition per edge.
float DlugoscDoslowna(const TablicaOdleglosci& odleglosci, const int* trasa, int n);

// The permutation search done literally: the next lexicographic order of
// cities 1..n-1 by pivot, exchange and reversal, each route's length summed
// afresh, strict comparisons. Nothing skipped, one thread, no polling.
WynikDoslowny PermutacjeDoslownie(const TablicaOdleglosci& odleglosci, int n);

// The same, telling odwiedzona every route in the order it is evaluated.
WynikDoslowny PermutacjeDoslownie(const TablicaOdleglosci& odleglosci, int n,
                                  const std::function<void(const std::vector<int>&)>& odwiedzona);
