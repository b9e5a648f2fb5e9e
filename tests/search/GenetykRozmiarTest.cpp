#include "search/CGenetyk.h"

#include <gtest/gtest.h>

#include <new>

TEST(GenetykRozmiar, APopulationBeyondMemoryIsRefusedAndNothingChanges) {
    CGenetyk gen;
    gen.UstawRozmiar(10, 6);
    EXPECT_THROW(gen.UstawRozmiar(2000000000, 50), std::bad_alloc);
    EXPECT_EQ(gen.LicznoscPopulacji, 10);
    EXPECT_EQ(gen.IloscMiast, 6);
    ASSERT_EQ(gen.Populacja.size(), 10u);
    EXPECT_EQ(gen.Populacja[9].Geny.size(), 6u);
}

TEST(GenetykRozmiar, ALargePopulationWithinMemoryIsMade) {
    CGenetyk gen;
    gen.UstawRozmiar(100000, 50);
    EXPECT_EQ(gen.Populacja.size(), 100000u);
    EXPECT_EQ(gen.NowaPopulacja.back().Geny.size(), 50u);
}
