#pragma once

#include "search/lokalne/KontekstLokalny.h"

#include <vector>

// The threads share one route, each improving a stretch of its own: in
// epochs, between which all threads meet, the new route is handed to the
// readers and the route is split again at a random place (so the borders
// move). An epoch ends after the plan's rounds, or half a second into it
// when the search runs for a time, so the readers see every improvement
// soon. The result is the route as the last epoch left it.
std::vector<int> SzukajPodzialem(const KontekstLokalny& k, const std::vector<int>& poczatkowa);
