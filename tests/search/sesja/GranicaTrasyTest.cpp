// Beside a route, branch and cut's LP bound lifts Held and Karp's where its
// cuts reach further; in the window's cells, where it proves only to within
// a millionth, Held and Karp's stands alone.

#include "search/sesja/GranicaTrasy.h"
#include "search/dolne/OgraniczenieDolne.h"
#include "search/dowod/DowodOptymalnosci.h"
#include "tests/search/dolne/MetrykiLosowe.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {

const auto nigdy = [] { return false; };

} // namespace

TEST(GranicaTrasy, ReachesTheProvenOptimumWhereHeldAndKarpsFallsShortButNotInCells) {
    std::mt19937 los(5);
    RunningClock zegar;
    zegar.start();
    int krotsze = 0;
    for (int proba = 0; proba < 10 && krotsze < 2; ++proba) {
        const Metryka d = MetrykaLosowa(RodzajMetryki::Euc2d, 45, 1000, los);
        const WynikDowodu optimum = Udowodnij(d, CelDowodu::Najkrotsza, {}, nigdy, zegar, nullptr);
        ASSERT_TRUE(optimum.udowodniona);
        const OgraniczenieDolne heldKarp = ObliczOgraniczenieDolne(d, {}, nigdy);
        if (heldKarp.wartosc >= optimum.dlugosc)
            continue;
        ++krotsze;
        const std::optional<double> g = GranicaTrasy(d, optimum.trasa, optimum.dlugosc, 0.0, nigdy, zegar);
        ASSERT_TRUE(g);
        EXPECT_EQ(*g, optimum.dlugosc) << "try " << proba;
    }
    EXPECT_EQ(krotsze, 2) << "layouts where the 1-tree bound falls short of the optimum";

    const Metryka komorki = MetrykaLosowa(RodzajMetryki::Komorki, 45, 1000, los);
    std::vector<int> trasa(45);
    std::iota(trasa.begin(), trasa.end(), 0);
    const double dlugosc = komorki.Dlugosc(trasa);
    UstawieniaOgraniczenia zTrasa;
    zTrasa.dlugoscTrasy = dlugosc;
    const OgraniczenieDolne heldKarp = ObliczOgraniczenieDolne(komorki, zTrasa, nigdy);
    const std::optional<double> g = GranicaTrasy(komorki, trasa, dlugosc, 0.0, nigdy, zegar);
    ASSERT_TRUE(g && heldKarp.Jest());
    EXPECT_EQ(*g, std::min(heldKarp.wartosc, dlugosc));
}
