// Alpha-nearness is by its definition the rise of the minimum 1-tree's cost
// when it must hold the edge: checked by forcing each edge into a plain
// Kruskal tree.

#include "search/dolne/AlfaBliskosc.h"
#include "search/dolne/OgraniczenieDolne.h"
#include "tests/search/dolne/MetrykiLosowe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

// The cheapest 1-tree with special city s that holds the edge (a, b):
// the spanning tree of the others by Kruskal with the edge put in first
// (when it does not touch s), and s's two cheapest edges, (a, b) one of
// them when it touches s.
double jednoDrzewoZKrawedzia(const Metryka& d, const std::vector<double>& kary, int s, int a, int b) {
    const int n = d.Ilosc();
    // The same sum in the same order both ways, or an edge at s may not
    // compare equal to itself among s's edges.
    const auto c = [&](int i, int j) {
        if (i > j)
            std::swap(i, j);
        return d(i, j) + kary[std::size_t(i)] + kary[std::size_t(j)];
    };
    std::vector<std::pair<double, std::pair<int, int>>> krawedzie;
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j)
            if (i != s && j != s)
                krawedzie.push_back({c(i, j), {i, j}});
    std::sort(krawedzie.begin(), krawedzie.end());
    std::vector<int> uf(static_cast<std::size_t>(n));
    std::iota(uf.begin(), uf.end(), 0);
    const auto korzen = [&](int v) {
        while (uf[std::size_t(v)] != v)
            v = uf[std::size_t(v)];
        return v;
    };
    double suma = 0.0;
    if (a != s && b != s) {
        suma += c(a, b);
        uf[std::size_t(korzen(a))] = korzen(b);
    }
    for (const auto& [w, k] : krawedzie)
        if (korzen(k.first) != korzen(k.second)) {
            uf[std::size_t(korzen(k.first))] = korzen(k.second);
            suma += w;
        }
    std::vector<double> przy;
    for (int j = 0; j < n; ++j)
        if (j != s)
            przy.push_back(c(s, j));
    std::sort(przy.begin(), przy.end());
    if (a == s || b == s)
        return suma + c(a, b) + przy[0] + (c(a, b) <= przy[0] ? przy[1] - przy[0] : 0.0);
    return suma + przy[0] + przy[1];
}

} // namespace

TEST(AlfaBliskosc, IsTheRiseOfTheMinimumOneTreeThatMustHoldTheEdge) {
    std::mt19937 los(4);
    for (int proba = 0; proba < 6; ++proba) {
        const int n = 8 + proba * 3;
        const Metryka d = MetrykaLosowa(proba % 2 ? RodzajMetryki::Euc2d : RodzajMetryki::Jawna, n, 1000, los);
        UstawieniaOgraniczenia u;
        u.limitIteracji = 20;
        const OgraniczenieDolne o = ObliczOgraniczenieDolne(d, u, [] { return false; });
        ASSERT_TRUE(o.Jest());
        const AlfaBliskosc alfa(d, o.kary, o.drzewo);
        const int s = o.drzewo.specjalne;
        const double minimum = jednoDrzewoZKrawedzia(d, o.kary, s, s, o.drzewo.drugi);
        for (int a = 0; a < n; ++a)
            for (int b = a + 1; b < n; ++b)
                EXPECT_NEAR(alfa.Alfa(a, b), jednoDrzewoZKrawedzia(d, o.kary, s, a, b) - minimum, 1e-6)
                    << "edge " << a << "-" << b << " of " << n;
        // Each city's list: the k least alphas, least first.
        const auto listy = alfa.Sasiedzi(4, [] { return false; });
        ASSERT_TRUE(listy);
        for (int a = 0; a < n; ++a) {
            std::vector<double> wszystkie;
            for (int b = 0; b < n; ++b)
                if (b != a)
                    wszystkie.push_back(alfa.Alfa(a, b));
            std::sort(wszystkie.begin(), wszystkie.end());
            ASSERT_EQ((*listy)[std::size_t(a)].size(), 4u);
            for (std::size_t k = 0; k < 4; ++k)
                EXPECT_NEAR(alfa.Alfa(a, (*listy)[std::size_t(a)][k]), wszystkie[k], 1e-9);
        }
    }
}
