#pragma once

#include <optional>

// How far a route can be from the best one, given a bound on the best: the
// gap |route - bound| / bound in per cent, rounded up to hundredths so that
// it is never understated. The bound lies below the shortest route and
// above the longest. For whole lengths (calkowite) it is exact; in the
// window's cells a figure within a part in 10^12 of its own above a
// hundredth counts as that hundredth (the bound there is lowered by more
// than that). 0 for a route at its bound, none without a positive bound.
// Every figure of a gap the program shows or prints comes from here.
std::optional<double> LukaProcent(double trasa, double granica, bool calkowite);
