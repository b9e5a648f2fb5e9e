// The proof's worker as a window drives it: created held, released, held
// again, asked to finish; its progress read from the owner's thread.

#include "search/dowod/TDowodThread.h"
#include "tests/search/dowod/WsparcieTestowe.h"
#include "tests/support/ModalHelper.h"
#include "tests/support/TestHelpers.h"

#include <gtest/gtest.h>

#include <cmath>

using dowod_test::wPlaszczyznie;

TEST(TDowodThread, ReleasedItProvesBothRoutesAndItsProgressEndsAtTheProof) {
    TDowodThread watek;
    watek.UstawMiasta(wPlaszczyznie(30, 5, 10000));
    watek.Ustawienia.rundy = 100;
    watek.release();
    watek.waitForEnd();
    ASSERT_FALSE(watek.failure().has_value()) << watek.failure()->pl.toStdString();
    for (const CelDowodu cel : {CelDowodu::Najkrotsza, CelDowodu::Najdluzsza}) {
        const WynikDowodu& w = watek.Wynik(cel);
        PostepDowodu& p = watek.Postep(cel);
        EXPECT_TRUE(w.udowodniona);
        EXPECT_TRUE(isPermutation(w.trasa, 30));
        EXPECT_TRUE(p.Udowodniona());
        EXPECT_EQ(p.Granica(), w.dlugosc);
        EXPECT_EQ(p.Dlugosc(), w.dlugosc);
        ASSERT_TRUE(p.WezTrase());
        EXPECT_EQ(p.Trasa().dlugosc, w.dlugosc);
        // The last LP solution drawn: edges with values in (0, 1].
        ASSERT_TRUE(p.WezRozwiazanie());
        ASSERT_FALSE(p.Rozwiazanie().krawedzie.empty());
        for (const PostepDowodu::KrawedzLP& k : p.Rozwiazanie().krawedzie)
            EXPECT_TRUE(k.x > 0.0 && k.x <= 1.0 && k.a != k.b);
        // The bounds close on the route from the right side, in time order.
        const std::vector<PostepDowodu::PunktGranic> historia = p.Historia();
        ASSERT_FALSE(historia.empty());
        for (std::size_t i = 1; i < historia.size(); ++i)
            EXPECT_LE(historia[i - 1].sekundy, historia[i].sekundy);
        for (const PostepDowodu::PunktGranic& g : historia)
            if (!std::isnan(g.granica) && !std::isnan(g.dlugosc)) {
                EXPECT_TRUE(cel == CelDowodu::Najkrotsza ? g.granica <= g.dlugosc : g.granica >= g.dlugosc);
            }
    }
}

TEST(TDowodThread, HeldItStopsAtAGateAndAFinishRequestEndsItWithItsBestRouteAndBound) {
    TDowodThread watek;
    // The longest route of 120 cities: a proof of minutes at least.
    watek.UstawMiasta(wPlaszczyznie(120, 6, 10000));
    watek.Najkrotsza = false;
    watek.Ustawienia.rundy = 200;
    watek.release();
    PostepDowodu& p = watek.Postep(CelDowodu::Najdluzsza);
    ASSERT_TRUE(waitUntil([&] { return !std::isnan(p.Granica()) || watek.hasEnded(); }, 120000));
    watek.hold();
    ASSERT_TRUE(waitUntil([&] { return watek.parkedThreads() == 1 || watek.hasEnded(); }, 120000));
    if (!watek.hasEnded()) {
        EXPECT_TRUE(watek.isHeld());
        EXPECT_EQ(watek.Biezacy(), CelDowodu::Najdluzsza);
    }
    watek.requestFinish();
    watek.waitForEnd();
    ASSERT_FALSE(watek.failure());
    const WynikDowodu& w = watek.Wynik(CelDowodu::Najdluzsza);
    EXPECT_TRUE(isPermutation(w.trasa, 120));
    EXPECT_GE(w.granica, w.dlugosc);
    EXPECT_EQ(w.przerwana, !w.udowodniona);
    EXPECT_EQ(p.Dlugosc(), w.dlugosc);
}
