#pragma once

#include "search/lokalne/MiaraOdleglosci.h"
#include "search/lokalne/SasiedziKandydaci.h"

#include <functional>
#include <vector>

// The starting route: greedy matching over the candidate edges, shortest
// first (a city takes at most two, no edge closes a cycle), then the paths
// it leaves are joined end to nearest free end. About 15 to 20 per cent
// above the optimum, in O(n log n), so the descent after it has little to
// do. Empty when przerwij asked to stop.
std::vector<int> TrasaZachlanna(const SasiedziKandydaci& sasiedzi, int n,
                                const std::function<double(int, int)>& odleglosc,
                                const std::function<bool()>& przerwij);
