// The local search's set-up on layouts that used to stall it (one place, one
// line, far clusters, crowds of duplicates): candidate lists of full length
// at no more work per city than on even layouts, and a route from the curve
// and from the greedy start. Work is counted in points the tree looked at.

#include "tests/search/lokalne/MiastaLosowe.h"

#include "search/lokalne/DrzewoPunktow.h"
#include "search/lokalne/SasiedziKandydaci.h"
#include "search/lokalne/TrasaKrzywej.h"
#include "search/lokalne/TrasaZachlanna.h"
#include "tests/support/TestHelpers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <random>
#include <string>

namespace {

bool nigdy() {
    return false;
}

struct Euklides {
    const std::vector<PunktPlaszczyzny>* p;
    double operator()(int a, int b) const {
        const auto &s = (*p)[std::size_t(a)], &t = (*p)[std::size_t(b)];
        return std::hypot(s.x - t.x, s.y - t.y);
    }
};

struct Uklad {
    std::string nazwa;
    std::vector<PunktPlaszczyzny> punkty;
};

std::vector<Uklad> uklady() {
    std::mt19937 los(3);
    std::vector<Uklad> u;
    u.push_back({"one place", std::vector<PunktPlaszczyzny>(5000, {-12.5, 7.0})});
    Uklad pozioma{"horizontal line", {}}, pionowa{"vertical line", {}};
    for (int i = 0; i < 20000; ++i) {
        pozioma.punkty.push_back({double(i), 3.0});
        pionowa.punkty.push_back({-0.1, -0.37 * i});
    }
    std::shuffle(pozioma.punkty.begin(), pozioma.punkty.end(), los);
    u.push_back(pozioma);
    u.push_back(pionowa);
    Uklad skupiska{"two far clusters", {}};
    std::normal_distribution<double> g(0.0, 1.0);
    for (int i = 0; i < 10000; ++i)
        skupiska.punkty.push_back({(i % 2) * 1e6 + g(los), g(los)});
    u.push_back(skupiska);
    Uklad powtorzone{"duplicates among distinct", {}};
    for (const PunktPlaszczyzny& p : MiastaLosowe(3000, 5))
        powtorzone.punkty.insert(powtorzone.punkty.end(), std::size_t(1 + los() % 6), p);
    std::shuffle(powtorzone.punkty.begin(), powtorzone.punkty.end(), los);
    u.push_back(powtorzone);
    return u;
}

double obejrzaneNaMiasto(const std::vector<PunktPlaszczyzny>& punkty, std::vector<int>* kolejnosc = nullptr) {
    std::vector<int> wynik, k;
    std::int64_t obejrzane = 0;
    EXPECT_TRUE(NajblizszeWPlaszczyznie(punkty, 12, 2, nigdy, wynik, kolejnosc ? *kolejnosc : k, &obejrzane));
    return double(obejrzane) / double(punkty.size());
}

TEST(StartLokalny, DegenerateLayouts_FullCandidateLists_AtTheWorkOfEvenCities_AndRoutes) {
    const double rownomierne = obejrzaneNaMiasto(MiastaLosowe(20000, 1));
    for (const Uklad& u : uklady()) {
        SCOPED_TRACE(u.nazwa);
        const int n = int(u.punkty.size());
        std::vector<int> kolejnosc;
        EXPECT_LE(obejrzaneNaMiasto(u.punkty, &kolejnosc), 1.5 * rownomierne);
        EXPECT_TRUE(isPermutation(kolejnosc, n));

        const Euklides d{&u.punkty};
        SasiedziKandydaci sasiedzi;
        ASSERT_TRUE(sasiedzi.Zbuduj(d, n, u.punkty, 8, 2, nigdy));
        for (int a = 0; a < n; ++a) {
            const auto lista = sasiedzi.Dla(a);
            ASSERT_GE(lista.size(), 8u);
            ASSERT_LE(lista.size(), 16u);
            ASSERT_TRUE(std::none_of(lista.begin(), lista.end(), [a](const auto& s) { return s.miasto == a; }));
        }
        const std::vector<int> zachlanna = TrasaZachlanna(sasiedzi, n, d, nigdy);
        EXPECT_TRUE(isPermutation(zachlanna, n));
        EXPECT_TRUE(isPermutation(TrasaKrzywej(u.punkty, n), n));
        if (u.nazwa == "two far clusters") {
            // Across the gap once each way, as the shortest route does.
            int przejscia = 0;
            for (int i = 0; i < n; ++i)
                przejscia += d(zachlanna[std::size_t(i)], zachlanna[std::size_t((i + 1) % n)]) > 1e5 ? 1 : 0;
            EXPECT_EQ(przejscia, 2);
        }
    }
}

TEST(StartLokalny, CandidatesAmongDuplicates_AreTheNearestByDistance) {
    std::mt19937 los(9);
    std::vector<PunktPlaszczyzny> punkty;
    for (const PunktPlaszczyzny& p : MiastaLosowe(400, 2))
        punkty.insert(punkty.end(), std::size_t(1 + los() % 15), p);
    std::shuffle(punkty.begin(), punkty.end(), los);
    const int n = int(punkty.size());
    const Euklides d{&punkty};
    SasiedziKandydaci sasiedzi;
    ASSERT_TRUE(sasiedzi.Zbuduj(d, n, punkty, 10, 0, nigdy));
    for (int a = 0; a < n; ++a) {
        std::vector<double> wszystkie, listy;
        for (int b = 0; b < n; ++b)
            if (b != a)
                wszystkie.push_back(d(a, b));
        std::sort(wszystkie.begin(), wszystkie.end());
        wszystkie.resize(10);
        for (const auto& s : sasiedzi.Dla(a))
            listy.push_back(s.odleglosc);
        ASSERT_EQ(listy, wszystkie) << "city " << a;
    }
}

TEST(DrzewoPunktow, NearestPresent_AfterRemovals_MatchesLookingAtEveryPoint) {
    auto punkty = MiastaLosowe(2000, 4);
    for (std::size_t i = 0; i < 500; ++i)
        punkty[i + 1000] = punkty[i];
    DrzewoPunktow drzewo(punkty);
    std::vector<char> obecny(punkty.size(), 1);
    std::mt19937 los(8);
    for (int krok = 0; krok < 1990; ++krok) {
        const int p = int(los() % punkty.size());
        drzewo.Usun(p);
        obecny[std::size_t(p)] = 0;
        const PunktPlaszczyzny q = MiastaLosowe(1, std::uint32_t(krok))[0];
        double najmniej = INFINITY;
        for (std::size_t i = 0; i < punkty.size(); ++i)
            if (obecny[i])
                najmniej = std::min(najmniej, std::hypot(punkty[i].x - q.x, punkty[i].y - q.y));
        const int znaleziony = drzewo.NajblizszyObecny(q);
        if (std::isinf(najmniej)) {
            EXPECT_EQ(znaleziony, -1);
            continue;
        }
        ASSERT_GE(znaleziony, 0);
        EXPECT_TRUE(obecny[std::size_t(znaleziony)]);
        const auto& z = punkty[std::size_t(znaleziony)];
        EXPECT_EQ(std::hypot(z.x - q.x, z.y - q.y), najmniej) << "step " << krok;
    }
}

TEST(DrzewoPunktow, NearestInEachQuadrant_MatchLookingAtEveryPoint) {
    // Whole coordinates on a small square: many points share a row, a column
    // or a place with the one searched around, where the quadrants meet.
    std::mt19937 los(12);
    std::vector<PunktPlaszczyzny> punkty(900);
    for (auto& p : punkty)
        p = {double(los() % 25), double(los() % 25)};
    DrzewoPunktow drzewo(punkty);
    constexpr int kIle = 6, kWCwiartce = 3;
    std::vector<int> wynik(kIle + 4 * kWCwiartce);
    const auto kwadrat = [&](int a, int b) {
        const double dx = punkty[std::size_t(b)].x - punkty[std::size_t(a)].x;
        const double dy = punkty[std::size_t(b)].y - punkty[std::size_t(a)].y;
        return dx * dx + dy * dy;
    };
    for (int i = 0; i < drzewo.Rozmiar(); ++i) {
        const int a = drzewo.WKolejnosci(i);
        drzewo.Najblizsze(i, kIle, kWCwiartce, 1 << 30, wynik.data());
        std::array<std::vector<double>, 5> oczekiwane, znalezione;
        for (int b = 0; b < int(punkty.size()); ++b) {
            if (b == a)
                continue;
            const double dx = punkty[std::size_t(b)].x - punkty[std::size_t(a)].x;
            const double dy = punkty[std::size_t(b)].y - punkty[std::size_t(a)].y;
            oczekiwane[0].push_back(kwadrat(a, b));
            const int c = dx > 0 && dy >= 0   ? 1
                          : dx <= 0 && dy > 0 ? 2
                          : dx < 0 && dy <= 0 ? 3
                          : dx >= 0 && dy < 0 ? 4
                                              : 0;
            if (c > 0)
                oczekiwane[std::size_t(c)].push_back(kwadrat(a, b));
        }
        for (int j = 0; j < kIle + 4 * kWCwiartce; ++j) {
            const int czesc = j < kIle ? 0 : 1 + (j - kIle) / kWCwiartce;
            if (wynik[std::size_t(j)] >= 0)
                znalezione[std::size_t(czesc)].push_back(kwadrat(a, wynik[std::size_t(j)]));
        }
        for (std::size_t c = 0; c < 5; ++c) {
            std::sort(oczekiwane[c].begin(), oczekiwane[c].end());
            oczekiwane[c].resize(std::min<std::size_t>(oczekiwane[c].size(), c == 0 ? kIle : kWCwiartce));
            ASSERT_EQ(znalezione[c], oczekiwane[c]) << "point " << a << ", part " << c;
        }
    }
}

TEST(TrasaKrzywej, GridOfCities_RouteNearTheGridsOwnLength_OnAnyCoordinates) {
    // 61 x 47 cities 2.5 apart, numbered at random, around a negative corner.
    std::vector<PunktPlaszczyzny> siatka;
    for (int i = 0; i < 61; ++i)
        for (int j = 0; j < 47; ++j)
            siatka.push_back({-1000.0 + 2.5 * i, -40.0 + 2.5 * j});
    std::shuffle(siatka.begin(), siatka.end(), std::mt19937(6));
    const int n = int(siatka.size());
    const std::vector<int> trasa = TrasaKrzywej(siatka, n);
    ASSERT_TRUE(isPermutation(trasa, n));
    EXPECT_LE(DlugoscZamknieta(Euklides{&siatka}, trasa), 1.3 * 2.5 * n);

    std::vector<int> wlasna(7);
    std::iota(wlasna.begin(), wlasna.end(), 0);
    EXPECT_EQ(TrasaKrzywej({}, 7), wlasna);
    const std::vector<PunktPlaszczyzny> skrajne = {{1e308, -1e308}, {-1e308, 1e308}, {0.0, 5e-324}, {-0.0, 0.0},
                                                    {1e308, 1e308}, {INFINITY, 1.0}, {2.0, -INFINITY}};
    EXPECT_TRUE(isPermutation(TrasaKrzywej(skrajne, 7), 7));
}

}  // namespace
