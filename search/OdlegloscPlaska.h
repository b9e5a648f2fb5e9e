#pragma once

#include "search/OdlegloscKomorek.h"

#include <cmath>
#include <cstddef>

// The kinds measured in the plane, each a type of its own whose distance is
// a function of the coordinates' differences: a search written as a
// template over the distance computes it inline, with no switch over the
// kind per call. Metryka measures with the same functions, so the figures
// are the same to the bit whichever way a search asks.
struct WzorKomorek {
    [[gnu::always_inline]] static double Odleglosc(double dx, double dy) {
        return OdlegloscKomorek(dx, dy);
    }
};

// TSPLIB's EUC_2D: to the nearest whole number.
struct WzorEuc2d {
    [[gnu::always_inline]] static double Odleglosc(double dx, double dy) {
        return std::floor(std::sqrt(dx * dx + dy * dy) + 0.5);
    }
};

// TSPLIB's CEIL_2D: up to a whole number.
struct WzorCeil2d {
    [[gnu::always_inline]] static double Odleglosc(double dx, double dy) {
        return std::ceil(std::sqrt(dx * dx + dy * dy));
    }
};

// TSPLIB's pseudo-Euclidean ATT: nearest whole number, then one up when
// that fell below.
struct WzorAtt {
    [[gnu::always_inline]] static double Odleglosc(double dx, double dy) {
        const double r = std::sqrt((dx * dx + dy * dy) / 10.0);
        const double t = std::floor(r + 0.5);
        return t < r ? t + 1.0 : t;
    }
};

// The distance of two cities by their numbers, for one kind in the plane.
// The coordinates must outlive it.
template <class Wzor>
class OdlegloscPlaska {
public:
    OdlegloscPlaska(const double* x, const double* y) : x_(x), y_(y) {}

    // Inline even where a search's loop has grown past the compiler's own
    // limits: the call would cost as much as the distance.
    [[gnu::always_inline]] double operator()(int a, int b) const {
        const std::size_t i = std::size_t(a);
        const std::size_t j = std::size_t(b);
        return Wzor::Odleglosc(x_[i] - x_[j], y_[i] - y_[j]);
    }

private:
    const double* x_;
    const double* y_;
};
