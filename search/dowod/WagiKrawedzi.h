#pragma once

#include "search/Metryka.h"
#include "search/dowod/CelDowodu.h"
#include "search/dowod/Krawedz.h"

#include <vector>

// The weight of every edge in the problem the branch and cut minimises: the
// metric's distance for the shortest route, its negation for the longest.
// Every cut holds for routes whatever their weights, so the longest route is
// proven by the same machinery. All n(n-1)/2 weights are kept, since each
// bound prices every edge.
class WagiKrawedzi {
public:
    WagiKrawedzi(const Metryka& d, CelDowodu cel);

    int Ilosc() const { return n_; }
    CelDowodu Cel() const { return cel_; }
    // Whole weights: a route's weight is a whole number, and a bound may be
    // rounded up to one.
    bool Calkowite() const { return calkowite_; }

    double operator()(int a, int b) const { return w_[Krawedz(a, b).Indeks()]; }
    double operator()(Krawedz k) const { return w_[k.Indeks()]; }
    // Row a of the triangle: the weights of (a, 0) ... (a, a - 1).
    const double* Wiersz(int a) const { return w_.data() + Krawedz(a, 0).Indeks(); }

    // The weight of a closed route, summed exactly for whole weights.
    long double Waga(const std::vector<int>& trasa) const;

    // The k lightest edges at each city, each edge once.
    std::vector<Krawedz> Najlzejsze(int k) const;

private:
    int n_;
    CelDowodu cel_;
    bool calkowite_;
    std::vector<double> w_;
};
