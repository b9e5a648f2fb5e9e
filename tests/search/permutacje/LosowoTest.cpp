// The random search and the drawing of one route.

#include "tests/search/permutacje/TObliczThreadTest.h"

#include "search/LosowaLiczba.h"
#include "search/LosowaTrasa.h"
#include "search/SumaTrasy.h"
#include "tests/support/ModalHelper.h"

#include <gtest/gtest.h>

#include <numeric>
#include <set>

using namespace oblicz_test;

namespace {

std::vector<int> losujTrase(int n) {
    std::vector<int> d(static_cast<std::size_t>(n)), r(static_cast<std::size_t>(n)), q(static_cast<std::size_t>(n));
    LosujTrase(n, d.data(), r.data(), q.data());
    return q;
}

} // namespace

TEST(LosowaTrasa, EveryRouteIsAPermutationEndingWithTheLastCity) {
    UstawZiarno(12345);
    for (int n = 1; n <= 12; ++n)
        for (int k = 0; k < 200; ++k) {
            const std::vector<int> q = losujTrase(n);
            ASSERT_TRUE(isPermutation(q, n)) << n;
            ASSERT_EQ(q.back(), n - 1) << n;
        }
}

TEST(LosowaTrasa, EveryOrderOfTheOtherCitiesTurnsUp) {
    UstawZiarno(7);
    std::set<std::vector<int>> trasy;
    for (int k = 0; k < 2000; ++k)
        trasy.insert(losujTrase(5));
    EXPECT_EQ(trasy.size(), 24u);  // 4! orders of cities 0..3 before city 4
}

TEST(LosowaTrasa, SameSeedDrawsTheSameRoutes) {
    const auto ciag = [](std::uint32_t ziarno) {
        UstawZiarno(ziarno);
        std::vector<std::vector<int>> trasy;
        for (int k = 0; k < 50; ++k)
            trasy.push_back(losujTrase(9));
        return trasy;
    };
    EXPECT_EQ(ciag(99), ciag(99));
    EXPECT_NE(ciag(99), ciag(100));
}

TEST(Losowo, DrawsTheGivenNumberOfRoutesAndNeverLosesToTheIdentity) {
    for (std::uint32_t ziarno = 1; ziarno <= 5; ++ziarno) {
        const int n = 6 + int(ziarno);
        const OdleglosciSlot slot = slotDla(LosoweKomorki(n, 25, 25, ziarno));
        TObliczThread watek;
        skonfiguruj(watek, slot, 2, 5000);
        watek.release();
        watek.waitForEnd();
        ASSERT_TRUE(watek.Zakonczony);
        EXPECT_EQ(watek.NrLosowania.load(), 5000);
        ASSERT_TRUE(isPermutation(watek.NajlepszaTrasa, n));
        std::vector<int> identycznosc(static_cast<std::size_t>(n));
        std::iota(identycznosc.begin(), identycznosc.end(), 0);
        const float dlugoscIdentycznosci = SumaTrasy(*slot, identycznosc.data(), n);
        EXPECT_LE(watek.NajkrotszaDroga, dlugoscIdentycznosci);
        EXPECT_GE(watek.NajdluzszaDroga, dlugoscIdentycznosci);
        EXPECT_EQ(bity(watek.NajkrotszaDroga), bity(watek.DlugoscTrasy(watek.NajlepszaTrasa.data())));
        // Drawn routes end with the last city; only the identity may not,
        // and it too ends with it.
        EXPECT_EQ(watek.NajlepszaTrasa.back(), n - 1);
    }
}

TEST(Losowo, TwoCitiesGiveOnlyTheOneRoute) {
    const OdleglosciSlot slot = slotDla({{0, 0}, {2, 3}});
    TObliczThread watek;
    skonfiguruj(watek, slot, 2, 100);
    watek.release();
    watek.waitForEnd();
    EXPECT_EQ(watek.NajlepszaTrasa, (std::vector<int>{0, 1}));
    EXPECT_EQ(watek.NajkrotszaDroga, watek.NajdluzszaDroga);
    EXPECT_EQ(watek.NrLosowania.load(), 100);
}

TEST(Losowo, TriangleKeepsTheIdentityAgainstEqualDraws) {
    // Both drawable routes, 0 1 2 and 1 0 2, are as long as the identity.
    const OdleglosciSlot slot = slotDla({{0, 0}, {3, 0}, {0, 4}});
    TObliczThread watek;
    skonfiguruj(watek, slot, 2, 50);
    watek.release();
    watek.waitForEnd();
    EXPECT_EQ(watek.NajlepszaTrasa, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(watek.NajkrotszaDroga, 12.0f);
    EXPECT_EQ(watek.NajdluzszaDroga, 12.0f);
}

TEST(Losowo, FinishRequestEndsALongRandomSearch) {
    const OdleglosciSlot slot = slotDla(LosoweKomorki(30, 25, 25, 30));
    TObliczThread watek;
    skonfiguruj(watek, slot, 2, 2000000000);
    watek.release();
    ASSERT_TRUE(waitUntil([&] { return watek.NrLosowania.load() > 0; }));
    watek.requestFinish();
    watek.waitForEnd();
    EXPECT_TRUE(watek.Zakonczony);
    EXPECT_LT(watek.NrLosowania.load(), 2000000000);
    ASSERT_TRUE(isPermutation(watek.NajlepszaTrasa, 30));
    EXPECT_EQ(bity(watek.NajkrotszaDroga), bity(watek.DlugoscTrasy(watek.NajlepszaTrasa.data())));
}
