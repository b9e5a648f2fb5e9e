#pragma once

#include <vector>

// Held-Karp's Lagrangian bound on the cheapest Hamiltonian path between two
// given end cities through a set of cities, for symmetric costs (negate them
// to bound the dearest path instead).
//
// With a penalty pi[v] on every city, each edge costs c(u,v) + pi[u] + pi[v];
// a path then costs its own length plus 2 pi[v] for every inner city and
// pi[v] for each end. A path is a spanning tree, so the cheapest spanning
// tree under the penalties, less those terms, bounds every path from below,
// whatever the penalties. Subgradient steps on the degree surplus raise the
// bound towards the path's length.
class RelaksacjaLagrange {
public:
    RelaksacjaLagrange(std::vector<double> koszty, int n);

    // wezly[0] and wezly[1] are the two ends, wezly[2..k-1] the cities in
    // between. kary holds the starting penalties, indexed by city; it is
    // left holding those of the best bound met. Stops after iteracje trees,
    // or once the bound reaches dosc; returns the best bound met (never above
    // the cheapest path's cost, up to a margin for double rounding).
    double Ocen(const int* wezly, int k, double* kary, int iteracje, double dosc);

private:
    double drzewo(const int* wezly, int k, const double* kary);

    std::vector<double> c_;
    int n_;
    std::vector<double> klucz_;
    std::vector<int> rodzic_;
    std::vector<char> wDrzewie_;
    std::vector<int> stopien_;
    std::vector<double> kara_;
    std::vector<double> najlepszeKary_;
};
