#pragma once

#include "search/Metryka.h"
#include "search/dolne/JednoDrzewo.h"

#include <span>

// The bound a minimum 1-tree over every pair of cities gives, made safe:
// its value in double, less what double's rounding can have taken from it,
// and for whole metrics rounded up to the next whole number (every route is
// a whole number there). The result never exceeds the shortest route.
double BezpieczneOgraniczenie(const Metryka& d, const JednoDrzewo& drzewo, std::span<const double> kary);

// The relative rounding allowed for above. Each edge cost d + pi + pi is
// rounded twice (2^-52 relative), the tree compared on those rounded costs,
// and the value summed over n terms (n 2^-53 of the sum of magnitudes): up
// to a million cities that is below 2.3e-10 of the magnitudes summed;
// 1e-9 leaves a margin of four, and the allowance grows with n beyond.
inline constexpr double kTolerancjaWzgledna = 1e-9;
