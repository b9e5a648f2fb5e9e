#include "search/CPunkty.h"
#include "tests/grid/SiatkaTestowa.h"
#include "tests/support/TestHelpers.h"

#include <algorithm>
#include <cmath>

#include <gtest/gtest.h>

TEST(CPunkty, EmptyGridGivesNoCitiesAndNoTable) {
    auto siatka = siatkaOknaGlownego();
    CPunkty miasta;
    miasta.LoadFromCMatryca(siatka.get());
    EXPECT_EQ(miasta.Count(), 0);
    EXPECT_EQ(miasta.CreateOdleglosci(), nullptr);
}

TEST(CPunkty, ATableOverTheBudgetIsRefused) {
    auto siatka = siatkaOknaGlownego();
    siatka->Losuj(10);
    CPunkty miasta;
    miasta.LoadFromCMatryca(siatka.get());
    EXPECT_EQ(errorMessage([&] { miasta.CreateOdleglosci(10 * 10 * 4 - 1); }), "Za mało pamięci");
    const auto tablica = miasta.CreateOdleglosci(10 * 10 * 4);
    ASSERT_NE(tablica, nullptr);
    EXPECT_EQ(tablica->Count(), 10);
}

TEST(CPunkty, OneCityGivesOneByOneTableHoldingZero) {
    auto siatka = siatkaOknaGlownego();
    siatka->SetCell(7, 3, true);
    CPunkty miasta;
    miasta.LoadFromCMatryca(siatka.get());
    ASSERT_EQ(miasta.Count(), 1);
    const auto tablica = miasta.CreateOdleglosci();
    ASSERT_NE(tablica, nullptr);
    ASSERT_EQ(tablica->Count(), 1);
    EXPECT_EQ((*tablica)[0][0], 0.0f);
}

TEST(CPunkty, TwoCellsAreTheirEuclideanDistanceApartBothWaysInSinglePrecisionWithoutOverflow) {
    struct Przypadek {
        TPunkt a, b;
        float odleglosc;
    };
    // 46341 squared no longer fits in a signed 32-bit integer.
    const Przypadek przypadki[] = {{{0, 0}, {3, 4}, 5.0f},
                                   {{5, 5}, {6, 6}, 1.41421354f},
                                   {{0, 0}, {40000, 0}, 40000.0f},
                                   {{0, 0}, {46341, 0}, 46341.0f}};
    for (const auto& [a, b, odleglosc] : przypadki) {
        // A grid just large enough for both cells.
        CMatryca siatka;
        siatka.SetColumnCount(std::max(a.x, b.x) + 1);
        siatka.SetRowCount(std::max(a.y, b.y) + 1);
        siatka.SetCell(a.y, a.x, true);
        siatka.SetCell(b.y, b.x, true);
        CPunkty miasta;
        miasta.LoadFromCMatryca(&siatka);
        const auto tablica = miasta.CreateOdleglosci();
        ASSERT_EQ(tablica->Count(), 2);
        EXPECT_EQ((*tablica)[0][1], odleglosc) << b.x;
        EXPECT_EQ((*tablica)[1][0], odleglosc) << b.x;
        EXPECT_EQ((*tablica)[0][0], 0.0f);
        EXPECT_EQ((*tablica)[1][1], 0.0f);
    }
}

TEST(CPunkty, CitiesAreNumberedRowByRow) {
    CMatryca siatka;
    siatka.SetColumnCount(3);
    siatka.SetRowCount(3);
    siatka.SetCell(2, 1, true);
    siatka.SetCell(0, 2, true);
    siatka.SetCell(1, 0, true);
    CPunkty miasta;
    miasta.LoadFromCMatryca(&siatka);
    ASSERT_EQ(miasta.Count(), 3);
    EXPECT_EQ(miasta.Punkty[0], (TPunkt{2, 0}));
    EXPECT_EQ(miasta.Punkty[1], (TPunkt{0, 1}));
    EXPECT_EQ(miasta.Punkty[2], (TPunkt{1, 2}));
    const auto tablica = miasta.CreateOdleglosci();
    EXPECT_EQ((*tablica)[0][1], static_cast<float>(std::sqrt(5.0)));
    EXPECT_EQ((*tablica)[1][2], static_cast<float>(std::sqrt(2.0)));
    EXPECT_EQ((*tablica)[2][0], static_cast<float>(std::sqrt(5.0)));
}

TEST(CPunkty, SecondLoadDropsEarlierPoints) {
    auto siatka = siatkaOknaGlownego();
    siatka->SetCell(1, 1, true);
    siatka->SetCell(2, 2, true);
    CPunkty miasta;
    miasta.LoadFromCMatryca(siatka.get());
    siatka->SetCell(1, 1, false);
    miasta.LoadFromCMatryca(siatka.get());
    ASSERT_EQ(miasta.Count(), 1);
    EXPECT_EQ(miasta.Punkty[0], (TPunkt{2, 2}));
}

TEST(CPunkty, SquaresBeyond32BitsAreExact) {
    CPunkty para;
    para.Add({0, 0});
    para.Add({40000, 40000});
    const auto ukosna = para.CreateOdleglosci();
    EXPECT_EQ((*ukosna)[1][0], static_cast<float>(std::sqrt(3200000000.0)));
    EXPECT_NEAR((*ukosna)[0][1], 56568.542f, 0.01f);

    CPunkty skrajne;
    skrajne.Add({INT32_MIN, INT32_MIN});
    skrajne.Add({INT32_MAX, INT32_MAX});
    const auto skrajna = skrajne.CreateOdleglosci();
    EXPECT_NEAR((*skrajna)[0][1], 4294967295.0 * std::sqrt(2.0), 1e4);
}

TEST(CPunkty, AnInterruptedBuildGivesNoTable) {
    CPunkty miasta;
    for (int k = 0; k < 3; ++k)
        miasta.Add({k, k});
    int pytania = 0;
    EXPECT_EQ(miasta.CreateOdleglosci(memoryBudget(), [&] { return ++pytania == 2; }), nullptr);
    // Asked before every row, so a table of tens of thousands of rows stops
    // within one row's work.
    pytania = 0;
    const auto tablica = miasta.CreateOdleglosci(memoryBudget(), [&] { return ++pytania > 3; });
    ASSERT_NE(tablica, nullptr);
    EXPECT_EQ(pytania, 3);
    EXPECT_EQ((*tablica)[2][0], static_cast<float>(std::sqrt(8.0)));
}
