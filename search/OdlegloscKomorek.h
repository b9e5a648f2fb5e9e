#pragma once

#include <cmath>

// The distance between two cells dx columns and dy rows apart, in cell
// units, as the window's distance table holds it. Whole differences below
// 2^32 are exact in double and each square is rounded once, as the exact
// 64-bit square would be on conversion: the figure is the same whichever
// way the cells came.
inline float OdlegloscKomorek(double dx, double dy) {
    return static_cast<float>(std::sqrt(dx * dx + dy * dy));
}
