// Pause, finish and destruction of the permutation and random worker.

#include "tests/search/permutacje/TObliczThreadTest.h"

#include "search/permutacje/PrzegladPermutacji.h"
#include "reference/PermutacjeDoslowne.h"
#include "tests/support/ModalHelper.h"

#include <gtest/gtest.h>

#include <numeric>

using namespace oblicz_test;

namespace {

// Far too many cities to finish: the search runs until told otherwise.
OdleglosciSlot duzaTablica() {
    return slotDla(LosoweKomorki(40, 25, 25, 40));
}

// Set up on a table it cannot finish, released and past its first step.
void uruchomDlugie(TObliczThread& watek, const OdleglosciSlot& slot) {
    skonfiguruj(watek, slot, 1);
    watek.release();
    ASSERT_TRUE(waitUntil([&] { return watek.NrPermutacji.load() > 0; }));
}

class DlugieSzukanie : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(uruchomDlugie(watek, slot)); }

    const OdleglosciSlot slot = duzaTablica();
    TObliczThread watek;
};

void sprawdzSpojnosc(const TObliczThread& watek, int n) {
    ASSERT_TRUE(watek.Zakonczony);
    ASSERT_TRUE(isPermutation(watek.NajlepszaTrasa, n));
    EXPECT_EQ(watek.NajlepszaTrasa[0], 0);
    EXPECT_EQ(bity(watek.NajkrotszaDroga), bity(watek.DlugoscTrasy(watek.NajlepszaTrasa.data())));
    EXPECT_LE(watek.NajkrotszaDroga, watek.NajdluzszaDroga);
}

} // namespace

TEST_F(DlugieSzukanie, HoldStopsProgressAndReleaseResumesIt) {
    watek.hold();
    // The worker stops at its next poll, a few steps on.
    ASSERT_TRUE(waitUntil([&] { return watek.parkedThreads() == 1; }));
    const std::uint32_t wstrzymany = watek.NrPermutacji.load();
    EXPECT_FALSE(watek.Zakonczony);

    watek.release();
    EXPECT_TRUE(waitUntil([&] { return watek.NrPermutacji.load() != wstrzymany; }));
}

TEST_F(DlugieSzukanie, FinishRequestEndsItWithAConsistentBest) {
    watek.requestFinish();
    watek.waitForEnd();
    sprawdzSpojnosc(watek, 40);
    std::vector<int> identycznosc(40);
    std::iota(identycznosc.begin(), identycznosc.end(), 0);
    const float dlugoscIdentycznosci = watek.DlugoscTrasy(identycznosc.data());
    EXPECT_LE(watek.NajkrotszaDroga, dlugoscIdentycznosci);
    EXPECT_GE(watek.NajdluzszaDroga, dlugoscIdentycznosci);
}

TEST(TObliczThreadSterowanie, FinishRequestOnceThirteenCitiesAreUnderWay) {
    for (std::uint32_t ziarno = 1; ziarno <= 4; ++ziarno) {
        const OdleglosciSlot slot = slotDla(LosoweKomorki(13, 25, 25, ziarno));
        TObliczThread watek;
        skonfiguruj(watek, slot, 1);
        watek.release();
        ASSERT_TRUE(waitUntil([&] { return watek.NrPermutacji.load() > 0 || watek.Zakonczony.load(); }, 60000));
        watek.requestFinish();
        watek.waitForEnd();
        sprawdzSpojnosc(watek, 13);
        EXPECT_LE(watek.NrPermutacji.load(), 479001600u - 1);
    }
}

TEST(TObliczThreadSterowanie, FinishRequestedBeforeTheStartStillEndsWithTheIdentity) {
    const OdleglosciSlot slot = slotDla(LosoweKomorki(6, 25, 25, 3));
    const std::vector<int> identycznosc{0, 1, 2, 3, 4, 5};
    for (int tryb : {1, 2}) {
        TObliczThread watek;
        skonfiguruj(watek, slot, tryb, 1000);
        watek.requestFinish();
        watek.release();
        watek.waitForEnd();
        EXPECT_TRUE(watek.Zakonczony) << tryb;
        EXPECT_EQ(watek.NajlepszaTrasa, identycznosc) << tryb;
        EXPECT_EQ(watek.NrPermutacji.load() + std::uint32_t(watek.NrLosowania.load()), 0u) << tryb;
    }
}

TEST_F(DlugieSzukanie, PausedItFinishesOnceReleasedAndAskedToEnd) {
    watek.hold();
    // As the progress window does on a confirmed finish.
    if (watek.isHeld())
        watek.release();
    watek.requestFinish();
    watek.waitForEnd();
    sprawdzSpojnosc(watek, 40);
}

