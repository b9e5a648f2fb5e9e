#pragma once

#include "search/Metryka.h"
#include "toolkit/core/RunningClock.h"

#include <QString>

#include <functional>
#include <optional>
#include <span>

// How far above the optimum a route can be, given a lower bound: the gap
// (route - bound) / bound in per cent, rounded up to miejsc decimals so that
// it is never understated. For whole lengths (calkowite) it is exact; in
// the window's cells a figure within 10^-12 of its own above a rounded one
// counts as that one (the bound there is lowered by more than that). None when the bound is not positive (no gap to speak of),
// except for a route of length 0, whose gap is 0.
std::optional<double> LukaCoNajwyzej(double trasa, double ograniczenie, bool calkowite, int miejsc = 2);

// The gap as the window says it: "co najwyżej 0,83 % powyżej optimum", with
// the system's decimal separator; "optymalna" (the route is optimal) when
// the gap is 0.
QString OpisLuki(double luka, int miejsc = 2);

// The gap of a route (every city once) of length dlugosc, from its lower
// bound (GranicaTrasy) computed for at most limitSekund on zegar, polling
// przerwij. None when stopped before a bound, or without a gap to speak of.
std::optional<double> LukaTrasy(const Metryka& d, std::span<const int> trasa, double dlugosc, double limitSekund,
                                const std::function<bool()>& przerwij, const RunningClock& zegar);
