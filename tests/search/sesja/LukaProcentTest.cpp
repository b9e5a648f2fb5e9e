#include "search/sesja/LukaProcent.h"

#include <cmath>

#include <gtest/gtest.h>

TEST(LukaProcent, RoundsTheGapUpToHundredthsNeverDown) {
    EXPECT_EQ(LukaProcent(101, 100, true), 1.0);
    // A thirtieth of a hundredth of a per cent is still 0.01 at most.
    EXPECT_EQ(LukaProcent(30001, 30000, true), 0.01);
    EXPECT_EQ(LukaProcent(300031, 300000, true), 0.02);
    EXPECT_EQ(LukaProcent(10.5, 10.0, false), 5.0);
    EXPECT_EQ(LukaProcent(10.5001, 10.0, false), 5.01);
}

TEST(LukaProcent, TheLongestRoutesBoundLiesAboveItAndIsTheBase) {
    EXPECT_EQ(LukaProcent(99, 100, true), 1.0);
    EXPECT_EQ(LukaProcent(29999, 30000, true), 0.01);
}

TEST(LukaProcent, AtItsBoundARouteIsOptimalAndWithoutAPositiveBoundThereIsNoGap) {
    EXPECT_EQ(LukaProcent(1000, 1000, true), 0.0);
    EXPECT_EQ(LukaProcent(0, 0, true), 0.0);
    EXPECT_FALSE(LukaProcent(5, 0, true));
    EXPECT_FALSE(LukaProcent(5, -1, false));
    EXPECT_FALSE(LukaProcent(5, -INFINITY, false));
}
