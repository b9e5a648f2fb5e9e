// The minimum spanning tree under penalties over every pair, found by
// Boruvka with a pruned k-d tree in the plane, against a plain O(n^2) Prim.

#include "search/dolne/DrzewoKar.h"
#include "search/dolne/PelneJednoDrzewo.h"
#include "tests/search/dolne/MetrykiLosowe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

double koszt(const Metryka& d, const std::vector<double>& kary, int a, int b) {
    return d(a, b) + kary[std::size_t(a)] + kary[std::size_t(b)];
}

double drzewoPrima(const Metryka& d, const std::vector<double>& kary) {
    const int n = d.Ilosc();
    std::vector<double> klucz(std::size_t(n), std::numeric_limits<double>::infinity());
    std::vector<char> w(std::size_t(n), 0);
    klucz[0] = 0.0;
    double suma = 0.0;
    for (int k = 0; k < n; ++k) {
        int c = -1;
        for (int v = 0; v < n; ++v)
            if (!w[std::size_t(v)] && (c < 0 || klucz[std::size_t(v)] < klucz[std::size_t(c)]))
                c = v;
        w[std::size_t(c)] = 1;
        suma += klucz[std::size_t(c)];
        for (int v = 0; v < n; ++v)
            if (!w[std::size_t(v)])
                klucz[std::size_t(v)] = std::min(klucz[std::size_t(v)], koszt(d, kary, c, v));
    }
    return suma;
}

double wagaDrzewa(const Metryka& d, const std::vector<double>& kary, const JednoDrzewo& t) {
    double suma = 0.0;
    for (int c = 0; c < t.Ilosc(); ++c)
        if (t.rodzic[std::size_t(c)] >= 0)
            suma += koszt(d, kary, c, t.rodzic[std::size_t(c)]);
    return suma;
}

} // namespace

TEST(PelneJednoDrzewo, SpanningTreeWeighsWhatPrimsDoesInEveryMetricWithTiesSharedPointsAndAnyPenalties) {
    std::mt19937 los(11);
    for (const RodzajMetryki rodzaj : kKazdaMetryka)
        for (int proba = 0; proba < 24; ++proba) {
            const int n = 3 + int(los() % 150);
            const int bok = proba % 2 == 0 ? 12 : 5000;
            const Metryka d = MetrykaLosowa(rodzaj, n, bok, los);
            const std::vector<double> kary = KaryLosowe(n, proba % 3 == 0, los);
            PelneJednoDrzewo pelne(d);
            const std::optional<JednoDrzewo> t = pelne.Oblicz(kary, [] { return false; });
            ASSERT_TRUE(t);
            const double prim = drzewoPrima(d, kary);
            EXPECT_NEAR(wagaDrzewa(d, kary, *t), prim, 1e-9 * (1.0 + std::fabs(prim)))
                << "kind " << int(rodzaj) << ", attempt " << proba << ", " << n << " cities";
            // The special city is a leaf whose extra edge is its second
            // cheapest: no other city but its tree neighbour is nearer.
            ASSERT_GE(t->specjalne, 0);
            const std::vector<int> stopien = t->Stopnie();
            EXPECT_EQ(stopien[std::size_t(t->specjalne)], 2);
            int tanszych = 0;
            for (int c = 0; c < n; ++c)
                if (c != t->specjalne
                    && koszt(d, kary, t->specjalne, c) < koszt(d, kary, t->specjalne, t->drugi) - 1e-9)
                    ++tanszych;
            EXPECT_LE(tanszych, 1);
        }
}

TEST(PelneJednoDrzewo, TreeQueryFindsTheCheapestOutsideTheOwnComponentAsAScanDoes) {
    std::mt19937 los(5);
    for (const RodzajMetryki rodzaj : {RodzajMetryki::Komorki, RodzajMetryki::Euc2d, RodzajMetryki::Ceil2d,
                                       RodzajMetryki::Att})
        for (int proba = 0; proba < 10; ++proba) {
            const int n = 2 + int(los() % 300);
            const Metryka d = MetrykaLosowa(rodzaj, n, proba % 2 == 0 ? 20 : 100000, los);
            const std::vector<double> kary = KaryLosowe(n, proba % 2 == 0, los);
            std::vector<int> skladowa;
            for (int c = 0; c < n; ++c)
                skladowa.push_back(int(los() % 4));
            DrzewoKar drzewo(d);
            drzewo.UstawKary(kary);
            drzewo.UstawSkladowe(skladowa);
            for (int i = 0; i < n; ++i) {
                const bool poza = i % 2 == 0;
                std::vector<double> skan;
                for (int j = 0; j < n; ++j)
                    if (j != i && (!poza || skladowa[std::size_t(j)] != skladowa[std::size_t(i)]))
                        skan.push_back(d(i, j) + kary[std::size_t(j)]);
                std::sort(skan.begin(), skan.end());
                DrzewoKar::Trafienie t[5];
                const int ile = drzewo.Najblizsze(i, 5, poza, std::numeric_limits<double>::infinity(), t);
                ASSERT_EQ(std::size_t(ile), std::min<std::size_t>(5, skan.size()));
                for (int k = 0; k < ile; ++k)
                    EXPECT_EQ(t[k].klucz, skan[std::size_t(k)]) << "kind " << int(rodzaj) << ", city " << i;
            }
        }
}
