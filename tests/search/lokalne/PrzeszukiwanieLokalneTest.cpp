// The whole local search: tiny inputs, the same route for the same seed and
// round limit, a finish or a failure in the middle of a run, holds on its
// one running clock; on separate chains and on a route shared by two threads.

#include "tests/search/lokalne/MiastaLosowe.h"

#include "search/lokalne/KontekstLokalny.h"
#include "search/lokalne/PrzeszukiwanieLokalne.h"
#include "search/lokalne/TrasaZachlanna.h"
#include "tests/support/TestHelpers.h"
#include "toolkit/core/Gate.h"
#include "toolkit/core/RunningClock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <numeric>
#include <stdexcept>
#include <thread>

namespace {

Metryka metrykaLosowa(int n, std::uint32_t ziarno) {
    std::vector<double> x, y;
    for (const auto& p : MiastaLosowe(n, ziarno)) {
        x.push_back(p.x);
        y.push_back(p.y);
    }
    return Metryka::Wspolrzedne(RodzajMetryki::Euc2d, std::move(x), std::move(y));
}

UstawieniaLokalne rundami(long long rundy, std::uint64_t ziarno, bool podzial) {
    UstawieniaLokalne u;
    u.limitRund = rundy;
    u.ziarno = ziarno;
    u.watki = 2;
    PlanPrzeszukiwania plan = PlanPrzeszukiwania::Dla(1000);
    plan.podzialTrasy = podzial;
    plan.najwiekszaRozpietosc = podzial ? 0 : plan.najwiekszaRozpietosc;
    plan.rundWEpoce = 300;
    u.plan = plan;
    return u;
}

double najkrotszaPrzegladem(const Metryka& d) {
    std::vector<int> t(static_cast<std::size_t>(d.Ilosc()));
    std::iota(t.begin(), t.end(), 0);
    double najkrotsza = DlugoscZamknieta(d, t);
    while (std::next_permutation(t.begin() + 1, t.end()))
        najkrotsza = std::min(najkrotsza, DlugoscZamknieta(d, t));
    return najkrotsza;
}

void oczekujTrasy(const PrzeszukiwanieLokalne& szukanie, const Metryka& d) {
    ASSERT_TRUE(isPermutation(szukanie.Trasa(), d.Ilosc()));
    EXPECT_EQ(szukanie.Dlugosc(), DlugoscZamknieta(d, szukanie.Trasa()));
}

TEST(PrzeszukiwanieLokalne, FewCities_GiveTheShortestRoute) {
    for (int n = 0; n <= 10; ++n) {
        const Metryka d = metrykaLosowa(n, std::uint32_t(100 + n));
        PrzeszukiwanieLokalne szukanie(d);
        szukanie.Szukaj(rundami(2000, 1, false), [] { return false; });
        oczekujTrasy(szukanie, d);
        if (n >= 4) {
            EXPECT_EQ(szukanie.Dlugosc(), najkrotszaPrzegladem(d)) << n << " cities";
        }
    }
}

TEST(PrzeszukiwanieLokalne, SameSeedAndRounds_SameRoute) {
    const Metryka d = metrykaLosowa(400, 4);
    for (const bool podzial : {false, true}) {
        std::vector<int> trasy[2];
        for (auto& trasa : trasy) {
            PrzeszukiwanieLokalne szukanie(d);
            szukanie.Szukaj(rundami(2000, 9, podzial), [] { return false; });
            EXPECT_EQ(szukanie.Postep().Rundy(), 2000);
            trasa = szukanie.Trasa();
        }
        EXPECT_TRUE(isPermutation(trasy[0], 400));
        EXPECT_EQ(trasy[0], trasy[1]) << (podzial ? "shared route" : "separate chains");
    }
}

TEST(PrzeszukiwanieLokalne, NoRounds_GiveTheDescendedStart) {
    const Metryka d = metrykaLosowa(2000, 6);
    SasiedziKandydaci sasiedzi;
    ASSERT_TRUE(sasiedzi.Zbuduj(d, 2000, {}, 10, 0, [] { return false; }));
    const double zachlanna =
        DlugoscZamknieta(d, TrasaZachlanna(
                                sasiedzi, 2000, [&d](int a, int b) { return d(a, b); }, [] { return false; }));
    for (const bool podzial : {false, true}) {
        PrzeszukiwanieLokalne szukanie(d);
        szukanie.Szukaj(rundami(0, 1, podzial), [] { return false; });
        oczekujTrasy(szukanie, d);
        EXPECT_EQ(szukanie.Postep().Rundy(), 0);
        // A descent from the greedy route takes several per cent off it.
        EXPECT_LT(szukanie.Dlugosc(), 0.97 * zachlanna) << (podzial ? "shared route" : "separate chains");
    }
}

TEST(PrzeszukiwanieLokalne, FinishMidRun_KeepsARouteAndItsOwnLength) {
    const Metryka d = metrykaLosowa(1000, 8);
    for (const bool podzial : {false, true}) {
        PrzeszukiwanieLokalne szukanie(d);
        // No limit of its own: only the finish request ends it, once both
        // threads are into their rounds.
        szukanie.Szukaj(rundami(-1, 3, podzial), [&szukanie] { return szukanie.Postep().Rundy() >= 2000; });
        oczekujTrasy(szukanie, d);
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

TEST(PrzeszukiwanieLokalne, StoppedAnywhere_StillGivesARoute) {
    const Metryka d = metrykaLosowa(3000, 2);
    // Before the candidates, inside them, inside the greedy start.
    for (const int wywolan : {1, 3, 14, 20}) {
        int licznik = 0;
        PrzeszukiwanieLokalne szukanie(d);
        szukanie.Szukaj(rundami(-1, 1, false), [&] { return ++licznik >= wywolan; });
        oczekujTrasy(szukanie, d);
        EXPECT_EQ(szukanie.Postep().NajlepszaDlugosc(), szukanie.Dlugosc()) << wywolan;
    }
    UstawieniaLokalne chwila = rundami(-1, 1, true);
    chwila.limitSekund = 1e-9;
    PrzeszukiwanieLokalne szukanie(d);
    szukanie.Szukaj(chwila, [] { return false; });
    oczekujTrasy(szukanie, d);
}

TEST(PrzeszukiwanieLokalne, Hold_ParksTheThreads_AndAFinishWhileHeldEndsTheSearch) {
    const Metryka d = metrykaLosowa(1500, 5);
    for (const bool podzial : {false, true}) {
        PrzeszukiwanieLokalne szukanie(d);
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
        oczekujTrasy(szukanie, d);
    }
}

// A hold in the set-up, and one while a thread of a shared route may wait
// for the other at an epoch's end: neither takes time from the limit.
TEST(PrzeszukiwanieLokalne, HeldTime_IsNotSearchTime) {
    using Zegar = std::chrono::steady_clock;
    const Metryka d = metrykaLosowa(1000, 7);
    constexpr double limit = 1.0;
    for (const bool wUstawieniu : {true, false}) {
        Gate gate;
        RunningClock zegar(&gate);
        PrzeszukiwanieLokalne szukanie(d);
        UstawieniaLokalne u = rundami(-1, 5, true);
        u.plan->rundWEpoce = 50;
        u.limitSekund = limit;
        // Held at the search's first poll, or at its first poll after a
        // round: from the search's own thread, so that no load on the
        // machine lets the limit pass before the hold.
        std::atomic<bool> wstrzymany{false};
        std::atomic<bool> skonczony{false};
        const auto start = Zegar::now();
        zegar.start();
        std::thread watek([&] {
            szukanie.Szukaj(u, [&] {
                if ((wUstawieniu || szukanie.Postep().Rundy() > 0) && !wstrzymany.exchange(true))
                    gate.hold();
                return gate.checkpoint();
            }, &zegar);
            skonczony = true;
        });
        while (gate.parked() < 1 && !skonczony)
            std::this_thread::yield();
        if (!wstrzymany) {
            watek.join();
            FAIL() << "the search ended before its hold";
        }
        // Held past the whole limit in wall time.
        while (Zegar::now() - start < std::chrono::duration<double>(limit + 0.1))
            std::this_thread::yield();
        gate.release();
        watek.join();
        oczekujTrasy(szukanie, d);
        // Had the hold counted, the search would have ended at the release
        // with its clock short of the limit. (Whether it also makes another
        // round before the limit depends on how much of it the set-up took
        // on a loaded machine.)
        EXPECT_GE(zegar.seconds(), limit) << (wUstawieniu ? "set-up" : "epoch");
    }
}

TEST(PrzeszukiwanieLokalne, AFailingThread_EndsTheWholeSearch) {
    const Metryka d = metrykaLosowa(1500, 3);
    for (const bool podzial : {false, true}) {
        PrzeszukiwanieLokalne szukanie(d);
        const auto glowny = std::this_thread::get_id();
        // No limit: the search ends only because the other thread is told to.
        EXPECT_THROW(szukanie.Szukaj(rundami(-1, 4, podzial),
                                     [&] {
                                         if (std::this_thread::get_id() != glowny && szukanie.Postep().Rundy() > 300)
                                             throw std::runtime_error("helper failed");
                                         return false;
                                     }),
                     std::runtime_error)
            << (podzial ? "shared route" : "separate chains");
    }
}

}  // namespace
