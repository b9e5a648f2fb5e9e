#include "search/dolne/LukaDoOptimum.h"

#include <QLocale>

#include <gtest/gtest.h>

TEST(LukaDoOptimum, RoundsTheGapUpNeverDown) {
    EXPECT_EQ(LukaCoNajwyzej(101, 100, true), 1.0);
    // A thirtieth of a hundredth of a per cent is still 0.01 at most.
    EXPECT_EQ(LukaCoNajwyzej(30001, 30000, true), 0.01);
    EXPECT_EQ(LukaCoNajwyzej(300010, 300000, true), 0.01);
    EXPECT_EQ(LukaCoNajwyzej(300011, 300000, true), 0.01);
    EXPECT_EQ(LukaCoNajwyzej(300031, 300000, true), 0.02);
    EXPECT_EQ(LukaCoNajwyzej(1003, 1000, true, 1), 0.3);
    EXPECT_EQ(LukaCoNajwyzej(1000, 1000, true), 0.0);
    EXPECT_EQ(LukaCoNajwyzej(0, 0, true), 0.0);
    EXPECT_FALSE(LukaCoNajwyzej(5, 0, true));
    EXPECT_EQ(LukaCoNajwyzej(10.5, 10.0, false), 5.0);
    EXPECT_EQ(LukaCoNajwyzej(10.5001, 10.0, false), 5.01);
}

TEST(LukaDoOptimum, WindowTextSaysAtMostThisMuchAboveTheOptimum) {
    QLocale::setDefault(QLocale(QLocale::Polish));
    EXPECT_EQ(OpisLuki(0.83), QStringLiteral("co najwyżej 0,83 % powyżej optimum"));
    EXPECT_EQ(OpisLuki(0.0), QStringLiteral("optymalna"));
    QLocale::setDefault(QLocale::c());
}
