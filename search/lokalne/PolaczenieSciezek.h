#pragma once

#include "search/lokalne/SasiedziKandydaci.h"

#include <array>
#include <functional>
#include <vector>

// The route through paths of a greedy matching: sasiad holds each city's
// up to two neighbours on its path (-1 for none; single cities are paths
// too, no cycles). The paths are walked one after another, each next one
// entered at the free end nearest to where the last one left off: first
// among the candidates, then in a k-d tree of the free ends (in the
// plane), or by looking at every free end (cities without places, whose
// distances come from a matrix of n^2 numbers anyway). Empty when przerwij
// asked to stop.
std::vector<int> PolaczSciezki(const std::vector<std::array<int, 2>>& sasiad, const SasiedziKandydaci& sasiedzi,
                               const std::function<double(int, int)>& odleglosc,
                               const std::function<bool()>& przerwij);
