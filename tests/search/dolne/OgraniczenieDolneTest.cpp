// The lower bound never passes the optimum: on TSPLIB's published optimal
// tours and on small random layouts against the exact search.

#include "search/TablicaZMetryki.h"
#include "search/dolne/OgraniczenieDolne.h"
#include "search/permutacje/PrzegladPermutacji.h"
#include "storage/PlikTsp.h"
#include "storage/PlikZestawu.h"
#include "tests/search/dolne/MetrykiLosowe.h"
#include "tests/support/TestHelpers.h"

#include <QDir>

#include <QFileInfo>

#include <gtest/gtest.h>

#include <atomic>

namespace {

const QString kTsplib = QStringLiteral(WEDROWNIK_TSPLIB);

} // namespace

TEST(OgraniczenieDolne, NeverAboveAPublishedOptimalTourAndWithinAFewPerCentOfIt) {
    SKIP_WITHOUT_TSPLIB();
    int trasy = 0;
    for (const QFileInfo& tour : QDir(kTsplib).entryInfoList({QStringLiteral("*.opt.tour")})) {
        const QString nazwa = tour.fileName().chopped(int(qstrlen(".opt.tour")));
        const InstancjaTsp instancja = PlikTsp::WczytajInstancje(kTsplib + "/" + nazwa + ".tsp");
        const std::vector<int> trasa = PlikTsp::TrasaInstancji(instancja, nazwa, tour.filePath());
        const ZestawMiast miasta = PlikZestawu::ZInstancji(InstancjaTsp(instancja));
        const double optimum = miasta.metryka.Dlugosc(trasa);
        UstawieniaOgraniczenia u;
        u.limitIteracji = miasta.metryka.Ilosc() < 5000 ? 400 : 50;
        const OgraniczenieDolne o = ObliczOgraniczenieDolne(miasta.metryka, u, [] { return false; });
        ASSERT_TRUE(o.Jest()) << nazwa.toStdString();
        EXPECT_LE(o.wartosc, optimum) << nazwa.toStdString();
        EXPECT_GE(o.wartosc, 0.95 * optimum) << nazwa.toStdString();
        EXPECT_EQ(o.wartosc, std::ceil(o.wartosc)) << nazwa.toStdString();
        ++trasy;
    }
    EXPECT_EQ(trasy, 25);
}

TEST(OgraniczenieDolne, NeverAboveTheExactSearchsShortestOnSmallLayoutsOfEveryMetric) {
    std::mt19937 los(3);
    for (const RodzajMetryki rodzaj : kKazdaMetryka)
        for (int proba = 0; proba < 15; ++proba) {
            const int n = 2 + proba % 9;
            const Metryka d = MetrykaLosowa(rodzaj, n, proba % 2 == 0 ? 8 : 1000, los);
            const std::unique_ptr<TablicaOdleglosci> tablica = TablicaZMetryki(d);
            PrzegladPermutacji przeglad(*tablica, n);
            std::atomic<std::uint32_t> nr{0};
            przeglad.Szukaj([] { return false; }, nr);
            const double optimum = przeglad.NajkrotszaDroga();
            const OgraniczenieDolne o = ObliczOgraniczenieDolne(d, {}, [] { return false; });
            ASSERT_TRUE(o.Jest());
            // Single precision sums the cells' route; whole sums are exact.
            EXPECT_LE(o.wartosc, optimum * (1.0 + 1e-6)) << "kind " << int(rodzaj) << ", " << n << " cities";
            if (n <= 3) {
                EXPECT_NEAR(o.wartosc, optimum, 1e-4 * optimum);
            }
        }
}

TEST(OgraniczenieDolne, StoppedBeforeItsFirstTreeItHasNoBoundAndLaterTheBestSoFar) {
    std::mt19937 los(8);
    const Metryka d = MetrykaLosowa(RodzajMetryki::Euc2d, 2000, 100000, los);
    const OgraniczenieDolne nic = ObliczOgraniczenieDolne(d, {}, [] { return true; });
    EXPECT_FALSE(nic.Jest());
    EXPECT_TRUE(nic.przerwane);

    const OgraniczenieDolne pelne = ObliczOgraniczenieDolne(d, {}, [] { return false; });
    int pytania = 0;
    const OgraniczenieDolne czesc = ObliczOgraniczenieDolne(d, {}, [&] { return ++pytania > 300; });
    ASSERT_TRUE(czesc.Jest());
    EXPECT_TRUE(czesc.przerwane);
    EXPECT_FALSE(pelne.przerwane);
    EXPECT_LE(czesc.wartosc, pelne.wartosc);
    EXPECT_EQ(czesc.kary.size(), 2000u);
}
