// Each separation against a brute-force check of every set of a few cities,
// and every inequality it returns against every route.

#include "search/dowod/SeparacjaKwiatow.h"
#include "search/dowod/SeparacjaPodcykli.h"
#include "search/dowod/TolerancjeDowodu.h"
#include "tests/search/dowod/WsparcieTestowe.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace dowod_test;
using TolerancjeDowodu::kNaruszenie;

namespace {

std::vector<double> losoweWagi(std::mt19937& los) {
    std::vector<double> wagi(1 + los() % 3);
    double suma = 0.0;
    for (double& w : wagi)
        suma += w = 0.2 + std::uniform_real_distribution<double>(0.0, 1.0)(los);
    for (double& w : wagi)
        w /= suma;
    return wagi;
}

// The least value over handles H of the best blossom on H: F the edges of
// delta(H) above 1/2, its parity mended by the cheapest edge. Below 1 means
// a violated blossom.
double najmniejszyKwiat(const GrafWsparcia& g) {
    const int n = g.Ilosc();
    double najmniejszy = 1e9;
    for (unsigned maska = 1; maska + 1 < (1u << n); maska += 2) {
        double suma = 0.0, naprawa = 1e9;
        int zeby = 0;
        for (const GrafWsparcia::Krawedz& k : g.Krawedzie()) {
            if (((maska >> k.a) & 1u) == ((maska >> k.b) & 1u))
                continue;
            suma += std::min(k.x, 1.0 - k.x);
            zeby += k.x > 0.5 ? 1 : 0;
            naprawa = std::min(naprawa, std::fabs(1.0 - 2.0 * k.x));
        }
        if (zeby % 2 == 0)
            suma += std::min(naprawa, 1.0);
        najmniejszy = std::min(najmniejszy, suma);
    }
    return najmniejszy;
}

void sprawdzKwiaty(const std::vector<Ciecie>& ciecia, const GrafWsparcia& g, bool kazdaTrasa) {
    for (const Ciecie& c : ciecia) {
        EXPECT_TRUE(c.Poprawne(g.Ilosc()));
        EXPECT_EQ(c.rodzaj, Ciecie::Rodzaj::Kwiat);
        EXPECT_GE(c.prawa - lewaStrona(c, g), kNaruszenie - 1e-9);
        if (kazdaTrasa) {
            EXPECT_TRUE(trzymaDlaKazdejTrasy(c, g.Ilosc()));
        }
    }
}

} // namespace

TEST(Separacje, SubtourCutsComeExactlyWhenSomeSetIsCrossedLessThanTwice) {
    std::mt19937 los(11);
    int znalezione = 0, bez = 0;
    for (int proba = 0; proba < 600; ++proba) {
        const int n = 4 + proba % 9;
        const GrafWsparcia g = mieszanka(n, losoweWagi(los), los);
        double najmniejszy = 1e9;
        for (unsigned maska = 1; maska + 1 < (1u << n); maska += 2)
            najmniejszy = std::min(najmniejszy, przekroj(g, maska));
        const std::vector<Ciecie> ciecia = SeparujPodcykle(g);
        EXPECT_EQ(!ciecia.empty(), najmniejszy < 2.0 - kNaruszenie) << "n " << n << " min " << najmniejszy;
        // The components' cuts: a part of them, violated as much.
        const std::vector<Ciecie> skladowymi = SeparujPodcykleSkladowymi(g);
        if (najmniejszy >= 2.0 - kNaruszenie) {
            EXPECT_TRUE(skladowymi.empty());
        }
        for (const std::vector<Ciecie>* lista : {&ciecia, &skladowymi})
            for (const Ciecie& c : *lista) {
                EXPECT_TRUE(c.Poprawne(n));
                EXPECT_LT(lewaStrona(c, g), 2.0 - kNaruszenie + 1e-9);
            }
        (ciecia.empty() ? bez : znalezione) += 1;
    }
    // Both answers were put to the test.
    EXPECT_GT(znalezione, 100);
    EXPECT_GT(bez, 100);
}

