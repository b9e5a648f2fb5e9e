// Proofs of the shortest and the longest route against the exact
// permutation search.

#include "reference/MiastaTestowe.h"
#include "search/JestTrasa.h"
#include "search/TablicaZMetryki.h"
#include "search/dowod/DowodOptymalnosci.h"
#include "search/dowod/TolerancjeDowodu.h"
#include "search/permutacje/PermutacjeDokladne.h"
#include "storage/PlikZestawu.h"
#include "tests/search/dowod/WsparcieTestowe.h"
#include "tests/support/TestHelpers.h"

#include <QFileInfo>

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>

using dowod_test::wPlaszczyznie;

namespace {

WynikDowodu udowodnij(const Metryka& d, CelDowodu cel, std::function<bool()> przerwij = [] { return false; },
                      std::optional<std::vector<int>> trasa = std::nullopt) {
    RunningClock zegar;
    zegar.start();
    UstawieniaDowodu u;
    u.rundy = 50;  // the same first route every run
    return Udowodnij(d, cel, u, przerwij, zegar, nullptr, std::move(trasa));
}

WynikPermutacji permutacjami(const Metryka& d) {
    const std::unique_ptr<TablicaOdleglosci> tablica = TablicaZMetryki(d);
    std::atomic<std::uint32_t> nr{0};
    std::atomic<int> procent{0};
    return PermutacjeDokladne(*tablica, d.Ilosc(), [] { return false; }, nr, procent);
}

Metryka naSiatce(const Komorki& komorki) {
    std::vector<TPunkt> punkty;
    for (const auto& [x, y] : komorki)
        punkty.push_back({x, y});
    return Metryka::Komorki(punkty);
}

} // namespace

TEST(Dowod, SmallGeoAndExplicitFilesAreProvenAtTheirShortestAndLongestRoutes) {
    SKIP_WITHOUT_TSPLIB();
    for (const char* nazwa : {"burma14", "ulysses16", "gr17", "ulysses22", "fri26", "bayg29", "bays29"}) {
        const ZestawMiast miasta = PlikZestawu::Wczytaj(QStringLiteral(WEDROWNIK_TSPLIB "/") + nazwa + ".tsp");
        const Metryka& d = miasta.metryka;
        const WynikDowodu krotka = udowodnij(d, CelDowodu::Najkrotsza);
        const WynikDowodu dluga = udowodnij(d, CelDowodu::Najdluzsza);
        const WynikPermutacji wzor = permutacjami(d);
        for (const WynikDowodu* w : {&krotka, &dluga}) {
            EXPECT_TRUE(w->udowodniona) << nazwa;
            EXPECT_TRUE(isPermutation(w->trasa, d.Ilosc())) << nazwa;
            EXPECT_EQ(w->dlugosc, double(d.DlugoscCalkowita(w->trasa))) << nazwa;
            EXPECT_EQ(w->granica, w->dlugosc) << nazwa;
        }
        EXPECT_EQ(krotka.dlugosc, double(wzor.najkrotsza)) << nazwa;
        EXPECT_EQ(dluga.dlugosc, double(wzor.najdluzsza)) << nazwa;
        EXPECT_LE(krotka.granicaKorzenia, krotka.dlugosc) << nazwa;
        EXPECT_GE(dluga.granicaKorzenia, dluga.dlugosc) << nazwa;
    }
}

