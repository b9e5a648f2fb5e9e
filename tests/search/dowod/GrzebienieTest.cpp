// Combs: the shape Poprawne accepts against every route of a few cities,
// and the combs the separation finds against the solution and every route.

#include "search/dowod/SeparacjaGrzebieni.h"
#include "search/dowod/TolerancjeDowodu.h"
#include "tests/search/dowod/WsparcieTestowe.h"

#include <gtest/gtest.h>

using namespace dowod_test;
using TolerancjeDowodu::kNaruszenie;

namespace {

// A 9-city point that only a comb with three-city teeth cuts off: teeth
// {u_i, u'_i, w_i} with u_i u'_i at 1, the handle the three paths u_i u'_i
// joined in a ring by edges at 1/2, the w_i in a triangle at 1/2, and each
// w_i at 1/2 to both ends of its path. x(delta(H)) = 3 and each tooth's cut
// is 2, so the comb's 9 is short of 10 by 1. Cities are numbered at random.
GrafWsparcia grzebienTrojzebny(std::mt19937& los) {
    std::vector<int> m(9);
    std::iota(m.begin(), m.end(), 0);
    std::shuffle(m.begin(), m.end(), los);
    const auto u = [&](int i) { return m[std::size_t(i)]; };
    const auto u2 = [&](int i) { return m[std::size_t(3 + i)]; };
    const auto w = [&](int i) { return m[std::size_t(6 + i)]; };
    std::vector<GrafWsparcia::Krawedz> krawedzie;
    for (int i = 0; i < 3; ++i) {
        krawedzie.push_back({u(i), u2(i), 1.0});
        krawedzie.push_back({u2(i), u((i + 1) % 3), 0.5});
        krawedzie.push_back({w(i), w((i + 1) % 3), 0.5});
        krawedzie.push_back({u(i), w(i), 0.5});
        krawedzie.push_back({u2(i), w(i), 0.5});
    }
    return GrafWsparcia(9, std::move(krawedzie));
}

void sprawdzZnalezione(const std::vector<Ciecie>& ciecia, const GrafWsparcia& g) {
    for (const Ciecie& c : ciecia) {
        EXPECT_TRUE(c.Poprawne(g.Ilosc()));
        EXPECT_GE(c.prawa - lewaStrona(c, g), kNaruszenie - 1e-9);
        EXPECT_TRUE(trzymaDlaKazdejTrasy(c, g.Ilosc()));
    }
}

} // namespace

TEST(Grzebienie, EveryInequalityOfTheCombsShapeHoldsForEveryRoute) {
    std::mt19937 los(11);
    int poprawne = 0, odrzucone = 0;
    for (int proba = 0; proba < 400; ++proba) {
        const int n = 7 + proba % 3;
        const int ileZebow = std::array{1, 2, 3, 3, 3}[std::size_t(proba % 5)];
        // Each tooth one city of the handle and one out of it, the other
        // cities in a tooth or none; now and then a city put in a second
        // tooth, or a tooth left inside the handle.
        std::vector<int> p(static_cast<std::size_t>(n));
        std::iota(p.begin(), p.end(), 0);
        std::shuffle(p.begin(), p.end(), los);
        const std::size_t wH = std::size_t(ileZebow) + los() % 2;
        const std::vector<int> raczka(p.begin(), p.begin() + std::ptrdiff_t(wH));
        std::vector<std::vector<int>> zeby(static_cast<std::size_t>(ileZebow));
        for (std::size_t t = 0; t < zeby.size(); ++t)
            zeby[t] = {p[t], p[wH + t]};
        for (std::size_t v = wH + zeby.size(); v < p.size(); ++v)
            if (const std::size_t t = los() % (zeby.size() + 1); t < zeby.size())
                zeby[t].push_back(p[v]);
        if (los() % 4 == 0)
            zeby[los() % zeby.size()].push_back(p[los() % p.size()]);
        if (los() % 4 == 0)
            zeby[0] = {p[0]};
        const Ciecie c = Ciecie::Grzebien(raczka, std::move(zeby), n);
        if (!c.Poprawne(n)) {
            ++odrzucone;
            continue;
        }
        ++poprawne;
        EXPECT_TRUE(trzymaDlaKazdejTrasy(c, n)) << proba;
        // One more set on it, and the right-hand side it would need, is no
        // longer a comb: an even number of teeth.
        Ciecie parzysty = c;
        parzysty.zbiory.push_back(parzysty.zbiory.back());
        parzysty.prawa += 3;
        EXPECT_FALSE(parzysty.Poprawne(n));
    }
    EXPECT_GT(poprawne, 20);
    EXPECT_GT(odrzucone, 20);
}

TEST(Grzebienie, CombsFoundAreViolatedAndHoldForEveryRoute) {
    std::mt19937 los(5);
    for (int proba = 0; proba < 20; ++proba) {
        const GrafWsparcia g = grzebienTrojzebny(los);
        const std::vector<Ciecie> ciecia = SeparujGrzebienie(g, true);
        sprawdzZnalezione(ciecia, g);
        // The comb of the construction, by one unit.
        EXPECT_TRUE(std::any_of(ciecia.begin(), ciecia.end(), [&](const Ciecie& c) {
            return c.rodzaj == Ciecie::Rodzaj::Grzebien && c.zbiory.size() == 4 && g.Naruszenie(c) > 1.0 - 1e-9;
        })) << proba;
    }
    for (int proba = 0; proba < 60; ++proba) {
        const int n = 6 + proba % 4;
        const GrafWsparcia g = proba % 2 ? polowkowe(n, los) : mieszanka(n, {0.5, 0.25, 0.25}, los);
        sprawdzZnalezione(SeparujGrzebienie(g, true), g);
    }
}
