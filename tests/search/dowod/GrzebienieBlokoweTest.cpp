// Block combs against the solution and every route of a few cities.

#include "search/dowod/SeparacjaBlokow.h"
#include "search/dowod/TolerancjeDowodu.h"
#include "tests/search/dowod/WsparcieTestowe.h"

#include <gtest/gtest.h>

using namespace dowod_test;

namespace {

// 9 cities numbered at random: the handle a triangle {a, b, c} at 1/2; off a
// hangs the block a, p, r, q (a cycle at 1/2 with the chord p q), left by
// the edge r s at 1; b and c leave by edges at 1 to b' and c', which close
// with s in a triangle at 1/2. a is the cut city: the comb's teeth are
// {a, p, q, r}, {b, b'}, {c, c'}, each cut 2, the handle's 3: 9 against 10.
GrafWsparcia zwisajacyZab(std::mt19937& los, std::vector<int>& m) {
    m.resize(9);
    std::iota(m.begin(), m.end(), 0);
    std::shuffle(m.begin(), m.end(), los);
    const int a = m[0], b = m[1], c = m[2], p = m[3], q = m[4], r = m[5], s = m[6], b2 = m[7], c2 = m[8];
    std::vector<GrafWsparcia::Krawedz> k{{a, b, 0.5},  {b, c, 0.5},   {c, a, 0.5},   {a, p, 0.5},  {a, q, 0.5},
                                         {p, q, 0.5},  {p, r, 0.5},   {q, r, 0.5},   {r, s, 1.0},  {b, b2, 1.0},
                                         {c, c2, 1.0}, {s, b2, 0.5},  {b2, c2, 0.5}, {c2, s, 0.5}};
    return GrafWsparcia(9, std::move(k));
}

} // namespace

TEST(GrzebienieBlokowe, TheToothHangingOffACutCityMakesAViolatedCombThatHoldsForEveryRoute) {
    std::mt19937 los(17);
    for (int proba = 0; proba < 10; ++proba) {
        std::vector<int> m;
        const GrafWsparcia g = zwisajacyZab(los, m);
        const std::vector<Ciecie> ciecia = SeparujGrzebienieBlokowe(g);
        for (const Ciecie& c : ciecia) {
            EXPECT_TRUE(c.Poprawne(9)) << proba;
            EXPECT_GE(c.prawa - lewaStrona(c, g), TolerancjeDowodu::kNaruszenie - 1e-9) << proba;
            EXPECT_TRUE(trzymaDlaKazdejTrasy(c, 9)) << proba;
        }
        std::vector<int> zab{m[0], m[3], m[4], m[5]};
        std::sort(zab.begin(), zab.end());
        EXPECT_TRUE(std::any_of(ciecia.begin(), ciecia.end(), [&](const Ciecie& c) {
            return c.rodzaj == Ciecie::Rodzaj::Grzebien && c.zbiory.size() == 4
                   && std::find(c.zbiory.begin() + 1, c.zbiory.end(), zab) != c.zbiory.end()
                   && g.Naruszenie(c) > 1.0 - 1e-9;
        })) << proba;
    }
}
