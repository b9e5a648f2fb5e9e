#include "search/ZOdlegloscia.h"
#include "tests/search/dolne/MetrykiLosowe.h"

#include <gtest/gtest.h>

#include <random>
#include <utility>
#include <vector>

// The kind's own type, inline in the search, must give the metric's figure
// to the bit for every kind: on whole coordinates with ties and shared
// points and on real ones, and for GEO through its cache again and again,
// far more pairs than its table holds, so that hits, misses and places
// taken over all come up.
TEST(ZOdlegloscia, EveryKindMeasuresAsTheMetricDoes) {
    std::mt19937 los(7);
    for (const RodzajMetryki rodzaj : kKazdaMetryka)
        for (const int bok : {20, 100000}) {
            const Metryka d = MetrykaLosowa(rodzaj, 600, bok, los);
            std::vector<std::pair<int, int>> pary;
            std::uniform_int_distribution<int> miasto(0, d.Ilosc() - 1);
            for (int k = 0; k < 50000; ++k)
                pary.push_back({miasto(los), k % 97 == 0 ? -1 : miasto(los)});
            int rozne = 0;
            ZOdlegloscia(d, [&](const auto& odleglosc) {
                for (int przebieg = 0; przebieg < 2; ++przebieg)
                    for (auto [a, b] : pary) {
                        b = b < 0 ? a : b;
                        rozne += odleglosc(a, b) != d(a, b) || odleglosc(b, a) != d(a, b);
                    }
            });
            EXPECT_EQ(rozne, 0) << int(rodzaj) << ' ' << bok;
        }
}
