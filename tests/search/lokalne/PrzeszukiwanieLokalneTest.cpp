// The whole local search: tiny inputs, a finish in the middle of a run, the
// same route for the same seed and round limit, on separate chains and on a
// route shared by two threads.

#include "tests/search/lokalne/MiastaLosowe.h"

#include "search/lokalne/PrzeszukiwanieLokalne.h"
#include "tests/support/TestHelpers.h"
#include "toolkit/core/Gate.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <thread>

namespace {

UstawieniaLokalne rundami(long long rundy, std::uint64_t ziarno, bool podzial) {
    UstawieniaLokalne u;
    u.limitRund = rundy;
    u.ziarno = ziarno;
    u.watki = 2;
    PlanPrzeszukiwania plan;
    plan.podzialTrasy = podzial;
    plan.rundWEpoce = 300;
    u.plan = plan;
    return u;
}

double najkrotszaPrzegladem(const OdlegloscZaokraglona& d, int n) {
    std::vector<int> t(static_cast<std::size_t>(n));
    std::iota(t.begin(), t.end(), 0);
    double najkrotsza = DlugoscZamknieta(d, t);
    while (std::next_permutation(t.begin() + 1, t.end()))
        najkrotsza = std::min(najkrotsza, DlugoscZamknieta(d, t));
    return najkrotsza;
}

TEST(PrzeszukiwanieLokalne, FewCities_GiveTheShortestRoute) {
    for (int n = 0; n <= 10; ++n) {
        const auto punkty = MiastaLosowe(n, std::uint32_t(100 + n));
        const OdlegloscZaokraglona d{&punkty};
        PrzeszukiwanieLokalne<OdlegloscZaokraglona> szukanie(d, n, punkty);
        szukanie.Szukaj(rundami(2000, 1, false), [] { return false; });
        ASSERT_TRUE(isPermutation(szukanie.Trasa(), n)) << n << " cities";
        EXPECT_EQ(szukanie.Dlugosc(), DlugoscZamknieta(d, szukanie.Trasa()));
        if (n >= 4) {
            EXPECT_EQ(szukanie.Dlugosc(), najkrotszaPrzegladem(d, n)) << n << " cities";
        }
    }
}

TEST(PrzeszukiwanieLokalne, SameSeedAndRounds_SameRoute) {
    const auto punkty = MiastaLosowe(400, 4);
    const OdlegloscZaokraglona d{&punkty};
    for (const bool podzial : {false, true}) {
        std::vector<int> trasy[2];
        for (auto& trasa : trasy) {
            PrzeszukiwanieLokalne<OdlegloscZaokraglona> szukanie(d, 400, punkty);
            szukanie.Szukaj(rundami(2000, 9, podzial), [] { return false; });
            EXPECT_EQ(szukanie.Postep().Rundy(), 2000);
            trasa = szukanie.Trasa();
        }
        EXPECT_TRUE(isPermutation(trasy[0], 400));
        EXPECT_EQ(trasy[0], trasy[1]) << (podzial ? "shared route" : "separate chains");
    }
}

TEST(PrzeszukiwanieLokalne, FinishMidRun_KeepsARouteAndItsOwnLength) {
    const auto punkty = MiastaLosowe(1000, 8);
    const OdlegloscZaokraglona d{&punkty};
    for (const bool podzial : {false, true}) {
        PrzeszukiwanieLokalne<OdlegloscZaokraglona> szukanie(d, 1000, punkty);
        // No limit of its own: only the finish request ends it, once both
        // threads are into their rounds.
        szukanie.Szukaj(rundami(-1, 3, podzial), [&szukanie] { return szukanie.Postep().Rundy() >= 2000; });
        ASSERT_TRUE(isPermutation(szukanie.Trasa(), 1000));
        EXPECT_EQ(szukanie.Dlugosc(), DlugoscZamknieta(d, szukanie.Trasa()));
        EXPECT_GE(szukanie.Postep().Rundy(), 2000);

        // The reader's copy: a route with its own length, and a record that
        // only ever goes down.
        auto& postep = szukanie.Postep();
        ASSERT_TRUE(postep.WezTrase());
        EXPECT_TRUE(isPermutation(postep.Trasa().trasa, 1000));
        EXPECT_EQ(postep.Trasa().dlugosc, DlugoscZamknieta(d, postep.Trasa().trasa));
        EXPECT_LE(postep.Trasa().dlugosc, szukanie.Dlugosc());
        const auto zbieznosc = postep.Zbieznosc();
        ASSERT_GE(zbieznosc.size(), 2u);
        for (std::size_t i = 1; i < zbieznosc.size(); ++i)
            EXPECT_LT(zbieznosc[i].dlugosc, zbieznosc[i - 1].dlugosc);
    }
}

TEST(PrzeszukiwanieLokalne, Hold_ParksTheThreads_AndAFinishWhileHeldEndsTheSearch) {
    const auto punkty = MiastaLosowe(1500, 5);
    const OdlegloscZaokraglona d{&punkty};
    for (const bool podzial : {false, true}) {
        PrzeszukiwanieLokalne<OdlegloscZaokraglona> szukanie(d, 1500, punkty);
        Gate gate;
        std::thread watek([&] { szukanie.Szukaj(rundami(-1, 2, podzial), [&gate] { return gate.checkpoint(); }); });
        while (szukanie.Postep().Rundy() < 100)
            std::this_thread::yield();
        gate.hold();
        // Separate chains both stop at the hold; on a shared route one thread
        // may instead wait for the other at the end of an epoch.
        while (gate.parked() < (podzial ? 1 : 2))
            std::this_thread::yield();
        gate.requestFinish();
        watek.join();
        ASSERT_TRUE(isPermutation(szukanie.Trasa(), 1500));
        EXPECT_EQ(szukanie.Dlugosc(), DlugoscZamknieta(d, szukanie.Trasa()));
    }
}

TEST(PrzeszukiwanieLokalne, FinishBeforeAnyRoute_GivesTheCitiesInOrder) {
    const auto punkty = MiastaLosowe(500, 2);
    const OdlegloscZaokraglona d{&punkty};
    PrzeszukiwanieLokalne<OdlegloscZaokraglona> szukanie(d, 500, punkty);
    szukanie.Szukaj(rundami(-1, 1, false), [] { return true; });
    ASSERT_TRUE(isPermutation(szukanie.Trasa(), 500));
    EXPECT_EQ(szukanie.Dlugosc(), DlugoscZamknieta(d, szukanie.Trasa()));
}

}  // namespace
