// The Lin-Kernighan move against lengths recomputed from scratch, on the
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

// Every city in turn as t1, until no move is left; returns the moves made.
// Each gain must be the drop in length, each move leave a permutation that
// differs only at the cities it names, and the log take it back exactly.
int poprawDoKonca(UkladLosowy& u, OknoTrasy& okno, int kroki) {
    LK lk(u.d, u.sasiedzi, okno, kroki, {3, 2});
    const int n = u.trasa.Rozmiar();
    int ruchy = 0;
    for (bool zmiana = true; zmiana;) {
        zmiana = false;
        for (int t1 = 0; t1 < n; ++t1) {
            if (!okno.Moje(t1))
                continue;
            const std::vector<int> przed = u.trasa.Kolejnosc();
            const std::size_t znacznik = okno.Znacznik();
            Ruch ruch;
            const double zysk = lk.Popraw(t1, ruch);
            EXPECT_TRUE(isPermutation(u.trasa.Kolejnosc(), n));
            EXPECT_EQ(DlugoscZamknieta(u.d, u.trasa.Kolejnosc()), DlugoscZamknieta(u.d, przed) - zysk)
                << "city " << t1;
            if (zysk == 0.0) {
                EXPECT_EQ(u.trasa.Kolejnosc(), przed) << "city " << t1;
                continue;
            }
            std::vector<char> dotkniete(static_cast<std::size_t>(n), 0);
            dotkniete[std::size_t(t1)] = 1;
            for (const int c : lk.Dotkniete())
                dotkniete[std::size_t(c)] = 1;
            for (std::size_t p = 0; p < przed.size(); ++p) {
                const int a = przed[p], b = przed[(p + 1) % przed.size()];
                if (!dotkniete[std::size_t(a)] || !dotkniete[std::size_t(b)]) {
                    EXPECT_TRUE(u.trasa.Nastepne(a) == b || u.trasa.Poprzednie(a) == b) << "edge " << a << "-" << b;
                }
            }
            if (ruchy % 5 == 0) {
                okno.Cofnij(znacznik);
                EXPECT_EQ(u.trasa.Kolejnosc(), przed);
                lk.Popraw(t1, ruch = Ruch{});
            }
            okno.ZapomnijDziennik();
            ++ruchy;
            zmiana = true;
        }
    }
    return ruchy;
}

TEST(RuchLinKernighana, GainEqualsTheDropInLength_AndChainsGoPast3Opt) {
    int zLancuchow = 0;
    for (std::uint32_t ziarno = 1; ziarno <= 6; ++ziarno) {
        UkladLosowy u(60 + 30 * int(ziarno), ziarno, 1);
        OknoTrasy okno(u.trasa);
        okno.CalaTrasa();
        EXPECT_GT(poprawDoKonca(u, okno, 1), 0);
        // From a 3-opt optimum only chains of several steps can gain.
        zLancuchow += poprawDoKonca(u, okno, 12);
    }
    EXPECT_GT(zLancuchow, 0);
}

TEST(RuchLinKernighana, InsideAStretch_TheRestStaysInPlace) {
    const int n = 90, poczatek = 60, dlugosc = 50;  // wraps past the end of the array
    UkladLosowy u(n, 21, 1);
    std::vector<std::uint8_t> wlasciciel(static_cast<std::size_t>(n), 0);
    for (int r = 0; r < dlugosc; ++r)
        wlasciciel[std::size_t(u.trasa.Miasto((poczatek + r) % n))] = 1;
    OknoTrasy okno(u.trasa);
    okno.Fragment(poczatek, dlugosc, wlasciciel, 1);
    EXPECT_GT(poprawDoKonca(u, okno, 12), 0);
    for (int p = 0; p < n; ++p) {
        const int r = (p - poczatek + n) % n;
        if (r == 0 || r >= dlugosc - 1) {
            EXPECT_EQ(u.trasa.Miasto(p), u.kolejnosc[std::size_t(p)]) << "position " << p;
        }
    }
}

}  // namespace
