#pragma once

#include "search/lokalne/MiaraOdleglosci.h"

#include <algorithm>
#include <numeric>
#include <vector>

// The shortest route of a handful of cities by trying every order with city 0
// first ((n-1)! routes, 5,040 at most): below eight cities no double bridge
// fits, and up to eight the whole answer costs less than a few rounds of the
// local search.
constexpr int NajwiecejMiastDokladnie = 8;

template <MiaraOdleglosci D>
std::vector<int> TrasaDokladnaMala(const D& d, int n) {
    std::vector<int> trasa(std::size_t(std::max(n, 0)));
    std::iota(trasa.begin(), trasa.end(), 0);
    if (n <= 3)
        return trasa;
    const auto dlugosc = [&](const std::vector<int>& t) {
        double s = 0.0;
        for (int i = 0; i < n; ++i)
            s += double(d(t[std::size_t(i)], t[std::size_t((i + 1) % n)]));
        return s;
    };
    std::vector<int> najlepsza = trasa;
    double najkrotsza = dlugosc(trasa);
    while (std::next_permutation(trasa.begin() + 1, trasa.end())) {
        const double s = dlugosc(trasa);
        if (s < najkrotsza) {
            najkrotsza = s;
            najlepsza = trasa;
        }
    }
    return najlepsza;
}
