// Beside a route, branch and cut's LP bound lifts Held and Karp's where its
// cuts reach further; in the window's cells, where it proves only to within
// a millionth, Held and Karp's stands alone, made safe for the
// single-precision sums the cells' lengths are.

#include "search/sesja/GranicaBezpieczna.h"
#include "search/sesja/GranicaTrasy.h"
#include "search/dolne/OgraniczenieDolne.h"
#include "search/ZestawMiast.h"
#include "storage/PlikTsp.h"
#include "storage/PlikZestawu.h"
#include "tests/support/TestHelpers.h"
#include "tests/search/dolne/MetrykiLosowe.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {

const auto nigdy = [] { return false; };

} // namespace

TEST(GranicaTrasy, ReachesThePublishedOptimumWhereHeldAndKarpsFallsShortButNotInCells) {
    SKIP_WITHOUT_TSPLIB();
    RunningClock zegar;
    zegar.start();
    int krotsze = 0;
    for (const char* nazwa : {"eil51", "berlin52", "st70", "eil76", "pr76", "kroA100"}) {
        const QString sciezka = QStringLiteral(WEDROWNIK_TSPLIB "/") + nazwa;
        const InstancjaTsp instancja = PlikTsp::WczytajInstancje(sciezka + ".tsp");
        const std::vector<int> trasa = PlikTsp::TrasaInstancji(instancja, nazwa, sciezka + ".opt.tour");
        const ZestawMiast miasta = PlikZestawu::ZInstancji(InstancjaTsp(instancja));
        const Metryka& d = miasta.metryka;
        const double optimum = d.Dlugosc(trasa);
        const OgraniczenieDolne heldKarp = ObliczOgraniczenieDolne(d, {}, nigdy);
        if (heldKarp.wartosc >= optimum)
            continue;
        ++krotsze;
        const std::optional<double> g = GranicaTrasy(d, trasa, optimum, 0.0, nigdy, zegar);
        ASSERT_TRUE(g);
        EXPECT_EQ(*g, optimum) << nazwa;
    }
    EXPECT_GE(krotsze, 2) << "instances where the 1-tree bound falls short of the optimum";

    std::mt19937 los(5);
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

TEST(GranicaSumPojedynczych, TheCellsBoundStaysBelowTheSinglePrecisionOptimum) {
    // Twelve cells on a circle: Held and Karp's bound of the exact sums
    // lies above the shortest route's single-precision sum.
    const std::vector<TPunkt> komorki{{12, 6}, {11, 9}, {9, 11}, {6, 12}, {3, 11}, {1, 9},
                                      {0, 6},  {1, 3},  {3, 1},  {6, 0},  {9, 1},  {11, 3}};
    const ZestawMiast miasta = ZestawMiast::ZKomorek(komorki);
    std::vector<int> trasa(12);
    std::iota(trasa.begin(), trasa.end(), 0);
    // The convex order is the shortest route; its length, as the window
    // sums it, step by step in single precision.
    float optimum = 0.0f;
    for (int k = 0; k < 12; ++k)
        optimum += float(miasta.metryka(trasa[k], trasa[(k + 1) % 12]));
    const OgraniczenieDolne heldKarp = ObliczOgraniczenieDolne(miasta.metryka, {}, nigdy);
    ASSERT_TRUE(heldKarp.Jest());
    EXPECT_GT(heldKarp.wartosc, double(optimum)) << "the layout no longer shows the fault";
    const double bezpieczna = GranicaSumPojedynczych(heldKarp.wartosc, false, 12, false);
    EXPECT_LE(bezpieczna, double(optimum));
    EXPECT_GT(bezpieczna, double(optimum) * (1.0 - 1e-5));
    // Whole metrics are left as they are.
    EXPECT_EQ(GranicaSumPojedynczych(1234.0, false, 12, true), 1234.0);
    EXPECT_EQ(GranicaSumPojedynczych(1234.5, true, 12, true), 1235.0);
}
