// Small cases whose results can be worked out by hand.

#include "tests/search/permutacje/TObliczThreadTest.h"

#include "search/permutacje/PrzegladPermutacji.h"
#include "reference/PermutacjeDoslowne.h"

#include <gtest/gtest.h>

using namespace oblicz_test;

namespace {

void przeszukaj(TObliczThread& watek, const OdleglosciSlot& slot) {
    skonfiguruj(watek, slot, 1);
    watek.release();
    watek.waitForEnd();
    ASSERT_TRUE(watek.Zakonczony);
}

} // namespace

TEST(PermutacjePrzyklady, TwoCitiesEvaluateOnlyTheIdentity) {
    const OdleglosciSlot slot = slotDla({{1, 1}, {4, 2}});
    TObliczThread watek;
    przeszukaj(watek, slot);
    EXPECT_EQ(watek.IlePermutacji.load(), 1u);
    EXPECT_EQ(watek.NrPermutacji.load(), 0u);
    EXPECT_EQ(watek.NajlepszaTrasa, (std::vector<int>{0, 1}));
    const float dlugosc = (*slot)[1][0] + (*slot)[0][1];
    EXPECT_EQ(watek.NajkrotszaDroga, dlugosc);
    EXPECT_EQ(watek.NajdluzszaDroga, dlugosc);
}

TEST(PermutacjePrzyklady, TriangleOfBothOrdersEqualKeepsTheFirst) {
    const OdleglosciSlot slot = slotDla({{0, 0}, {3, 0}, {0, 4}});
    TObliczThread watek;
    przeszukaj(watek, slot);
    EXPECT_EQ(watek.NajlepszaTrasa, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(watek.NajkrotszaDroga, 12.0f);
    EXPECT_EQ(watek.NajdluzszaDroga, 12.0f);
    EXPECT_EQ(watek.NrPermutacji.load(), 1u);
    EXPECT_EQ(watek.IlePermutacji.load(), 2u);
}

TEST(PermutacjePrzyklady, TieBetweenARouteAndItsReverseGoesToTheEarlier) {
    // Whole-number distances, so a route and its reverse sum exactly alike.
    // The shortest tour is 0-2-1-3-0; 0 2 1 3 comes before 0 3 1 2.
    TablicaOdleglosci tablica(4);
    const float w[4][4] = {{0, 9, 1, 1}, {9, 0, 1, 1}, {1, 1, 0, 9}, {1, 1, 9, 0}};
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            tablica[i][j] = w[i][j];
    const OdleglosciSlot slot = std::make_unique<TablicaOdleglosci>(tablica);
    TObliczThread watek;
    przeszukaj(watek, slot);
    EXPECT_EQ(watek.NajlepszaTrasa, (std::vector<int>{0, 2, 1, 3}));
    EXPECT_EQ(watek.NajkrotszaDroga, 4.0f);
    EXPECT_EQ(watek.NajdluzszaDroga, 20.0f);
    EXPECT_EQ(watek.NrPermutacji.load(), 5u);
}

TEST(PermutacjePrzyklady, AllRoutesEqualKeepTheIdentity) {
    TablicaOdleglosci tablica(6);
    for (int i = 0; i < 6; ++i)
        for (int j = 0; j < 6; ++j)
            tablica[i][j] = i == j ? 0.0f : 2.5f;
    const OdleglosciSlot slot = std::make_unique<TablicaOdleglosci>(tablica);
    TObliczThread watek;
    przeszukaj(watek, slot);
    EXPECT_EQ(watek.NajlepszaTrasa, (std::vector<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(watek.NajkrotszaDroga, 15.0f);
    EXPECT_EQ(watek.NajdluzszaDroga, 15.0f);
    EXPECT_EQ(watek.NrPermutacji.load(), 119u);
}

TEST(PermutacjePrzyklady, FactorialCountsRoutesUpToThirteenCities) {
    EXPECT_EQ(TObliczThread::Silnia(2), 1u);
    EXPECT_EQ(TObliczThread::Silnia(3), 2u);
    EXPECT_EQ(TObliczThread::Silnia(4), 6u);
    EXPECT_EQ(TObliczThread::Silnia(13), 479001600u);
    EXPECT_EQ(TObliczThread::Silnia(14), 0u);
    EXPECT_EQ(TObliczThread::Silnia(40), 0u);
}

TEST(PermutacjePrzyklady, FourteenCitiesHaveNoTotalAndStillFinish) {
    const OdleglosciSlot slot = slotDla(LosoweKomorki(14, 25, 25, 14));
    TObliczThread watek;
    przeszukaj(watek, slot);
    EXPECT_EQ(watek.IlePermutacji.load(), 0u);
    // 13! - 1 modulo 2^32.
    EXPECT_EQ(watek.NrPermutacji.load(), std::uint32_t(6227020800ull - 1));
    ASSERT_TRUE(isPermutation(watek.NajlepszaTrasa, 14));
    EXPECT_EQ(watek.NajlepszaTrasa[0], 0);
    EXPECT_EQ(watek.NajkrotszaDroga, watek.DlugoscTrasy(watek.NajlepszaTrasa.data()));
}
