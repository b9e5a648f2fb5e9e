#pragma once

#include "search/lokalne/MiaraOdleglosci.h"
#include "search/lokalne/SasiedziKandydaci.h"

#include <functional>
#include <vector>

// The starting route: greedy matching over the candidate edges, shortest
// first (a city takes at most two, no edge closes a cycle), then the paths
// it leaves are joined end to nearest free end, found among the candidates
// or else in a k-d tree of the free ends. About 15 to 20 per cent above the
// optimum, so the descent after it has little to do. On any layout with
// coordinates O(n·K) for K candidates a city (the edges sorted by radix)
// and O(log n) for each path joined; without them the ends are joined by
// looking at every free end (PolaczSciezki), O(n^2) at worst like the
// matrix the distances come from. Empty when przerwij asked to stop.
std::vector<int> TrasaZachlanna(const SasiedziKandydaci& sasiedzi, int n,
                                const std::function<double(int, int)>& odleglosc,
                                const std::function<bool()>& przerwij);