TEST(TObliczThreadSterowanie, InterruptedSearchKeepsTheBestSoFarAtEveryPoll) {
    // Polled at every step and stopped after k polls: whatever k, the route
    // kept is a route and its length its own; the coverage only grows.
    using O = PrzegladPermutacji::Ograniczenie;
    const TablicaOdleglosci tablica = TablicaDla(LosoweKomorki(7, 4, 4, 8));
    const WynikDoslowny wzor = PermutacjeDoslownie(tablica, 7);
    for (O ograniczenie : {O::Brak, O::Proste, O::HeldKarp}) {
        std::uint64_t poprzednio = 0;
        for (int k = 1;; ++k) {
            PrzegladPermutacji przeglad(tablica, 7, ograniczenie);
            std::atomic<std::uint32_t> nr{0};
            int polling = 0;
            const bool doKonca = przeglad.Szukaj([&] { return ++polling >= k; }, nr, 1);
            const std::vector<int>& trasa = przeglad.NajlepszaTrasa();
            ASSERT_TRUE(isPermutation(trasa, 7)) << k;
            ASSERT_EQ(bity(przeglad.NajkrotszaDroga()), bity(DlugoscDoslowna(tablica, trasa.data(), 7))) << k;
            ASSERT_GE(przeglad.NajkrotszaDroga(), wzor.najkrotsza);
            ASSERT_LE(przeglad.NajdluzszaDroga(), wzor.najdluzsza);
            ASSERT_GE(przeglad.Pokryte(), poprzednio);
            ASSERT_EQ(nr.load(), przeglad.Pokryte() == 0 ? 0u : std::uint32_t(przeglad.Pokryte() - 1));
            poprzednio = przeglad.Pokryte();
            if (doKonca) {
                EXPECT_EQ(trasa, wzor.trasa);
                EXPECT_EQ(przeglad.Pokryte(), 720u);
                break;
            }
        }
    }
}

TEST(TObliczThreadSterowanie, DestructionEndsTheThreadInEveryState) {
    const OdleglosciSlot slot = duzaTablica();
    // Counted on this thread, from the queued end notifications.
    QObject odbiorca;
    int konce = 0;
    const auto liczKoniec = [&](TObliczThread& watek) {
        QObject::connect(&watek, &QThread::finished, &odbiorca, [&] { ++konce; });
    };
    {
        TObliczThread nigdyNieUruchomiony;
        skonfiguruj(nigdyNieUruchomiony, slot, 1);
    }
    {
        TObliczThread biegnacy;
        liczKoniec(biegnacy);
        ASSERT_NO_FATAL_FAILURE(uruchomDlugie(biegnacy, slot));
    }
    EXPECT_TRUE(waitUntil([&] { return konce == 1; }));
    {
        TObliczThread wstrzymany;
        liczKoniec(wstrzymany);
        ASSERT_NO_FATAL_FAILURE(uruchomDlugie(wstrzymany, slot));
        wstrzymany.hold();
        wstrzymany.hold();
    }
    EXPECT_TRUE(waitUntil([&] { return konce == 2; }));
    {
        // The tick that sees the end holds the worker and never releases it.
        const OdleglosciSlot male = slotDla({{0, 0}, {1, 1}, {2, 0}});
        TObliczThread wstrzymanyPoKoncu;
        liczKoniec(wstrzymanyPoKoncu);
        skonfiguruj(wstrzymanyPoKoncu, male, 1);
        wstrzymanyPoKoncu.release();
        ASSERT_TRUE(waitUntil([&] { return wstrzymanyPoKoncu.Zakonczony.load(); }));
        wstrzymanyPoKoncu.hold();
    }
    EXPECT_TRUE(waitUntil([&] { return konce == 3; }));
}

TEST(TObliczThreadSterowanie, MissingTableFailsAndUnknownModeEndsWithoutAResult) {
    const OdleglosciSlot pusty;
    const OdleglosciSlot maly = slotDla({{0, 0}, {1, 1}});
    for (int tryb : {1, 2}) {
        TObliczThread bezTablicy;
        bezTablicy.Odleglosci = &pusty;
        bezTablicy.IloscMiast = 5;
        bezTablicy.IleLosowan = 10;
        bezTablicy.Tryb = tryb;
        bezTablicy.release();
        bezTablicy.waitForEnd();
        // Not a finished search: nothing may read a result from it.
        EXPECT_FALSE(bezTablicy.Zakonczony) << tryb;
        EXPECT_EQ(bezTablicy.failure(),
                  (BilingualText{"Brak odległości między miastami", "no distances between the cities"})) << tryb;
        EXPECT_TRUE(bezTablicy.NajlepszaTrasa.empty());

        TObliczThread zaDuzo;
        skonfiguruj(zaDuzo, maly, tryb, 10);
        zaDuzo.IloscMiast = 3;  // more cities than the table holds
        zaDuzo.release();
        zaDuzo.waitForEnd();
        EXPECT_FALSE(zaDuzo.Zakonczony) << tryb;
        EXPECT_NE(zaDuzo.failure(), std::nullopt) << tryb;
    }
    TObliczThread bezTrybu;
    skonfiguruj(bezTrybu, maly, 3);
    bezTrybu.release();
    bezTrybu.waitForEnd();
    EXPECT_TRUE(bezTrybu.Zakonczony);
    EXPECT_EQ(bezTrybu.failure(), std::nullopt);
    EXPECT_TRUE(bezTrybu.NajlepszaTrasa.empty());
}
