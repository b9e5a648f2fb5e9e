#include "tests/search/genetyczne/GenetykTest.h"

#include <gtest/gtest.h>

using namespace genetyk_test;

namespace {

void ustawPopulacje(CGenetyk& gen, const std::vector<std::vector<int>>& trasy) {
    gen.UstawRozmiar(static_cast<int>(trasy.size()), static_cast<int>(trasy.front().size()));
    for (std::size_t i = 0; i < trasy.size(); ++i)
        gen.Populacja()[i].Geny = trasy[i];
}

std::vector<std::vector<int>> trasyPopulacji(CGenetyk& gen) {
    std::vector<std::vector<int>> trasy;
    for (const CGenotyp& g : gen.Populacja())
        trasy.push_back(g.Geny);
    return trasy;
}

} // namespace

TEST(GenetykKrzyzowanie, KrzyzujOdcinek_GivesTheWorkedExample) {
    CGenetyk gen;
    ustawPopulacje(gen, {{0, 1, 2, 3, 4, 5}, {3, 5, 1, 0, 2, 4}});
    gen.KrzyzujOdcinek(0, 1, 1, 3);
    EXPECT_EQ(gen.Populacja()[0].Geny, (std::vector<int>{0, 5, 1, 3, 4, 2}));
    EXPECT_EQ(gen.Populacja()[1].Geny, (std::vector<int>{3, 1, 2, 0, 5, 4}));
}

TEST(GenetykKrzyzowanie, KrzyzujOdcinek_MatchesTheStepByStepRepairOnRandomParents) {
    std::mt19937 los(20240611);
    CGenetyk gen;
    for (int proba = 0; proba < 5000; ++proba) {
        const int n = std::uniform_int_distribution<int>(2, 40)(los);
        const std::vector<int> A = losowaPermutacja(n, los);
        const std::vector<int> B = losowaPermutacja(n, los);
        // The search never puts the last position inside the segment; the
        // operation itself must also cope with a segment reaching the end.
        const int gorna = (proba % 10 == 0) ? n : n - 1;
        int c1 = std::uniform_int_distribution<int>(0, gorna)(los);
        int c2 = std::uniform_int_distribution<int>(0, gorna)(los);
        if (c2 < c1)
            std::swap(c1, c2);
        if (c1 == c2)
            continue;
        // Parents in slots 2 and 0 of three: the children go back to their
        // parents' slots, the bystander stays as it was.
        const std::vector<int> obok = losowaPermutacja(n, los);
        ustawPopulacje(gen, {B, obok, A});
        gen.KrzyzujOdcinek(2, 0, c1, c2);

        const Dzieci oczekiwane = krzyzujWprost(A, B, c1, c2);
        ASSERT_EQ(gen.Populacja()[2].Geny, oczekiwane.pierwsze) << "n=" << n << " c1=" << c1 << " c2=" << c2;
        ASSERT_EQ(gen.Populacja()[0].Geny, oczekiwane.drugie) << "n=" << n << " c1=" << c1 << " c2=" << c2;
        ASSERT_TRUE(isPermutation(gen.Populacja()[2].Geny, n));
        ASSERT_TRUE(isPermutation(gen.Populacja()[0].Geny, n));
        ASSERT_EQ(gen.Populacja()[1].Geny, obok);
    }
}

