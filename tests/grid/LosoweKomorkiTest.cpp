#include "grid/LosoweKomorki.h"
#include "search/LosowaLiczba.h"
#include "tests/grid/SiatkaTestowa.h"

#include <cmath>
#include <numeric>
#include <vector>

#include <gtest/gtest.h>

namespace {

std::int64_t policz(const std::vector<std::uint8_t>& komorki) {
    return std::accumulate(komorki.begin(), komorki.end(), std::int64_t(0));
}

} // namespace

TEST(LosujKomorki, PlacesExactlyTheAskedCountWhateverTheTableHeldBefore) {
    const int wiersze = 40;
    const int kolumny = 50;
    std::vector<std::uint8_t> komorki(wiersze * kolumny);
    UstawZiarno(7);
    for (const std::int64_t miasta : {0, 1, 125, 126, 1000, 1001, 1874, 1875, 1999, 2000}) {
        SCOPED_TRACE(miasta);
        for (std::size_t i = 0; i < komorki.size(); i += 3)
            komorki[i] = 1;
        LosujKomorki(komorki.data(), wiersze, kolumny, miasta);
        EXPECT_EQ(policz(komorki), miasta);
        for (const std::uint8_t k : komorki)
            ASSERT_LE(k, 1);
    }
}

TEST(LosujKomorki, EveryCellIsEquallyLikelyAtAnyFilling) {
    const int wiersze = 6;
    const int kolumny = 8;
    const int liczba = wiersze * kolumny;
    const int proby = 6000;
    // Few cities, many, many empty cells and few empty cells: each way of drawing.
    for (const int miasta : {3, 20, 40, 46}) {
        SCOPED_TRACE(miasta);
        std::vector<int> trafienia(liczba, 0);
        std::vector<std::uint8_t> komorki(liczba);
        for (int proba = 0; proba < proby; ++proba) {
            UstawZiarno(std::uint32_t(proba));
            LosujKomorki(komorki.data(), wiersze, kolumny, miasta);
            for (int i = 0; i < liczba; ++i)
                trafienia[i] += komorki[i];
        }
        const double p = double(miasta) / liczba;
        const double srednia = proby * p;
        const double odchylenie = std::sqrt(proby * p * (1 - p));
        for (int i = 0; i < liczba; ++i)
            EXPECT_NEAR(trafienia[i], srednia, 5 * odchylenie) << "cell " << i;
    }
}

TEST(CMatrycaLosuj, ANearlyFullGridGetsExactlyTheAskedCities) {
    auto siatka = siatkaOknaGlownego();
    for (const int miasta : {624, 600, 313}) {
        siatka->Losuj(miasta);
        EXPECT_EQ(policzMiasta(*siatka), miasta);
        EXPECT_EQ(siatka->GetPointCount(), miasta);
    }
}
