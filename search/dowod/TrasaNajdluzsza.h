#pragma once

#include "search/Metryka.h"
#include "search/lokalne/UstawieniaLokalne.h"
#include "toolkit/core/RunningClock.h"

#include <functional>
#include <vector>

// A long route by the local search: the longest route of a metric is the
// shortest under the weights C - d(a, b), C the largest distance, since
// every route has n edges. Those weights go to the local search as an
// explicit table (whole numbers; the window's cells scaled by 2^10 first,
// enough to order its routes for a heuristic). The route's own length is
// measured again in the metric by the caller.
std::vector<int> TrasaNajdluzsza(const Metryka& d, const UstawieniaLokalne& ustawienia,
                                 const std::function<bool()>& przerwij, const RunningClock* zegar);
