// The moves and the kick against lengths recomputed from scratch, on the
// whole cycle and inside a stretch of it.

#include "tests/search/lokalne/MiastaLosowe.h"

#include "search/lokalne/KopniecieLokalne.h"
#include "search/lokalne/OknoTrasy.h"
#include "search/lokalne/RuchOrOpt.h"
#include "search/lokalne/RuchTrzyOpt.h"
#include "search/lokalne/SasiedziKandydaci.h"
#include "tests/support/TestHelpers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

namespace {

// Makes the best move around every city in turn, checking each gain against
// the recomputed length; returns how many moves were made.
template <class Szukaj>
int popraw(UkladLosowy& u, OknoTrasy& okno, Szukaj szukaj) {
    int ruchy = 0;
    const int n = u.trasa.Rozmiar();
    for (int t1 = 0; t1 < n; ++t1) {
        if (!okno.Moje(t1))
            continue;
        Ruch ruch;
        if (!szukaj(u.d, u.sasiedzi, okno, t1, ruch))
            continue;
        const double przed = DlugoscZamknieta(u.d, u.trasa.Kolejnosc());
        ruch.Wykonaj(okno);
        EXPECT_TRUE(isPermutation(u.trasa.Kolejnosc(), n));
        EXPECT_EQ(DlugoscZamknieta(u.d, u.trasa.Kolejnosc()), przed - ruch.zysk) << "city " << t1;
        ++ruchy;
    }
    return ruchy;
}

TEST(RuchyLokalne, Moves_GainEqualsTheDropInLength) {
    for (std::uint32_t ziarno = 1; ziarno <= 5; ++ziarno) {
        UkladLosowy u(60, ziarno, 0);
        OknoTrasy okno(u.trasa);
        okno.CalaTrasa();
        EXPECT_GT(popraw(u, okno, NajlepszyTrzyOpt<OdlegloscZaokraglona>), 0);
        EXPECT_GT(popraw(u, okno, NajlepszyOrOpt<OdlegloscZaokraglona>), 0);
    }
}

TEST(RuchyLokalne, MovesInsideAStretch_LeaveTheRestInPlace) {
    UkladLosowy u(80, 7, 0);
    const int poczatek = 50, dlugosc = 45;  // wraps past the end of the array
    std::vector<std::uint8_t> wlasciciel(80, 0);
    for (int r = 0; r < dlugosc; ++r)
        wlasciciel[std::size_t(u.trasa.Miasto((poczatek + r) % 80))] = 1;
    OknoTrasy okno(u.trasa);
    okno.Fragment(poczatek, dlugosc, wlasciciel, 1);
    const std::vector<int> przed = u.trasa.Kolejnosc();
    EXPECT_GT(popraw(u, okno, NajlepszyTrzyOpt<OdlegloscZaokraglona>) +
                  popraw(u, okno, NajlepszyOrOpt<OdlegloscZaokraglona>),
              0);
    for (int p = 0; p < 80; ++p) {
        const int r = (p - poczatek + 80) % 80;
        if (r == 0 || r >= dlugosc - 1) {
            EXPECT_EQ(u.trasa.Miasto(p), przed[std::size_t(p)]) << "position " << p;
        }
    }
}

TEST(RuchyLokalne, Kick_AddsWhatItSays_AndUndoesExactly) {
    UkladLosowy u(40, 3, 0);
    OknoTrasy okno(u.trasa);
    okno.CalaTrasa();
    std::mt19937_64 los(5);
    for (int i = 0; i < 50; ++i) {
        const std::vector<int> przed = u.trasa.Kolejnosc();
        const std::size_t znacznik = okno.Znacznik();
        double przyrost = 0.0;
        std::array<int, 8> dotkniete{};
        ASSERT_TRUE(KopniecieLokalne(u.d, u.sasiedzi, okno, 10, i % 2 ? 40 : 5, los, przyrost, dotkniete));
        EXPECT_TRUE(isPermutation(u.trasa.Kolejnosc(), 40));
        EXPECT_EQ(DlugoscZamknieta(u.d, u.trasa.Kolejnosc()), DlugoscZamknieta(u.d, przed) + przyrost);
        okno.Cofnij(znacznik);
        EXPECT_EQ(u.trasa.Kolejnosc(), przed);
    }
}

TEST(SasiedziKandydaci, MatchBruteForce_WithAndWithoutCoordinates) {
    auto punkty = MiastaLosowe(300, 11);
    punkty[7] = punkty[3];  // twins must not hide each other
    const auto d = [&punkty](int a, int b) {
        return std::hypot(punkty[std::size_t(a)].x - punkty[std::size_t(b)].x,
                          punkty[std::size_t(a)].y - punkty[std::size_t(b)].y);
    };
    SasiedziKandydaci zPlaszczyzny, zWierszy;
    ASSERT_TRUE(zPlaszczyzny.Zbuduj(d, 300, punkty, 10, 0, [] { return false; }));
    ASSERT_TRUE(zWierszy.Zbuduj(d, 300, {}, 10, 2, [] { return false; }));
    for (int a = 0; a < 300; ++a) {
        std::vector<int> inne;
        for (int b = 0; b < 300; ++b)
            if (b != a)
                inne.push_back(b);
        std::stable_sort(inne.begin(), inne.end(), [&](int x, int y) { return d(a, x) < d(a, y); });
        inne.resize(10);
        std::vector<int> z1, z2;
        for (const auto& s : zPlaszczyzny.Dla(a))
            z1.push_back(s.miasto);
        for (const auto& s : zWierszy.Dla(a))
            z2.push_back(s.miasto);
        EXPECT_EQ(z1, inne) << "city " << a;
        EXPECT_EQ(z2, inne) << "city " << a;
    }
    // Two clusters far apart, side by side: the cities on the facing edges
    // have only the other cluster in their outer quadrants.
    std::vector<PunktPlaszczyzny> skupiska;
    for (int i = 0; i < 40; ++i)
        skupiska.push_back({(i < 20 ? 0.0 : 1000.0) + (i % 5), double(i % 20 / 5)});
    const auto ds = [&skupiska](int a, int b) {
        return std::hypot(skupiska[std::size_t(a)].x - skupiska[std::size_t(b)].x,
                          skupiska[std::size_t(a)].y - skupiska[std::size_t(b)].y);
    };
    SasiedziKandydaci mosty;
    ASSERT_TRUE(mosty.Zbuduj(ds, 40, skupiska, 6, 2, [] { return false; }));
    for (int a = 0; a < 40; ++a) {
        const auto lista = mosty.Dla(a);
        if (skupiska[std::size_t(a)].x == 4.0 || skupiska[std::size_t(a)].x == 1000.0) {
            EXPECT_TRUE(
                std::any_of(lista.begin(), lista.end(), [a](const auto& s) { return (s.miasto < 20) != (a < 20); }))
                << "city " << a;
        }
        EXPECT_TRUE(std::is_sorted(lista.begin(), lista.end(),
                                   [](const auto& x, const auto& y) { return x.odleglosc < y.odleglosc; }));
    }

    SasiedziKandydaci male;
    ASSERT_TRUE(male.Zbuduj(d, 4, {}, 10, 0, [] { return false; }));
    EXPECT_EQ(male.Dla(0).size(), 3u);
}

}  // namespace