TEST(Separacje, TheTreeFindsAViolatedBlossomWheneverOneExists) {
    std::mt19937 los(12);
    int znalezione = 0;
    for (int proba = 0; proba < 400; ++proba) {
        const int n = 6 + proba % 5;
        // Half-integral vertices, and mixtures of 2-factors.
        const GrafWsparcia g = proba % 3 ? polowkowe(n, los) : mieszanka(n, losoweWagi(los), los);
        if (!SeparujPodcykle(g).empty())
            continue;  // the LP would cut subtours off first
        const std::vector<Ciecie> ciecia = SeparujKwiatyDrzewem(g);
        EXPECT_EQ(!ciecia.empty(), najmniejszyKwiat(g) < 1.0 - kNaruszenie) << "n " << n;
        sprawdzKwiaty(ciecia, g, n <= 8);
        znalezione += ciecia.empty() ? 0 : 1;
    }
    EXPECT_GT(znalezione, 20);
}

TEST(Separacje, BlossomsFromFractionalComponentsHoldForEveryRoute) {
    std::mt19937 los(13);
    int znalezione = 0;
    for (int proba = 0; proba < 300; ++proba) {
        const int n = 6 + proba % 4;
        const GrafWsparcia g = proba % 3 ? polowkowe(n, los) : mieszanka(n, {0.5, 0.5}, los);
        const std::vector<Ciecie> ciecia = SeparujKwiatyUlamkowe(g);
        sprawdzKwiaty(ciecia, g, true);
        znalezione += int(ciecia.size());
    }
    EXPECT_GT(znalezione, 20);
}

TEST(Separacje, TwoTrianglesJoinedByThreeWholeEdgesMakeTheClassicBlossom) {
    // Triangles 0-1-2 and 3-4-5 at x = 1/2, joined by 0-3, 1-4, 2-5 at 1:
    // no subtour constraint is violated, the blossom on a triangle is, by 1.
    std::vector<GrafWsparcia::Krawedz> k;
    for (int t : {0, 3})
        for (int i = 0; i < 3; ++i)
            k.push_back({t + i, t + (i + 1) % 3, 0.5});
    for (int i = 0; i < 3; ++i)
        k.push_back({i, i + 3, 1.0});
    const GrafWsparcia g(6, k);
    EXPECT_TRUE(SeparujPodcykle(g).empty());
    for (const std::vector<Ciecie>& ciecia : {SeparujKwiatyUlamkowe(g), SeparujKwiatyDrzewem(g)}) {
        ASSERT_FALSE(ciecia.empty());
        sprawdzKwiaty(ciecia, g, true);
        EXPECT_NEAR(ciecia.front().prawa - lewaStrona(ciecia.front(), g), 1.0, 1e-9);
    }
}

TEST(Separacje, OnlyBlossomsOfOddTeethOnTheHandlesEdgesPassTheCheck) {
    // Every handle and set of edges of 7 cities: those the check passes hold
    // for every route, and an even set of teeth, which some route crosses
    // exactly, never passes.
    std::mt19937 los(14);
    const int n = 7;
    int poprawne = 0;
    for (int proba = 0; proba < 300; ++proba) {
        std::vector<int> h;
        for (int v = 0; v < n; ++v)
            if (los() % 2)
                h.push_back(v);
        std::vector<Krawedz> zeby;
        for (int a = 1; a < n; ++a)
            for (int b = 0; b < a; ++b)
                if (los() % 5 == 0)
                    zeby.emplace_back(a, b);
        if (zeby.empty())
            continue;
        const Ciecie c = Ciecie::Kwiat(h, zeby, n);
        if (c.Poprawne(n)) {
            ++poprawne;
            EXPECT_TRUE(trzymaDlaKazdejTrasy(c, n));
        }
    }
    EXPECT_GT(poprawne, 10);
    // 0-1-2-3-4-5-6 crosses {0, 1, 2} on 2-3 and 6-0 only.
    EXPECT_FALSE(Ciecie::Kwiat({0, 1, 2}, {Krawedz(2, 3), Krawedz(6, 0)}, n).Poprawne(n));
    EXPECT_TRUE(Ciecie::Kwiat({0, 1, 2}, {Krawedz(2, 3), Krawedz(6, 0), Krawedz(1, 4)}, n).Poprawne(n));
    EXPECT_FALSE(Ciecie::Kwiat({0, 1, 2}, {Krawedz(2, 3), Krawedz(6, 0), Krawedz(4, 5)}, n).Poprawne(n));
}
