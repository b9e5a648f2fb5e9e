#pragma once

#include "search/Metryka.h"
#include "search/OdlegloscKomorek.h"
#include "search/OdlegloscPlaska.h"

#include <algorithm>
#include <cmath>

// The least distance a kind in the plane can give between a point (qx, qy)
// and any point of the box [minX, maxX] x [minY, maxY]: what lets a search
// in a k-d tree skip a box. It must never exceed a distance Metryka gives,
// or a spanning tree called minimum could miss a cheaper edge and a bound
// built on it could pass the optimum.
//
// Every step of IEEE arithmetic is monotone, so the least coordinate
// differences give the least Euclidean distance e as Metryka computes it.
// From e each kind's rounding is bounded from below, with a relative
// margin kMargines for a last bit computed differently:
//   EUC_2D  nint(e) >= nint(e_lo)       (rounding half up is monotone)
//   CEIL_2D ceil(e) >= ceil(e_lo)
//   ATT     TSPLIB's nint-then-up-one-if-below is the ceiling of
//           r = sqrt(e^2 / 10), so >= ceil(r_lo)
//   cells   float(e) by the shared OdlegloscKomorek, monotone and exact for
//           whole cell differences, so no margin is needed there.
// GEO and explicit weights have no plane to prune in: the callers never ask.
// One function per kind (the kind's formula type, OdlegloscPlaska), so that
// a search templated on the kind prunes inline.
class DolnaOdleglosc {
public:
    template <class Wzor>
    static double DoPudelka(double qx, double qy, double minX, double maxX, double minY, double maxY) {
        const double dx = std::max({0.0, minX - qx, qx - maxX});
        const double dy = std::max({0.0, minY - qy, qy - maxY});
        return ZRoznic<Wzor>(dx, dy);
    }

    // The least distance for coordinate differences of at least dx and dy.
    template <class Wzor>
    static double ZRoznic(double dx, double dy);

    // Kinds this bound serves: the plane's.
    static bool Dotyczy(RodzajMetryki rodzaj) {
        return rodzaj != RodzajMetryki::Geo && rodzaj != RodzajMetryki::Jawna;
    }

private:
    // A few units in the last place below 1: far more than one rounding,
    // far less than anything that would weaken the pruning.
    static constexpr double kMargines = 1.0 - 1e-12;
};

template <>
inline double DolnaOdleglosc::ZRoznic<WzorKomorek>(double dx, double dy) {
    return double(OdlegloscKomorek(dx, dy));
}

template <>
inline double DolnaOdleglosc::ZRoznic<WzorEuc2d>(double dx, double dy) {
    return std::floor(std::sqrt(dx * dx + dy * dy) * kMargines + 0.5);
}

template <>
inline double DolnaOdleglosc::ZRoznic<WzorCeil2d>(double dx, double dy) {
    return std::ceil(std::sqrt(dx * dx + dy * dy) * kMargines);
}

template <>
inline double DolnaOdleglosc::ZRoznic<WzorAtt>(double dx, double dy) {
    return std::ceil(std::sqrt((dx * dx + dy * dy) / 10.0) * kMargines);
}
