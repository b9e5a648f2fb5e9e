#pragma once

#include "search/SumaTrasy.h"

// Helpers shared by the genetic search tests.

#include "reference/MiastaTestowe.h"
#include "search/genetyczne/CGenetyk.h"
#include "search/LosowaLiczba.h"
#include "search/TablicaOdleglosci.h"
#include "tests/support/TestHelpers.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <random>
#include <vector>

namespace genetyk_test {

// Distances between n distinct cities placed at random on a 25 x 25 grid.
inline OdleglosciSlot tablicaLosowa(int n, unsigned ziarno) {
    return std::make_unique<TablicaOdleglosci>(TablicaDla(LosoweKomorki(n, 25, 25, ziarno)));
}

// The closed length summed as the search sums it: row = later city.
inline double dlugosc(const TablicaOdleglosci& t, const std::vector<int>& g) {
    return SumaTrasy<double>(t, g.data(), int(g.size()));
}

inline std::vector<int> losowaPermutacja(int n, std::mt19937& los) {
    std::vector<int> p(n);
    for (int i = 0; i < n; ++i)
        p[i] = i;
    std::shuffle(p.begin(), p.end(), los);
    return p;
}

// The probability draw, taken from the calling thread's source.
inline double losujX() {
    return (Losowanie15() % 10000) * 0.0001;
}

// The partially-mapped crossover step by step: children filled with -1,
// outside genes kept unless the segment holds them, then each gap repaired
// by scanning the segment from its start again after every replacement.
struct Dzieci {
    std::vector<int> pierwsze;
    std::vector<int> drugie;
};

inline Dzieci krzyzujWprost(const std::vector<int>& A, const std::vector<int>& B, int c1, int c2) {
    const int n = static_cast<int>(A.size());
    Dzieci d{std::vector<int>(n, -1), std::vector<int>(n, -1)};
    for (int j = c1; j < c2; ++j) {
        d.pierwsze[j] = B[j];
        d.drugie[j] = A[j];
    }
    auto wOdcinku = [&](const std::vector<int>& dziecko, int v) {
        for (int j = c1; j < c2; ++j)
            if (dziecko[j] == v)
                return j;
        return -1;
    };
    std::vector<int> poza;
    for (int i = 0; i < c1; ++i)
        poza.push_back(i);
    for (int i = c2; i < n; ++i)
        poza.push_back(i);
    for (int i : poza) {
        if (wOdcinku(d.pierwsze, A[i]) < 0)
            d.pierwsze[i] = A[i];
        if (wOdcinku(d.drugie, B[i]) < 0)
            d.drugie[i] = B[i];
    }
    for (int i : poza) {
        if (d.pierwsze[i] == -1) {
            int v = A[i];
            for (int j = wOdcinku(d.pierwsze, v); j >= 0; j = wOdcinku(d.pierwsze, v))
                v = d.drugie[j];
            d.pierwsze[i] = v;
        }
    }
    for (int i : poza) {
        if (d.drugie[i] == -1) {
            int v = B[i];
            for (int j = wOdcinku(d.drugie, v); j >= 0; j = wOdcinku(d.drugie, v))
                v = d.pierwsze[j];
            d.drugie[i] = v;
        }
    }
    return d;
}

} // namespace genetyk_test
