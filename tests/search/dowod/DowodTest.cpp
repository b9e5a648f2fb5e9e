// Proofs of the shortest and the longest route against the published
// optima and the exact permutation search.

#include "reference/MiastaTestowe.h"
#include "search/TablicaZMetryki.h"
#include "search/dowod/DowodOptymalnosci.h"
#include "search/dowod/TolerancjeDowodu.h"
#include "search/permutacje/PermutacjeDokladne.h"
#include "storage/PlikZestawu.h"
#include "tests/support/TestHelpers.h"

#include <QFile>

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <map>
#include <random>

namespace {

const QString kTsplib = QStringLiteral(WEDROWNIK_TSPLIB);

std::map<QString, long long> optima() {
    std::map<QString, long long> wynik;
    QFile plik(kTsplib + QStringLiteral("/optima.tsv"));
    if (!plik.open(QIODevice::ReadOnly))
        return wynik;
    while (!plik.atEnd()) {
        const QList<QByteArray> pola = plik.readLine().split('\t');
        if (pola.size() >= 2)
            wynik[QString::fromUtf8(pola[0])] = pola[1].toLongLong();
    }
    return wynik;
}

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

Metryka wPlaszczyznie(int n, std::uint32_t ziarno) {
    std::mt19937 los(ziarno);
    std::uniform_int_distribution<int> w(0, 1000);
    std::vector<double> x, y;
    for (int i = 0; i < n; ++i) {
        x.push_back(w(los));
        y.push_back(w(los));
    }
    return Metryka::Wspolrzedne(RodzajMetryki::Euc2d, x, y);
}

} // namespace

TEST(Dowod, SmallGeoAndExplicitFilesAreProvenAtTheirPublishedOptimaAndLongestRoutes) {
    const std::map<QString, long long> znane = optima();
    if (znane.empty())
        GTEST_SKIP() << "no TSPLIB instances at " << kTsplib.toStdString();
    for (const char* nazwa : {"burma14", "ulysses16", "gr17", "ulysses22", "fri26", "bayg29", "bays29"}) {
        const ZestawMiast miasta = PlikZestawu::Wczytaj(kTsplib + QLatin1Char('/') + nazwa + ".tsp");
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
        EXPECT_EQ(krotka.dlugosc, double(znane.at(nazwa))) << nazwa;
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
        const Metryka d = wPlaszczyznie(11 + int(ziarno), ziarno);
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
