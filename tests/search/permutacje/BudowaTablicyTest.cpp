// The distance table built by the search on its own thread.

#include "tests/search/permutacje/TObliczThreadTest.h"

#include "search/BudowaTablicy.h"
#include "search/Metryka.h"

#include <gtest/gtest.h>

using namespace oblicz_test;

namespace {

Metryka miastaZ(const Komorki& komorki) {
    std::vector<TPunkt> miasta;
    for (const auto& [kolumna, wiersz] : komorki)
        miasta.push_back({kolumna, wiersz});
    return Metryka::Komorki(miasta);
}

} // namespace

TEST(BudowaTablicy, AStopPartWayLeavesNoTable) {
    const Metryka miasta = miastaZ(LosoweKomorki(50, 25, 25, 5));
    OdleglosciSlot slot;
    BudowaTablicy budowa;
    budowa.Zamow(&miasta, &slot);
    int wiersze = 0;
    EXPECT_FALSE(budowa.Zbuduj([&] { return ++wiersze > 30; }));
    EXPECT_EQ(slot, nullptr);
    EXPECT_EQ(budowa.Procent(), std::nullopt);
}

TEST(BudowaTablicy, AWorkersBuildEndsCleanlyOnAFinishAndFailsOverTheBudget) {
    const Metryka miasta = miastaZ(LosoweKomorki(8, 25, 25, 8));
    auto przeszukaj = [&](OdleglosciSlot& slot, auto&& przedStartem) {
        auto watek = std::make_unique<TObliczThread>();
        watek->Odleglosci = &slot;
        watek->Budowa.Zamow(&miasta, &slot);
        watek->IloscMiast = miasta.Ilosc();
        watek->Tryb = TrybObliczen::Permutacje;
        przedStartem(*watek);
        watek->release();
        watek->waitForEnd();
        return watek;
    };

    // Asked before the first row: no table, no result and no error to show.
    OdleglosciSlot przerwany;
    const auto zakonczony = przeszukaj(przerwany, [](TObliczThread& w) { w.requestFinish(); });
    EXPECT_FALSE(zakonczony->Zakonczony);
    EXPECT_EQ(zakonczony->failure(), std::nullopt);
    EXPECT_EQ(przerwany, nullptr);

    // A table over the memory budget is the search's failure, for the window
    // to show.
    OdleglosciSlot zaDuzy;
    const auto bezPamieci = przeszukaj(zaDuzy, [](TObliczThread& w) { w.Budowa.Budzet = 100; });
    EXPECT_FALSE(bezPamieci->Zakonczony);
    EXPECT_EQ(bezPamieci->failure(), (BilingualText{"Za mało pamięci", "out of memory"}));
    EXPECT_EQ(zaDuzy, nullptr);
}
