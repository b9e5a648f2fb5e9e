#include "search/genetyczne/CGenotyp.h"

#include <gtest/gtest.h>

TEST(CGenotyp, UstawIlosc_GivesTheIdentityRouteAndKeepsTheValues) {
    CGenotyp g;
    g.Droga = 12.5;
    g.Przystosowanie = 2.0;
    g.Prawdopodobienstwo = 0.25;
    g.Dystrybuanta = 0.75;
    g.UstawIlosc(5);
    EXPECT_EQ(g.Ilosc, 5);
    EXPECT_EQ(g.Geny, (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(g.Droga, 12.5);
    EXPECT_EQ(g.Przystosowanie, 2.0);
    EXPECT_EQ(g.Prawdopodobienstwo, 0.25);
    EXPECT_EQ(g.Dystrybuanta, 0.75);

    g.UstawIlosc(3);
    EXPECT_EQ(g.Ilosc, 3);
    EXPECT_EQ(g.Geny, (std::vector<int>{0, 1, 2}));
}

TEST(CGenotyp, UstawIlosc_WithTheSameCountKeepsTheRoute) {
    CGenotyp g;
    g.UstawIlosc(4);
    g.Geny = {3, 1, 0, 2};
    g.UstawIlosc(4);
    EXPECT_EQ(g.Geny, (std::vector<int>{3, 1, 0, 2}));
}

TEST(CGenotyp, UstawIlosc_NegativeCountLeavesNoGenes) {
    CGenotyp g;
    g.UstawIlosc(3);
    g.UstawIlosc(-2);
    EXPECT_EQ(g.Ilosc, 0);
    EXPECT_TRUE(g.Geny.empty());
}
