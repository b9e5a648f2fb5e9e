#pragma once

#include "search/TablicaOdleglosci.h"

#include <vector>

// What the bounds of the exact search need to know of a distance table to
// stay safe under single-precision rounding.

// The bounds rest on additions of non-negative finite values: each prefix
// sum is then at most the final sum, and rounding stays within a known
// margin.
bool NadajeSieDoOgraniczen(const TablicaOdleglosci& odleglosci, int iloscMiast);

// When every sum of up to n entries is exact in single precision, as for
// whole-number distances, the step all sums are multiples of (the bounds
// then need no margin at all); else 0.
double KrokDokladnychSum(const TablicaOdleglosci& odleglosci, int iloscMiast);

// Symmetric costs that bound both directions of every edge, n x n row by
// row: the cheaper direction for the shortest route, the dearer one,
// negated, for the longest.
std::vector<double> KosztyKrancowe(const TablicaOdleglosci& odleglosci, int iloscMiast, bool dluzsza);
