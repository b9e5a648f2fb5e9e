#pragma once

#include "search/Metryka.h"
#include "toolkit/core/RunningClock.h"

#include <functional>
#include <optional>
#include <span>

// The best lower bound on the shortest route that limitSekund on zegar
// allows, beside a route of length dlugosc (every city once): Held and
// Karp's on the calling thread and, for the whole metrics up to the size
// branch and cut takes, on a second thread the bound of a whole branch and
// cut started from the route, which its cuts beyond subtours often lift
// well past Held and Karp's on clustered and irregular layouts. Both hold
// for every route, so the larger is the answer, never above dlugosc. None
// when stopped before either had a bound. przerwij is polled on both
// threads.
std::optional<double> GranicaTrasy(const Metryka& d, std::span<const int> trasa, double dlugosc, double limitSekund,
                                   const std::function<bool()>& przerwij, const RunningClock& zegar);