TEST(Dowod, GridLayoutsGetThePermutationSearchsShortestAndLongestWithinTheCellsPrecision) {
    for (int n = 4; n <= 12; ++n)
        for (std::uint32_t ziarno = 1; ziarno <= 4; ++ziarno) {
            const Metryka d = naSiatce(LosoweKomorki(n, 12, 10, ziarno * 31 + std::uint32_t(n)));
            const WynikPermutacji wzor = permutacjami(d);
            const WynikDowodu krotka = udowodnij(d, CelDowodu::Najkrotsza);
            const WynikDowodu dluga = udowodnij(d, CelDowodu::Najdluzsza);
            ASSERT_TRUE(krotka.udowodniona && dluga.udowodniona) << n << ' ' << ziarno;
            // Single-precision sums of the same route in another order and
            // the proof's millionth: a few parts in ten million.
            const double tolerancja = 4 * TolerancjeDowodu::kDokladnoscKomorek;
            EXPECT_NEAR(krotka.dlugosc, wzor.najkrotsza, tolerancja * wzor.najkrotsza) << n << ' ' << ziarno;
            EXPECT_NEAR(dluga.dlugosc, wzor.najdluzsza, tolerancja * wzor.najdluzsza) << n << ' ' << ziarno;
            EXPECT_TRUE(isPermutation(krotka.trasa, n) && isPermutation(dluga.trasa, n));
        }
}

TEST(Dowod, TheBoundNeverPassesTheOptimumWhereverTheSearchStops) {
    for (std::uint32_t ziarno = 1; ziarno <= 6; ++ziarno) {
        const Metryka d = wPlaszczyznie(11 + int(ziarno), ziarno, 1000);
        const WynikPermutacji wzor = permutacjami(d);
        // From a poor route (the cities in order), stopped after a few LP
        // solves: the bound so far, not a proof.
        std::vector<int> poKolei(std::size_t(d.Ilosc()));
        std::iota(poKolei.begin(), poKolei.end(), 0);
        for (int kroki : {1, 3, 8, 1000000}) {
            for (const CelDowodu cel : {CelDowodu::Najkrotsza, CelDowodu::Najdluzsza}) {
                int wywolania = 0;
                const WynikDowodu w = udowodnij(d, cel, [&] { return ++wywolania > kroki; }, poKolei);
                const bool krotka = cel == CelDowodu::Najkrotsza;
                const double optimum = krotka ? wzor.najkrotsza : wzor.najdluzsza;
                EXPECT_EQ(w.dlugosc, double(d.DlugoscCalkowita(w.trasa)));
                if (krotka) {
                    EXPECT_LE(w.granica, optimum) << ziarno << ' ' << kroki;
                    EXPECT_GE(w.dlugosc, optimum);
                } else {
                    EXPECT_GE(w.granica, optimum) << ziarno << ' ' << kroki;
                    EXPECT_LE(w.dlugosc, optimum);
                }
                EXPECT_EQ(w.przerwana, !w.udowodniona);
                if (w.udowodniona) {
                    EXPECT_EQ(w.dlugosc, optimum);
                }
            }
        }
    }
}

TEST(Dowod, ARouteHandedInMeanwhileIsTakenWhenItIsARouteAndNotOtherwise) {
    const Metryka d = wPlaszczyznie(13, 4, 1000);
    const WynikPermutacji wzor = permutacjami(d);
    std::vector<int> poKolei(std::size_t(d.Ilosc()));
    std::iota(poKolei.begin(), poKolei.end(), 0);
    // First the optimum with a city left out (shorter, and no route), then
    // the optimum; the search stops after its first LP solve, before it
    // could find the optimum itself.
    const std::vector<int> bezMiasta(wzor.trasa.begin(), wzor.trasa.end() - 1);
    int podane = 0;
    RunningClock zegar;
    zegar.start();
    UstawieniaDowodu u;
    u.podzial.trasyObok = [&]() -> std::optional<std::vector<int>> {
        ++podane;
        return podane == 1 ? bezMiasta : wzor.trasa;
    };
    int wywolania = 0;
    const WynikDowodu w = Udowodnij(d, CelDowodu::Najkrotsza, u, [&] { return ++wywolania > 1; }, zegar, nullptr,
                                    poKolei);
    EXPECT_GE(podane, 2);
    EXPECT_TRUE(JestTrasa(w.trasa, d.Ilosc()));
    EXPECT_EQ(w.dlugosc, wzor.najkrotsza);
    EXPECT_FALSE(w.udowodniona);
}
