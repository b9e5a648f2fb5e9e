// The record a progress chart reads: bounded however long the proof runs.

#include "search/dowod/PostepDowodu.h"

#include <gtest/gtest.h>

TEST(PostepDowodu, ALongRecordIsThinnedKeepingTheFirstAndNewestPointsAndOlderOnesSparser) {
    PostepDowodu p;
    const int ile = 5 * int(PostepDowodu::NajwiecejPunktow) + 3;
    for (int k = 0; k < ile; ++k)
        p.ZglosGranice(double(k), double(k));
    const std::vector<PostepDowodu::PunktGranic> historia = p.Historia();
    ASSERT_LE(historia.size(), PostepDowodu::NajwiecejPunktow);
    ASSERT_GE(historia.size(), PostepDowodu::NajwiecejPunktow / 2);
    EXPECT_EQ(historia.front().sekundy, 0.0);
    EXPECT_EQ(historia.back().sekundy, double(ile - 1));
    EXPECT_EQ(historia.back().granica, double(ile - 1));
    EXPECT_EQ(historia[historia.size() - 2].sekundy, double(ile - 2));
    for (std::size_t i = 2; i < historia.size(); ++i) {
        const double odstep = historia[i].sekundy - historia[i - 1].sekundy;
        EXPECT_LE(odstep, historia[i - 1].sekundy - historia[i - 2].sekundy) << i;
        EXPECT_GE(odstep, 1.0) << i;
    }
}
