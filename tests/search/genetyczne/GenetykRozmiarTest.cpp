#include "search/genetyczne/CGenetyk.h"
#include "tests/search/genetyczne/GenetykTest.h"
#include "tests/support/TestHelpers.h"

#include <malloc.h>

#include <gtest/gtest.h>

namespace {

QString komunikatRozmiaru(CGenetyk& gen, int licznosc, int miasta) {
    return errorMessage([&] { gen.UstawRozmiar(licznosc, miasta); });
}

std::size_t zajetaPamiec() {
    const struct mallinfo2 stan = mallinfo2();
    return stan.uordblks + stan.hblkhd;
}

} // namespace

TEST(GenetykRozmiar, APopulationOverTheBudgetIsRefusedAndNothingChanges) {
    CGenetyk gen;
    gen.UstawRozmiar(10, 6);
    EXPECT_EQ(komunikatRozmiaru(gen, 2000000000, 50), "Za mało pamięci");
    gen.BudzetPamieci = 100000;
    EXPECT_EQ(komunikatRozmiaru(gen, 1000, 50), "Za mało pamięci");
    EXPECT_EQ(gen.LicznoscPopulacji(), 10);
    EXPECT_EQ(gen.IloscMiast(), 6);
    ASSERT_EQ(gen.Populacja().size(), 10u);
    EXPECT_EQ(gen.Populacja()[9].Geny.size(), 6u);
}

TEST(GenetykRozmiar, TheBudgetCountsWhatTheIndividualsAndTheTableReallyTake) {
    // Two cities: the genes are few, the objects and the allocator's blocks
    // around them are most of it.
    const std::size_t przed = zajetaPamiec();
    CGenetyk pomiar;
    pomiar.UstawRozmiar(100000, 2);
    const std::size_t zajete = zajetaPamiec() - przed;
    if (zajete == 0)
        GTEST_SKIP() << "the allocator does not tell what it holds";

    CGenetyk zaMalo;
    zaMalo.BudzetPamieci = zajete * 99 / 100;
    EXPECT_EQ(komunikatRozmiaru(zaMalo, 100000, 2), "Za mało pamięci");
    CGenetyk dosc;
    dosc.BudzetPamieci = zajete * 6 / 5;
    EXPECT_EQ(komunikatRozmiaru(dosc, 100000, 2), "");

    // The table the search reads counts too: 1200 cities take 5.76 MB, more
    // than the fifth of the budget left.
    const OdleglosciSlot tablica = std::make_unique<TablicaOdleglosci>(TablicaDla(LosoweKomorki(1200, 40, 40, 1)));
    ASSERT_EQ(tablica->Count(), 1200);
    ASSERT_LT(zajete / 5, std::size_t(1200) * 1200 * sizeof(float));
    CGenetyk zTablica;
    zTablica.Odleglosci = &tablica;
    zTablica.BudzetPamieci = zajete * 6 / 5;
    EXPECT_EQ(komunikatRozmiaru(zTablica, 100000, 2), "Za mało pamięci");
}

TEST(GenetykRozmiar, ALargePopulationWithinMemoryIsMade) {
    CGenetyk gen;
    gen.UstawRozmiar(100000, 50);
    ASSERT_EQ(gen.Populacja().size(), 100000u);
    EXPECT_EQ(gen.Populacja().back().Geny.size(), 50u);
}

TEST(GenetykZakonczenie, AfterAFinishRequestNoStepChangesThePopulation) {
    const OdleglosciSlot tablica = genetyk_test::tablicaLosowa(8, 3);
    CGenetyk gen;
    gen.Odleglosci = &tablica;
    gen.UstawRozmiar(60, 8);
    gen.PKrzyzowania = 1.0;
    gen.PMutacji = 1.0;
    gen.Inicjuj();
    gen.Ocen();
    gen.ZapamietajNajlepszy();
    const std::vector<CGenotyp> przed = gen.Populacja();
    const std::vector<int> najlepszy = gen.Najlepszy().Geny;

    gen.requestFinish();
    gen.Inicjuj();
    gen.Selekcja();
    gen.Krzyzowanie();
    gen.Mutacja();
    gen.Ocen();
    gen.ZapamietajNajlepszy();
    for (std::size_t i = 0; i < przed.size(); ++i) {
        EXPECT_EQ(gen.Populacja()[i].Geny, przed[i].Geny) << i;
        EXPECT_EQ(gen.Populacja()[i].Dystrybuanta, przed[i].Dystrybuanta) << i;
    }
    EXPECT_EQ(gen.Najlepszy().Geny, najlepszy);
}

TEST(GenetykRozmiar, AnOrderedPopulationIsBuiltAndFreedByTheSearchThread) {
    const OdleglosciSlot tablica = genetyk_test::tablicaLosowa(8, 3);
    CGenetyk gen;
    gen.Odleglosci = &tablica;
    gen.BudzetPamieci = 1000;
    EXPECT_EQ(errorMessage([&] { gen.ZamowRozmiar(1000, 8); }), "Za mało pamięci");
    EXPECT_EQ(gen.LicznoscPopulacji(), 0);
    gen.BudzetPamieci = memoryBudget();
    gen.ZamowRozmiar(20000, 8);
    EXPECT_TRUE(gen.Populacja().empty());
    gen.IlePokolen = 5;
    gen.PKrzyzowania = 0.3;
    gen.PMutacji = 0.1;
    const std::size_t przed = zajetaPamiec();
    gen.release();
    gen.waitForEnd();
    EXPECT_TRUE(gen.Populacja().empty());
    // Both populations, 4.5 MB together, are freed; the result is a route.
    EXPECT_LT(zajetaPamiec(), przed + 1000000);
    ASSERT_TRUE(isPermutation(gen.Najlepszy().Geny, 8));
    EXPECT_DOUBLE_EQ(gen.Najlepszy().Droga, gen.DlugoscTrasy(gen.Najlepszy()));
    EXPECT_EQ(gen.NrPokolenia(), 5);
}