TEST(GenetykKrzyzowanie, EmptySegmentOrOneCity_LeavesTheParents) {
    CGenetyk gen;
    ustawPopulacje(gen, {{0, 1, 2, 3}, {3, 2, 1, 0}});
    gen.KrzyzujOdcinek(0, 1, 2, 2);
    EXPECT_EQ(gen.Populacja()[0].Geny, (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(gen.Populacja()[1].Geny, (std::vector<int>{3, 2, 1, 0}));

    // Out-of-range slots or segments are refused, not followed.
    gen.KrzyzujOdcinek(0, 2, 0, 2);
    gen.KrzyzujOdcinek(0, 1, -1, 2);
    gen.KrzyzujOdcinek(0, 1, 1, 5);
    EXPECT_EQ(gen.Populacja()[0].Geny, (std::vector<int>{0, 1, 2, 3}));

    // With one city both segment ends are always 0.
    CGenetyk jedno;
    jedno.UstawRozmiar(2, 1);
    UstawZiarno(5);
    for (int i = 0; i < 50; ++i)
        jedno.Krzyzuj(0, 1);
    EXPECT_EQ(jedno.Populacja()[0].Geny, std::vector<int>{0});
    EXPECT_EQ(jedno.Populacja()[1].Geny, std::vector<int>{0});
}

TEST(GenetykKrzyzowanie, Krzyzuj_DrawsTheSegmentEndsBelowN) {
    std::mt19937 los(77);
    CGenetyk gen;
    const int n = 9;
    for (unsigned ziarno = 1; ziarno <= 300; ++ziarno) {
        const std::vector<int> A = losowaPermutacja(n, los);
        const std::vector<int> B = losowaPermutacja(n, los);
        UstawZiarno(ziarno);
        int c1 = LosowaLiczba(n);
        int c2 = LosowaLiczba(n);
        if (c2 < c1)
            std::swap(c1, c2);
        const Dzieci oczekiwane = krzyzujWprost(A, B, c1, c2);

        ustawPopulacje(gen, {A, B});
        UstawZiarno(ziarno);
        gen.Krzyzuj(0, 1);
        ASSERT_EQ(gen.Populacja()[0].Geny, oczekiwane.pierwsze);
        ASSERT_EQ(gen.Populacja()[1].Geny, oczekiwane.drugie);
    }
}

TEST(GenetykKrzyzowanie, Krzyzowanie_PairsParticipantsInOrderAndLeavesAnOddLastOne) {
    std::mt19937 los(3);
    const int n = 8;
    std::vector<std::vector<int>> trasy;
    for (int i = 0; i < 5; ++i)
        trasy.push_back(losowaPermutacja(n, los));

    // Everyone takes part at probability 1: pairs (0,1) and (2,3), each
    // crossed as soon as its second member has been drawn.
    UstawZiarno(99);
    std::vector<std::vector<int>> oczekiwane = trasy;
    for (int i = 0; i < 5; ++i) {
        ASSERT_LT(losujX(), 1.0);
        if (i % 2 == 1) {
            int c1 = LosowaLiczba(n);
            int c2 = LosowaLiczba(n);
            if (c2 < c1)
                std::swap(c1, c2);
            const Dzieci d = krzyzujWprost(oczekiwane[i - 1], oczekiwane[i], c1, c2);
            oczekiwane[i - 1] = d.pierwsze;
            oczekiwane[i] = d.drugie;
        }
    }

    CGenetyk gen;
    ustawPopulacje(gen, trasy);
    gen.PKrzyzowania = 1.0;
    UstawZiarno(99);
    gen.Krzyzowanie();
    EXPECT_EQ(trasyPopulacji(gen), oczekiwane);
    EXPECT_EQ(gen.Populacja()[4].Geny, trasy[4]);
    EXPECT_NE(trasyPopulacji(gen), trasy);
}

TEST(GenetykKrzyzowanie, Krzyzowanie_AtProbabilityZeroChangesNothing) {
    std::mt19937 los(4);
    std::vector<std::vector<int>> trasy;
    for (int i = 0; i < 6; ++i)
        trasy.push_back(losowaPermutacja(7, los));
    CGenetyk gen;
    ustawPopulacje(gen, trasy);
    gen.PKrzyzowania = 0.0;
    UstawZiarno(1);
    for (int i = 0; i < 100; ++i)
        gen.Krzyzowanie();
    EXPECT_EQ(trasyPopulacji(gen), trasy);
}
