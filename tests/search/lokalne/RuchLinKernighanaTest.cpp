// The Lin-Kernighan step against lengths recomputed from scratch, on the
// whole cycle and inside a stretch of it.

#include "tests/search/lokalne/MiastaLosowe.h"

#include "search/lokalne/RuchLinKernighana.h"
#include "tests/support/TestHelpers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

namespace {

using LK = LinKernighan<OdlegloscZaokraglona>;

// Every city in turn as t1 on a random route; returns the moves made.
int poprawKazde(const OdlegloscZaokraglona& d, const SasiedziKandydaci& sasiedzi, TrasaTablicowa& trasa,
                OknoTrasy& okno, int glebokosc) {
    LK lk(d, sasiedzi, okno, glebokosc, {5, 3, 1});
    const int n = trasa.Rozmiar();
    int ruchy = 0;
    for (int t1 = 0; t1 < n; ++t1) {
        if (!okno.Moje(t1))
            continue;
        const std::vector<int> przed = trasa.Kolejnosc();
        const std::size_t znacznik = okno.Znacznik();
        const double zysk = lk.Popraw(t1);
        EXPECT_TRUE(isPermutation(trasa.Kolejnosc(), n));
        EXPECT_EQ(DlugoscZamknieta(d, trasa.Kolejnosc()), DlugoscZamknieta(d, przed) - zysk) << "city " << t1;
        if (zysk == 0.0) {
            EXPECT_EQ(trasa.Kolejnosc(), przed) << "city " << t1;
            continue;
        }
        // Only edges at t1 and at the cities it names changed.
        std::vector<char> dotkniete(std::size_t(n), 0);
        dotkniete[std::size_t(t1)] = 1;
        for (const int c : lk.Dotkniete())
            dotkniete[std::size_t(c)] = 1;
        for (std::size_t p = 0; p < przed.size(); ++p) {
            const int a = przed[p], b = przed[(p + 1) % przed.size()];
            if (!dotkniete[std::size_t(a)] || !dotkniete[std::size_t(b)]) {
                EXPECT_TRUE(trasa.Nastepne(a) == b || trasa.Poprzednie(a) == b) << "edge " << a << "-" << b;
            }
        }
        ++ruchy;
        // The log takes the move back exactly.
        if (t1 % 7 == 0) {
            okno.Cofnij(znacznik);
            EXPECT_EQ(trasa.Kolejnosc(), przed);
        }
    }
    return ruchy;
}

TEST(RuchLinKernighana, GainEqualsTheDropInLength_OnTheWholeRoute) {
    for (std::uint32_t ziarno = 1; ziarno <= 6; ++ziarno) {
        const int n = 20 + 17 * int(ziarno);
        const auto punkty = MiastaLosowe(n, ziarno);
        const OdlegloscZaokraglona d{&punkty};
        SasiedziKandydaci sasiedzi;
        sasiedzi.Zbuduj(d, n, punkty, 8, 1, [] { return false; });
        std::vector<int> kolejnosc(static_cast<std::size_t>(n));
        std::iota(kolejnosc.begin(), kolejnosc.end(), 0);
        std::shuffle(kolejnosc.begin(), kolejnosc.end(), std::mt19937(ziarno));
        TrasaTablicowa trasa(kolejnosc);
        OknoTrasy okno(trasa);
        okno.CalaTrasa();
        EXPECT_GT(poprawKazde(d, sasiedzi, trasa, okno, ziarno % 2 ? 50 : 3), 0);
    }
}

TEST(RuchLinKernighana, InsideAStretch_TheRestStaysInPlace) {
    const int n = 90, poczatek = 60, dlugosc = 50;  // wraps past the end of the array
    const auto punkty = MiastaLosowe(n, 21);
    const OdlegloscZaokraglona d{&punkty};
    SasiedziKandydaci sasiedzi;
    sasiedzi.Zbuduj(d, n, punkty, 10, 0, [] { return false; });
    std::vector<int> kolejnosc(static_cast<std::size_t>(n));
    std::iota(kolejnosc.begin(), kolejnosc.end(), 0);
    std::shuffle(kolejnosc.begin(), kolejnosc.end(), std::mt19937(21));
    TrasaTablicowa trasa(kolejnosc);
    std::vector<std::uint8_t> wlasciciel(std::size_t(n), 0);
    for (int r = 0; r < dlugosc; ++r)
        wlasciciel[std::size_t(trasa.Miasto((poczatek + r) % n))] = 1;
    OknoTrasy okno(trasa);
    okno.Fragment(poczatek, dlugosc, wlasciciel, 1);
    EXPECT_GT(poprawKazde(d, sasiedzi, trasa, okno, 50), 0);
    for (int p = 0; p < n; ++p) {
        const int r = (p - poczatek + n) % n;
        if (r == 0 || r >= dlugosc - 1) {
            EXPECT_EQ(trasa.Miasto(p), kolejnosc[std::size_t(p)]) << "position " << p;
        }
    }
}

}  // namespace
